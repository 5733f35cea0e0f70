#include "game/save.h"
#include "tests/support/run_fixture.h"

namespace {

class EndOfLineTest : public RunFixture {
protected:
    void SetUp() override {
        StartRun(1);
        g_sectionIndex = 5;  // line 0's terminus
        form().tMainTimer->SetEnabled(true);
        g_money = 12345;
        g_carriedTotal = 1234;
        g_carriedByClass[2] = 199;
        g_totalSeconds = 200;
        g_saveRecord.gameFinished = 1;  // set by the tick's goal check
        for (int c = 0; c < 8; ++c) g_soundChannels[c].handle = static_cast<float>(900 + c);
    }
    void TearDown() override { SetSaveWriteFault(SaveWriteFault::None); }

    SaveRecord FileRecord() const {
        SaveRecord rec{};
        EXPECT_EQ(ReadSaveRecordFile(kSaveFileName, rec), SaveReadResult::Loaded);
        return rec;
    }
};

TEST_F(EndOfLineTest, AFailedSaveKeepsTheCareerAndSaysSo) {
    SaveRecord old{};
    SetNewCareer(old);
    WriteSave(old);
    SetSaveWriteFault(SaveWriteFault::AfterTempWritten);
    CloseDoors();
    EXPECT_EQ(g_money, 12345) << "not the $300 of the old file";
    EXPECT_EQ(g_carriedTotal, 1234);
    EXPECT_EQ(g_saveRecord.moneyLo, 145);  // the next save writes this run's career
    EXPECT_NE(ReportsText().find("could not be saved"), std::string::npos);
    EXPECT_FALSE(form().tMainTimer->Enabled());
}

TEST_F(EndOfLineTest, AMissingDepotPreviewStillEndsTheRun) {
    HideAsset("Textures//Nahledy//Tramvaje//0.bmp");
    CloseDoors();
    EXPECT_NE(ReportsText().find("Cannot open file"), std::string::npos);
    EXPECT_FALSE(form().tMainTimer->Enabled());
    EXPECT_FALSE(form().btnSpeed0->Enabled);
    EXPECT_EQ(g_doorsOpen, 0);
    EXPECT_TRUE(form().panPrestavka->Visible);
}

}  // namespace
