// Lines 1 and 2, each from a career at its level a few passengers short of
// its goals, to the terminus with another tram model: the workers' fares,
// the longer timetables, the lights and 45 sections of the later lines, the
// level done on line 1 and the finished game on line 2, the career saved
// at the end.
#include "tests/drives/drive.h"

namespace {

class Lines : public drives::DriveFixture {
protected:
    void DriveLine(int line, int tram, int poor, int workers) {
        SavedCareer(/*level=*/line, /*trams=*/7, /*money=*/5000, poor, workers);
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

TEST_F(Lines, LineOneWithTramThreeToTheLastLevel) { DriveLine(1, 3, 95, 25); }      // goals 100 and 30
TEST_F(Lines, LineTwoWithTramFourToTheFinishedGame) { DriveLine(2, 4, 290, 190); }  // goals 300 and 200

}  // namespace
