// Line 0 driven carelessly with a second tram bought for it, traced:
// every speed key held for a stretch,
// every penalty earned once (the missed stop, the late arrival, the red
// light, the crossing and the speed sign taken too fast), the autopilot
// serving the stops in between.
#include "tests/drives/drive.h"

namespace {

class Careless : public drives::DriveFixture {
protected:
    // Presses the key of `target` unless it is the target already.
    void Hold(char key, int target) {
        if (g_targetSpeed != target && form().btnSpeed0->Enabled) Key(key);
    }
    bool MessageHas(const char* words) const {
        return form().panVarovani->IsShowing() && form().labVarovani->Caption().find(words) != std::string::npos;
    }
};

TEST_F(Careless, EverySpeedKeyAndEveryPenaltyOnLineZeroWithTramTwo) {
    SavedCareer(/*level=*/0, /*trams=*/1, /*money=*/550);
    StartGame(/*sampled=*/false);
    Click("labMenu3");
    Click("btnKoupitNovouTramvaj");  // 300 for the second
    Click("btnLinkaNext");           // line 1 is not open yet
    StartRun(0, 2);

    enum Phase { PastTheStop, ServeIt, FastCrossing, CreepToTheLight, WaitForRed, ThroughRed,
                 Dawdle, ServeRow4, OverTheSign, Home };
    Phase phase = PastTheStop;
    const e2e::RunLog run = Drive(40000, {}, [&] {
        switch (phase) {
            case PastTheStop:  // at 15 km/h straight past the first stop
                if (MessageHas("missed")) phase = ServeIt;
                Hold('w', 15);
                return phase == PastTheStop;
            case ServeIt:
                if (g_sectionIndex < 2) return false;
                phase = FastCrossing;
                [[fallthrough]];
            case FastCrossing:  // 60 km/h through the junction
                Hold('t', 60);
                if (MessageHas("crossing")) phase = CreepToTheLight;
                return phase == FastCrossing;
            case CreepToTheLight:  // 30 km/h to the next light, then stop short of it
                if (g_sectionIndex < 3) return false;
                if (form().imgSemafor->Left - 950 > e2e::BrakingDistance(g_speed) + 40) {
                    Hold('e', 30);
                    return true;
                }
                Hold('q', 0);
                if (g_speed == 0) phase = WaitForRed;
                return true;
            case WaitForRed:
                if (g_lightPhase == 2) {
                    Hold('e', 30);
                    phase = ThroughRed;
                }
                return true;
            case ThroughRed:
                if (MessageHas("red light")) phase = Dawdle;
                return true;
            case Dawdle:  // standing until the stop's minute is gone
                Hold('q', 0);
                if (form().labMinuty->Caption() >= "03") phase = ServeRow4;
                return true;
            case ServeRow4:
                if (g_sectionIndex == 4 && g_stopDeparted == 1) {
                    phase = OverTheSign;
                } else if (g_sectionIndex == 4 && g_stopServed == 0 && (g_speed > 0 || g_targetSpeed > 0)) {
                    // 30 km/h and the stop at the near end of the door's reach:
                    // the least of the 45 section behind the tram.
                    Hold(form().imgStanice->Left - form().imgTramvaj->Left > 600 ? 'e' : 'q',
                         form().imgStanice->Left - form().imgTramvaj->Left > 600 ? 30 : 0);
                    return true;
                }
                return false;
            case OverTheSign:  // 60 km/h out of the 45 section
                Hold(g_speed < 45 ? 'r' : 't', g_speed < 45 ? 45 : 60);
                if (MessageHas("maximum allowed speed!")) phase = Home;
                return phase == OverTheSign;
            case Home:
                return false;
        }
        return false;
    });
    EXPECT_EQ(phase, Home);
    EXPECT_TRUE(run.reachedDepot) << run.Describe();
    trace.SaveFile();
    drives::ExpectGolden("careless", trace);
}

}  // namespace
