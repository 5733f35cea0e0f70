// Leaving a run (or the depot) for the main menu and quitting the game.
// Leaving saves nothing: the run is given up and CONTINUE reads the file
// again. A door movement under way is given up with it: finished behind
// the menu it would judge the timetable, fine the player, put a message
// bar over the menu or, at the terminus, save and show the depot there.
#include "app/form1.h"
#include "app/statistics.h"
#include "game/controls.h"
#include "game/menu.h"
#include "game/menu_sound.h"
#include "platform/sound.h"

void TForm1::BitBtn1Click(TObject*) {
    PlayUnclick();
    panVarovani->Visible = false;
    tMainTimer->SetEnabled(false);
    tDvere->SetEnabled(false);
    panMainMenu->Visible = true;
    panPrestavka->Visible = false;
    memoTutorial->Visible = false;
    btnTutorial->Visible = false;
    EnableSpeedButtons(*this, false);
    btnDvere->Enabled = false;
    StopRunChannels();
    RestoreMenuMusic();
}

// The sound library is shut down before the window closes. The run in
// progress is not saved; a career whose save failed gets one more try.
void QuitGame(TForm1& form) {
    SaveCareerBeforeExit();
    SoundZastavVse(1);
    updateXaudio();
    SoundDestroy();
    OpenWebLink(WebSiteAddress(), &form);
}

void TForm1::labMenu4Click(TObject*) { QuitGame(*this); }
void TForm1::labMenu5Click(TObject*) { QuitGame(*this); }
void TForm1::labVarovaniClick(TObject*) { QuitGame(*this); }
