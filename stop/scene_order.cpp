// The front-to-back order of the driving scene. Every pass raises the same
// 142 widgets, each exactly once, so the stacking afterwards depends only
// on the persons' states and the passers-by's rows, never on what it was.
#include "app/form1.h"
#include "game/records.h"
#include "stop/stop_service.h"

namespace {

void Raise(TControl* widget) { widget->BringToFront(); }

template <std::size_t N>
void RaiseAll(TImage* const (&widgets)[N]) {
    for (TImage* w : widgets) Raise(w);
}

// Persons are split by state into three bands: outside in front of the
// tram (0..3), inside it (4..9), stepping down and walking away (10..11).
// Values outside 0..11 fall into the nearest outer band.
enum class PersonBand { InFront, Inside, Leaving };

PersonBand BandOf(int32 state) {
    if (state < 4) return PersonBand::InFront;
    if (state > 9) return PersonBand::Leaving;
    return PersonBand::Inside;
}

void RaisePersons(TForm1& form, PersonBand band) {
    for (int k = 0; k < kPersonCount; ++k) {
        if (BandOf(g_persons[k].state) == band) Raise(form.Clovek[k]);
    }
}

void RaisePassersBy(TForm1& form, int32 row) {
    for (int k = 0; k < kPedestrianCount; ++k) {
        if (g_pedestrians[k].row == row) Raise(form.Kolemjdouci[k]);
    }
}

}  // namespace

void RefreshSceneZOrder(TForm1& form) {
    Raise(form.imgPrechodProChodce);
    RaisePassersBy(form, 1);                 // back sidewalk row
    Raise(form.imgSloup1);
    Raise(form.imgSloup2);
    RaiseAll(form.imgAutoDoleva);
    Raise(form.labPrijem);                   // behind the tram, shows through its windows
    Raise(form.imgTramvajPozadi);
    RaisePersons(form, PersonBand::Inside);
    Raise(form.imgDisplej1);
    Raise(form.imgDisplej2);
    RaiseAll(form.imgKola);
    Raise(form.imgTramvaj);
    RaiseAll(form.imgDvere);
    Raise(form.imgStanice);
    RaisePersons(form, PersonBand::InFront);
    RaisePersons(form, PersonBand::Leaving);
    Raise(form.imgStanice2);
    Raise(form.imgSemafor);
    Raise(form.imgZnacka);
    RaiseAll(form.imgAutoDoprava);
    RaisePassersBy(form, 0);                 // front sidewalk row
}
