// The end of a run: the doors have closed at the last stop of the line.
// The career is saved and read back, the dashboard cleared, the run's
// sounds silenced, and the player is back in the depot.
#include "app/form1.h"
#include "game/controls.h"
#include "game/depot.h"
#include "game/save.h"
#include "game/state.h"
#include "platform/sound.h"
#include "stop/door_steps.h"

namespace {

constexpr int kCrowdChannel = 6;
constexpr int kMenuMusicChannel = 7;
constexpr float kMenuMusicVolume = 0.4f;

int ChannelHandle(int channel) { return static_cast<int>(g_soundChannels[channel].handle); }

void ClearDashboard(TForm1& form) {
    for (TLabel* label : {form.labZrychlitNa, form.labAktualniRychlost, form.labVolnychMist,
                          form.labObsazenoMist}) {
        label->SetCaption("0");
    }
    for (TLabel* clock : {form.labMinuty, form.labSekundy}) {
        clock->SetFontColor(clSilver);
        clock->SetCaption("00");
    }
}

void HideRunWidgets(TForm1& form) {
    for (TControl* widget : {static_cast<TControl*>(form.panVystrahaSemafor),
                             static_cast<TControl*>(form.panVystrahaStanice),
                             static_cast<TControl*>(form.Shape1),
                             static_cast<TControl*>(form.memoTutorial),
                             static_cast<TControl*>(form.btnTutorial)}) {
        widget->Visible = false;
    }
}

void StopRunSounds() {
    for (int channel = 0; channel <= kCrowdChannel; ++channel) SoundZastav(ChannelHandle(channel));
}

void BringBackMenuMusic() {
    g_menuMusicHold = 1;
    g_soundChannels[kMenuMusicChannel].volume = kMenuMusicVolume;
    SoundNastavHlasitost(ChannelHandle(kMenuMusicChannel), kMenuMusicVolume);
}

// The depot's previews are files too; one that cannot be opened is
// reported, and the run still ends (the tick must stop, the doors close).
void RefreshDepotReported(TForm1& form) {
    try {
        RefreshDepotPanel(form);
    } catch (const Exception& e) {
        if (Application) Application->ShowException(e, "tDvere");
    }
}

// The career as the file holds it after the write, or as packed when the
// file could not be written or read back: a failing disk must not take
// the run's progress (or the whole career) away.
void RestoreCareer(TForm1& form, bool written, const SaveRecord& packed) {
    const bool readBack = ReadSaveFile(form) == SaveReadResult::Loaded;
    if (!written || !readBack) {
        g_saveRecord = packed;
        if (!written && Application) {
            Application->ShowException(
                Exception("The game could not be saved to " + AnsiString(kSaveFileName) +
                          ". Your progress is kept while the game runs."),
                "tDvere");
        }
    }
    UnpackCareer(g_saveRecord);
}

}  // namespace

void EndRunAtTerminus() {
    TForm1& form = *Form1;
    PackCareer(g_saveRecord);
    const SaveRecord packed = g_saveRecord;
    const bool written = WriteSaveFile(form);
    form.panPrestavka->Visible = true;
    form.panVarovani->Visible = false;
    ClearDashboard(form);
    HideRunWidgets(form);
    g_tutorialStep = 0;
    StopRunSounds();
    RestoreCareer(form, written, packed);
    BringBackMenuMusic();
    g_runActive = 0;
    RefreshDepotReported(form);
    EnableSpeedButtons(form, false);
    form.tMainTimer->SetEnabled(false);
}
