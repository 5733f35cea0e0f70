// Creation of the main window: from a bare window to the logo on a black
// screen with the menu music playing, ready for the loading sequence.
// A picture that cannot be opened ends this handler where it stands (the
// application reports which file); the window is shown all the same and
// the loading sequence still leads to the menu.
#include "app/display_mode.h"
#include "app/form1.h"
#include "app/statistics.h"
#include "game/menu_sound.h"
#include "game/save.h"
#include "game/state.h"
#include "platform/sound.h"

void TForm1::FormCreate(TObject*) {
    BorderStyle = bsNone;
    SwitchDisplayMode();

    panMainMenu->Color = clBlack;
    Color = clBlack;
    for (TWinControl* w : {static_cast<TWinControl*>(this), static_cast<TWinControl*>(panMainMenu),
                           static_cast<TWinControl*>(panPrestavka), static_cast<TWinControl*>(panVystrahaSemafor),
                           static_cast<TWinControl*>(panVystrahaStanice)})
        w->DoubleBuffered = true;

    SoundInit(0);
    LoadSendLibrary();
    CountLaunchAndReport();

    ReadSaveFile(*this);
    UnpackCareer(g_saveRecord);

    // Black cover of everything right of the playing area; the menu panel
    // covers the whole screen.
    panKryti->SetBounds(1024, 0, 1200, 1200);
    panMainMenu->SetBounds(0, -1, 1152, 865);

    imgMainMenu->Picture->LoadFromFile("Textures//MainMenu//Logo.bmp");
    imgMainMenu->Left = 0;
    imgMainMenu->Top = 0;

    struct Place {
        TLabel* label;
        int left, top;
    };
    for (const Place& p : {Place{labMenu1, 420, 290}, Place{labMenu2, 410, 340}, Place{labMenu3, 360, 390},
                           Place{labMenu4, 296, 440}, Place{labMenu5, 410, 490}}) {
        p.label->Left = p.left;
        p.label->Top = p.top;
        p.label->Visible = false;
    }
    labLoading->Visible = false;
    imgAutoMenuDoprava->Visible = false;
    imgAutoMenuDoleva->Visible = false;

    StartMenuMusic();
}
