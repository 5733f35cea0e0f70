// Handlers not written yet. Whoever writes a handler removes its line here.
#include "app/form1.h"

void TForm1::labMenu1MouseMove(TObject*, TShiftState, int, int) {}
void TForm1::labMenu2MouseMove(TObject*, TShiftState, int, int) {}
void TForm1::labMenu3MouseMove(TObject*, TShiftState, int, int) {}
void TForm1::labMenu4MouseMove(TObject*, TShiftState, int, int) {}
void TForm1::labMenu5MouseMove(TObject*, TShiftState, int, int) {}
void TForm1::labMenu2Click(TObject*) {}
void TForm1::labMenu3Click(TObject*) {}
void TForm1::labMenu4Click(TObject*) {}
void TForm1::labMenu5Click(TObject*) {}
void TForm1::btnUpozorneniAnoClick(TObject*) {}
void TForm1::btnUpozorneniNeClick(TObject*) {}
void TForm1::labVarovaniClick(TObject*) {}
void TForm1::BitBtn1Click(TObject*) {}
void TForm1::labMenu1Click(TObject*) {}
void TForm1::btnTutorialClick(TObject*) {}
void TForm1::btnLinkaPreviousClick(TObject*) {}
void TForm1::btnLinkaNextClick(TObject*) {}
void TForm1::btnTramvajPreviousClick(TObject*) {}
void TForm1::btnTramvajNextClick(TObject*) {}
void TForm1::btnKoupitNovouTramvajClick(TObject*) {}
void TForm1::btnNovyKursClick(TObject*) {}
void TForm1::btnSpeed0Click(TObject*) {}
void TForm1::btnSpeed15Click(TObject*) {}
void TForm1::btnSpeed30Click(TObject*) {}
void TForm1::btnSpeed45Click(TObject*) {}
void TForm1::btnSpeed60Click(TObject*) {}
void TForm1::btnDvereClick(TObject*) {}
void TForm1::tSemaforTimer(TObject*) {}
void TForm1::tMainTimerTimer(TObject*) {}
