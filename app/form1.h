// The one main window of the game and its whole widget tree. The widgets
// are named members; every behaviour is an event handler of TForm1 or a
// plain routine called from one. The constructor (form1_tree.cpp) builds
// the tree with its declared properties in creation order and binds the
// handlers; TForm1::FormCreate then runs as OnCreate.
#pragma once

#include "platform/vcl.h"

// What a file looked like on disk: the loading sequence waits for a
// picture that failed to load to appear or change before reading again.
struct FileSignature {
    bool exists = false;
    long long size = 0;
    long long modifiedNs = 0;
    bool operator==(const FileSignature&) const = default;
};

class TForm1 : public TForm {
public:
    TForm1();

    // --- children of Form1, in creation order ---------------------------
    TImage* imgSchema;
    TImage* imgTramvaj;
    TImage* imgUPpanel;
    TImage* imgDOWNpanel;
    TImage* imgKrajina2;
    TImage* imgKrajina1;
    TImage* imgSilnice2;
    TImage* imgSilnice1;
    TImage* imgTramvajPozadi;
    TImage* imgDvere[6];        // imgDvere1 .. imgDvere6
    TImage* imgStanice;
    TImage* Clovek[92];         // Clovek1 .. Clovek92, one per PersonRecord
    TLabel* labKasa;
    TLabel* labObsazenoMist;
    TLabel* labVolnychMist;
    TLabel* labZrychlitNa;
    TLabel* labAktualniRychlost;
    TImage* imgKola[4];         // imgKola1 .. imgKola4 (created 4, 3, 2, 1)
    TLabel* labMinuty;
    TLabel* labSekundy;
    TLabel* Label11;
    TImage* imgSemafor;
    TLabel* labElitaPrevezeno;
    TLabel* labUredniciPrevezeno;
    TLabel* labDelniciPrevezeno;
    TLabel* labNemajetniPrevezeno;
    TLabel* labElitaCil;
    TLabel* labUredniciCil;
    TLabel* labDelniciCil;
    TLabel* labNemajetniCil;
    TImage* imgStanice2;
    TImage* imgZnacka;
    TImage* imgSloup1;
    TImage* imgSloup2;
    TImage* imgAutoDoprava[4];  // imgAutoDoprava1 .. 4 (rightward lane)
    TImage* imgAutoDoleva[4];   // imgAutoDoleva1 .. 4 (leftward lane)
    TImage* Kolemjdouci[20];    // Kolemjdouci1 .. 20, one per PedestrianRecord
    TImage* imgDisplej1;
    TImage* imgDisplej2;
    TLabel* labPrijem;
    TImage* imgPrechodProChodce;
    TShape* Shape1;
    TBitBtn* btnSpeed0;
    TBitBtn* btnSpeed15;
    TBitBtn* btnSpeed30;
    TBitBtn* btnSpeed45;
    TBitBtn* btnSpeed60;
    TBitBtn* btnDvere;
    TBitBtn* BitBtn1;
    TPanel* panVystrahaSemafor;
    TImage* imgVystraha;
    TCGauge* cgVystrahaSemafor;
    TPanel* panVystrahaStanice;
    TImage* Image1;
    TCGauge* cgVystrahaStanice;
    TPanel* panMainMenu;
    TImage* imgMainMenu;
    TLabel* labMenu1;
    TLabel* labMenu2;
    TLabel* labMenu3;
    TLabel* labMenu4;
    TLabel* labMenu5;
    TImage* imgLoading;
    TLabel* labLoading;
    TImage* imgAutoMenuDoprava;
    TImage* imgAutoMenuDoleva;
    TPanel* panUpozorneni;
    TImage* imgUpozorneni;
    TBitBtn* btnUpozorneniAno;
    TBitBtn* btnUpozorneniNe;
    TPanel* panPrestavka;
    TImage* imgPrestavka;
    TImage* imgZmenitLinku;
    TImage* imgZmenitVuz;
    TImage* imgNovaTramvaj;
    TLabel* Label6;
    TLabel* Label8;
    TLabel* Label22;
    TLabel* Label23;
    TLabel* Label12;
    TLabel* Label18;
    TLabel* Label19;
    TLabel* Label20;
    TLabel* Label9;
    TLabel* Label13;
    TLabel* Label16;
    TLabel* Label21;
    TLabel* labZmenitLinku;
    TLabel* labZmenitVuz;
    TLabel* labCenaNovehoVozu;
    TLabel* labPrevezeno;
    TLabel* labCelkemPrevezeno;
    TLabel* labOdjetoZaHod;
    TLabel* labOdjetoZaMin;
    TLabel* labOdjetoZaSec;
    TLabel* labCasVeHreHod;
    TLabel* labCasVeHreMin;
    TLabel* labCasVeHreSec;
    TBitBtn* btnLinkaPrevious;
    TBitBtn* btnLinkaNext;
    TBitBtn* btnTramvajPrevious;
    TBitBtn* btnTramvajNext;
    TBitBtn* btnNovyKurs;
    TBitBtn* btnKoupitNovouTramvaj;
    TMemo* memoZmenitLinku;
    TMemo* memoNovaTramvaj;
    TMemo* memoZmenitVuz;
    TPanel* panVarovani;
    TLabel* labVarovani;
    TPanel* panKryti;
    TMemo* memoTutorial;
    TBitBtn* btnTutorial;
    TTimer* tDvere;
    TTimer* tSemafor;
    TTimer* tMainTimer;
    TTimer* tStart;

    // --- event handlers --------------------------------------------------
    // start-up and loading (app/)
    void FormCreate(TObject* Sender);
    void tStartTimer(TObject* Sender);
    // main menu and screen flow (game/menu*)
    void labMenu1MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void labMenu2MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void labMenu3MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void labMenu4MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void labMenu5MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void labMenu2Click(TObject* Sender);
    void labMenu3Click(TObject* Sender);
    void labMenu4Click(TObject* Sender);
    void labMenu5Click(TObject* Sender);
    void btnUpozorneniAnoClick(TObject* Sender);
    void btnUpozorneniNeClick(TObject* Sender);
    void labVarovaniClick(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    // tutorial (game/tutorial*)
    void labMenu1Click(TObject* Sender);
    void btnTutorialClick(TObject* Sender);
    // depot (game/depot*)
    void btnLinkaPreviousClick(TObject* Sender);
    void btnLinkaNextClick(TObject* Sender);
    void btnTramvajPreviousClick(TObject* Sender);
    void btnTramvajNextClick(TObject* Sender);
    void btnKoupitNovouTramvajClick(TObject* Sender);
    // run start (game/run_start*)
    void btnNovyKursClick(TObject* Sender);
    // driving controls and traffic light (game/controls*)
    void btnSpeed0Click(TObject* Sender);
    void btnSpeed15Click(TObject* Sender);
    void btnSpeed30Click(TObject* Sender);
    void btnSpeed45Click(TObject* Sender);
    void btnSpeed60Click(TObject* Sender);
    void btnDvereClick(TObject* Sender);
    void tSemaforTimer(TObject* Sender);
    // the game tick (tick/)
    void tMainTimerTimer(TObject* Sender);
    // the door timer (stop/)
    void tDvereTimer(TObject* Sender);

private:
    // The picture the loading sequence stopped at ("" while it runs).
    AnsiString startupBlockedOn_;
    FileSignature startupBlockedFile_;
};

extern TForm1* Form1;
