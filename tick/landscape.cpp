// Block C: the landscape behind the street. Two images scroll left and
// leapfrog each other; each leap is one step along the route, where
// everything that belongs to one section starts afresh.
#include "app/form1.h"
#include "game/controls.h"
#include "game/menu_sound.h"
#include "game/route.h"
#include "platform/sound.h"
#include "tick/asset_path.h"
#include "tick/blocks.h"
#include "tick/messages.h"
#include "tick/sounds.h"
#include "tick/speed_band.h"

namespace {

// A new tile is due once the leading image's right edge comes this close.
constexpr int kTileChangeEdge = 1300;
// The new tile overlaps the leading one by this much.
constexpr int kTileOverlap = 150;
constexpr int32 kOverLimitFine = 50;

// Ambient sound of a landscape picture: a one-shot, or a water loop on
// its own channel (channel < 0 for a one-shot).
struct Ambient {
    const char* file;
    int channel;
};
Ambient AmbientOf(int32 mapTex) {
    switch (mapTex) {
        case 7: case 23: return {"Zvuky//Okoli//Letadlo0.wav", -1};
        case 21: case 35: return {"Zvuky//Okoli//Letadlo1.wav", -1};
        case 15: case 26: return {"Zvuky//Okoli//Lod.wav", -1};
        case 4: case 8: case 13: case 17: case 30: case 33: return {"Zvuky//Okoli//Ptaci0.wav", -1};
        case 6: case 11: case 14: case 29: case 31: case 37: return {"Zvuky//Okoli//Ptaci1.wav", -1};
        case 0: case 9: case 32: case 36: return {"Zvuky//Okoli//Voda0.wav", kChannelWater0};
        case 1: case 16: case 28: return {"Zvuky//Okoli//Voda1.wav", kChannelWater1};
        case 2: case 18: case 24: case 27: return {"Zvuky//Okoli//Zvon.wav", -1};
        default: return {nullptr, -1};
    }
}

void RestartSectionSounds(const RouteSection& row) {
    StopChannel(kChannelTraffic);
    if (const char* loop = TrafficLoopFile(row.traffic)) StartChannel(kChannelTraffic, loop);
    StopChannel(kChannelWater0);
    StopChannel(kChannelWater1);
    const Ambient ambient = AmbientOf(row.mapTex);
    if (!ambient.file) return;
    if (ambient.channel < 0) {
        PlayOneShot(ambient.file, 0.25f);
    } else {
        // The water loops always loop, at their channel's volume.
        SoundChannel& ch = g_soundChannels[ambient.channel];
        ch.handle = static_cast<float>(SoundSpust(WidePath(ambient.file), 1, ch.volume));
    }
}

// The row the route goes to from the current one: the next row, or the
// line's first row again after its terminus.
struct NextSection {
    int32 index;
    bool wrapped;
};
NextSection NextSectionOf(int32 index) {
    if (RouteRow(index).endOfLine == 1 && IsLine(g_line)) return {g_lines[g_line].firstRow, true};
    return {index + 1, false};
}

// One step along the route. The new landscape picture is loaded before
// anything is changed, so a picture that cannot be opened leaves the
// route where it was and the next tick tries the same step again.
void ChangeSection(TForm1& form, TImage* leading, TImage* trailing, int32 newToggle) {
    const int32 leftIndex = g_sectionIndex;
    const NextSection next = NextSectionOf(leftIndex);
    const RouteSection& row = RouteRow(next.index);
    trailing->Picture->LoadFromFile(NewPath().Text("Textures//Maps//Map").Number(row.mapTex).Text(".bmp").Str());

    if (next.wrapped) g_stopsRemaining = g_lines[g_line].stops;
    g_sectionIndex = next.index;
    trailing->Left = leading->Left + leading->Width - kTileOverlap;
    g_stopPlaced = 0;
    g_lightPlaced = 0;
    g_signPlaced = 0;
    g_crossingPenalised = 0;
    g_speedPenalised = 0;
    g_landscapeTileToggle = newToggle;
    g_carSpawnCountdown = row.traffic;
    g_stopDeparted = 0;
    g_stopServed = 0;
    g_missedStopPenalised = 0;
    // The doors open only at the current section's stop, so a tram held
    // for missing the stop just left behind could never move again.
    if (g_doorsOpen == 0 && !form.tDvere->Enabled()) EnableSpeedButtons(form, true);
    RestartSectionSounds(row);
    // The new picture is drawn over the old one where they overlap.
    leading->SendToBack();

    // Judged against the limit of the row before the new one. After a
    // wrap that is the row stored before the line's first row, not the
    // terminus just left; row 0 has none before it, so line 0's wrap
    // falls back to its terminus.
    const int32 judgedIndex = g_sectionIndex > 0 ? g_sectionIndex - 1 : leftIndex;
    if (RouteRow(judgedIndex).speedLimit < g_speed && g_speedPenalised == 0 && g_tutorialStep == 0) {
        static const AnsiString text =
            "(-50$) You\xB4ve been penalized for overrunning the maximum allowed speed!";
        GivePenalty(form, kOverLimitFine, text, g_speedPenalised);
    }
}

}  // namespace

void ScrollLandscape(TForm1& form) {
    const int32 step = LandscapeStep(g_speed);
    form.imgKrajina1->Left -= step;
    form.imgKrajina2->Left -= step;

    if (form.imgKrajina1->Left + form.imgKrajina1->Width < kTileChangeEdge && g_landscapeTileToggle == 0)
        ChangeSection(form, form.imgKrajina1, form.imgKrajina2, 1);
    if (form.imgKrajina2->Left + form.imgKrajina2->Width < kTileChangeEdge && g_landscapeTileToggle == 1)
        ChangeSection(form, form.imgKrajina2, form.imgKrajina1, 0);
}
