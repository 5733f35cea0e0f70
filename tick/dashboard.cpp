// Block A's dashboard: money, the passengers carried against the level's
// goals, the marker on the line scheme and the places in the tram.
#include <array>

#include "app/form1.h"
#include "game/route.h"
#include "game/tram_layout.h"
#include "tick/blocks.h"
#include "tick/captions.h"
#include "tick/goals.h"

namespace {

std::array<TLabel*, 4> CarriedLabels(TForm1& form) {
    return {form.labNemajetniPrevezeno, form.labDelniciPrevezeno, form.labUredniciPrevezeno,
            form.labElitaPrevezeno};
}

}  // namespace

void UpdateDashboardCounters(TForm1& form) {
    // Penalties may have taken the money below 0; it never shows so.
    if (g_money < 0) {
        g_money = 0;
        form.labKasa->SetCaption("0");
    }
    const std::array<TLabel*, 4> carried = CarriedLabels(form);
    for (int c = 0; c < 4; ++c) ShowNumber(*carried[c], g_carriedByClass[c]);
    const int32* goals = ShownGoalRow();
    const std::array<TLabel*, 4> goalLabels = GoalLabels(form);
    for (int c = 0; c < 4; ++c) ShowNumber(*goalLabels[c], goals[c]);
}

void UpdateSchemeMarker(TForm1& form) {
    const RouteSection& row = CurrentSection();
    form.Shape1->Left = row.schemeX;
    form.Shape1->Top = row.schemeY;
}

void UpdatePlacesLabels(TForm1& form) {
    ShowNumber(*form.labObsazenoMist, g_tramLayout.occupiedPlaces);
    ShowNumber(*form.labVolnychMist, g_tramLayout.freePlaces);
}

// Last step of the tick: an overfull tram shows no free places rather
// than a negative number.
void ClampFreePlacesLabel(TForm1& form) {
    if (g_tramLayout.freePlaces < 0) ShowCaption(*form.labVolnychMist, "0");
}
