// The timer rules the game relies on, driven by the headless clock.
#include <gtest/gtest.h>

#include "platform/headless.h"
#include "platform/vcl.h"

namespace {

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application->CreateForm(form);
        a = AddTimer("tA", 100);
        b = AddTimer("tB", 100);
    }
    TTimer* AddTimer(const char* name, int interval) {
        auto* t = new TTimer(form, name);
        t->SetInterval(interval);
        t->OnTimer = [this, t](TObject*) {
            fired.push_back(t->Name + "@" + std::to_string(h.Now()));
            auto it = actions.find(t->Name);
            if (it != actions.end()) it->second();
        };
        return t;
    }
    Headless h;
    TForm* form = nullptr;
    TTimer* a = nullptr;
    TTimer* b = nullptr;
    std::vector<std::string> fired;
    std::map<std::string, std::function<void()>> actions;
};

using Log = std::vector<std::string>;

TEST_F(TimerTest, NothingFiresBeforeTheFormIsShownAndTheFirstIntervalCountsFromThen) {
    h.Advance(1000);
    EXPECT_TRUE(fired.empty());
    h.Show();
    h.Advance(250);
    // Same due time: creation order.
    EXPECT_EQ(fired, (Log{"tA@1100", "tB@1100", "tA@1200", "tB@1200"}));
}

TEST_F(TimerTest, ATimerEnabledInAHandlerWaitsAWholeIntervalAfterThatHandler) {
    b->SetEnabled(false);
    b->SetInterval(10);
    actions["tA"] = [this] { b->SetEnabled(true); };
    h.Show();
    h.Advance(125);
    EXPECT_EQ(fired, (Log{"tA@100", "tB@110", "tB@120"}));
}

TEST_F(TimerTest, DisablingCancelsAnEventThatIsAlreadyDue) {
    // tA and tB fall due together; tA's handler stops tB.
    actions["tA"] = [this] { b->SetEnabled(false); };
    h.Show();
    h.Advance(300);
    EXPECT_EQ(fired, (Log{"tA@100", "tA@200", "tA@300"}));
    EXPECT_EQ(b->FireCount(), 0);
}

TEST_F(TimerTest, EnablingARunningTimerKeepsItsCountdownButARestartStartsAfresh) {
    b->SetEnabled(false);
    h.Show();
    h.Advance(60);
    a->SetEnabled(true);  // already running: still due at 100
    h.Advance(50);
    EXPECT_EQ(fired, (Log{"tA@100"}));
    a->SetEnabled(false);
    a->SetEnabled(true);  // at 110: next at 210
    h.Advance(100);
    EXPECT_EQ(fired, (Log{"tA@100", "tA@210"}));
}

TEST_F(TimerTest, ANewIntervalCountsFromTheMomentItIsSet) {
    b->SetEnabled(false);
    // Like the traffic light: each event sets the length of the next phase.
    std::vector<int> phases{60, 150, 250};
    size_t phase = 0;
    actions["tA"] = [&] { a->SetInterval(phases[phase++ % phases.size()]); };
    h.Show();
    h.Advance(100 + 60 + 150 + 250);
    EXPECT_EQ(fired, (Log{"tA@100", "tA@160", "tA@310", "tA@560"}));
}

TEST_F(TimerTest, LateEventsAreNotMadeUp) {
    b->SetEnabled(false);
    h.Show();
    // The loop was busy for a second: one event, then the normal pace.
    Application->Scheduler().SetNow(1050);
    EXPECT_EQ(Application->Scheduler().FireDue(), 1);
    EXPECT_EQ(Application->Scheduler().FireDue(), 0);
    EXPECT_EQ(a->DueAt(), 1150);
    h.Advance(100);
    EXPECT_EQ(a->FireCount(), 2);
}

TEST_F(TimerTest, EarlierDueTimeFiresFirstWhateverTheCreationOrder) {
    b->SetInterval(30);
    h.Show();
    h.Advance(100);
    EXPECT_EQ(fired, (Log{"tB@30", "tB@60", "tB@90", "tA@100"}));
}

TEST_F(TimerTest, NoTimerFiresAfterTheFormIsClosed) {
    actions["tA"] = [this] { form->Close(); };
    h.Show();
    h.Advance(1000);
    EXPECT_EQ(fired, (Log{"tA@100"}));  // tB was due in the same pass
    EXPECT_EQ(Application->Scheduler().NextDue(), -1);
}

}  // namespace
