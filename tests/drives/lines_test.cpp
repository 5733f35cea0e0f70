// Lines 1 and 2, each from a career at its level, to the terminus with
// another tram model: the level's goals, the workers' fares, the longer
// timetables, the lights and 45 sections of the later lines, the career
// saved at the end.
#include "tests/drives/drive.h"

namespace {

class Lines : public drives::DriveFixture {
protected:
    void DriveLine(int line, int tram) {
        SavedCareer(/*level=*/line, /*trams=*/7, /*money=*/5000);
        trace.SampleEvery(line == 1 ? 300 : 500);
        StartGame(/*sampled=*/false);
        Click("labMenu3");
        Click("btnKoupitNovouTramvaj");  // the depot sells no third tram
        StartRun(line, tram);
        const e2e::RunLog run = Drive(60000);
        EXPECT_TRUE(run.reachedDepot) << run.Describe();
        trace.SaveFile();
        drives::ExpectGolden("line" + std::to_string(line), trace);
    }
};

TEST_F(Lines, LineOneWithTramThree) { DriveLine(1, 3); }
TEST_F(Lines, LineTwoWithTramFour) { DriveLine(2, 4); }

}  // namespace
