// The other tram models, one short drive each: from the depot to the
// first stop, the doors, the crowd finding its doors and places, away
// again, back to the menu (which leaves the career on disk as it was) and
// on to the depot of the continued career.
#include "tests/drives/drive.h"

namespace {

class Trams : public drives::DriveFixture, public ::testing::WithParamInterface<int> {};

TEST_P(Trams, FirstStopThenTheMenuAndTheContinuedCareer) {
    const int tram = GetParam(), line = tram % 3;
    SavedCareer(/*level=*/2, /*trams=*/7, /*money=*/5000);
    StartGame(/*sampled=*/false);
    Click("labMenu3");
    StartRun(line, tram);
    long departedAt = -1, tick = 0;
    const e2e::RunLog run = Drive(20000, [&] {
        ++tick;
        if (departedAt < 0 && g_stopDeparted == 1) departedAt = tick;
        return departedAt >= 0 && tick > departedAt + 300;
    });
    ASSERT_EQ(run.stops.size(), 1u) << run.Describe();
    Click("BitBtn1");
    trace.SaveFile();
    ui().Advance(5000);
    Click("labMenu3");
    drives::ExpectGolden("tram" + std::to_string(tram), trace);
}

INSTANTIATE_TEST_SUITE_P(Models, Trams, ::testing::Values(5, 6, 7));

}  // namespace
