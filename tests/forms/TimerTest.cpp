// The timer's contract where it is kept: one tick at a time, from the application's loop and
// from a modal loop that is not ours, and none once the timer has stopped or gone.
#include "Application.h"
#include "Form.h"
#include "Timer.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
class Timer : public testing::Test {
protected:
    Timer() { timer->OnTimer = [this] { ++ticks; }; }

    // As a message box's loop does: everything waiting goes to its window procedure.
    static void ForeignLoop()
    {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }

    TForm form{"Timer", 100, 100};
    std::unique_ptr<TTimer> timer = std::make_unique<TTimer>(form, 3);
    int ticks = 0;
};
}

TEST_F(Timer, ATickThatFellDueWhileTheThreadWasBusyComesOnce)
{
    timer->SetEnabled(true);
    Sleep(50);
    Application->HandleMessages(0);
    EXPECT_EQ(ticks, 1) << "from the application's loop";
    Sleep(50);
    ForeignLoop();
    EXPECT_EQ(ticks, 2) << "from a modal loop";
}

TEST_F(Timer, NoTickComesAfterItStopsOrGoesNotEvenOneOnItsWay)
{
    for (const bool destroy : {false, true}) {
        timer->SetEnabled(true);
        Sleep(20);
        MSG onItsWay{};
        EXPECT_TRUE(PeekMessageA(&onItsWay, form.Handle(), WM_TIMER, WM_TIMER, PM_REMOVE));
        destroy ? timer.reset() : timer->SetEnabled(false);
        DispatchMessageA(&onItsWay);
        Application->HandleMessages(0);
        ForeignLoop();
        EXPECT_EQ(ticks, 0) << destroy;
    }
}

// Else a driver slower than the interval would leave Stop unclickable.
TEST_F(Timer, ASlowTickLetsTheWaitingMessagesGoFirst)
{
    timer->OnTimer = [this] { ++ticks, Sleep(10); };
    timer->SetEnabled(true);
    Sleep(5); // the tick is due before the message comes
    PostMessageA(form.Handle(), WM_APP, 0, 0);
    Application->HandleMessages(INFINITE);
    Application->HandleMessages(INFINITE);
    MSG waiting;
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(PeekMessageA(&waiting, form.Handle(), WM_APP, WM_APP, PM_NOREMOVE));
}
