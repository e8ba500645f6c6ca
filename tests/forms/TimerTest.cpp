// The timer's contract where it is kept: one tick at a time, from the application's loop and
// from a modal loop that is not ours, and none once the timer has stopped or gone.
#include "Application.h"
#include "Form.h"
#include "Timer.h"

#include <gtest/gtest.h>

#include <memory>

TEST(Timer, TicksComeOneAtATimeAndNoneOnceItStopsOrGoesNotEvenOneOnItsWay)
{
    TForm form("Timer", 100, 100);
    auto timer = std::make_unique<TTimer>(form, 3);
    int ticks = 0, tickMs = 0;
    MSG message{};
    const auto foreignLoop = [&message] { // as a message box's: everything waiting goes to its window
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    };
    timer->OnTimer = [&] { ++ticks, Sleep(static_cast<DWORD>(tickMs)); };
    timer->SetEnabled(true);
    Sleep(50), Application->HandleMessages(0);
    EXPECT_EQ(ticks, 1) << "a busy thread's one tick, from the application's loop";
    Sleep(50), foreignLoop();
    EXPECT_EQ(ticks, 2) << "from a modal loop";
    // A tick slower than the interval lets waiting messages go first, or a slow driver would
    // leave Stop unclickable.
    tickMs = 10, Sleep(5);
    PostMessageA(form.Handle(), WM_APP, 0, 0);
    Application->HandleMessages(INFINITE);
    Application->HandleMessages(INFINITE);
    EXPECT_FALSE(PeekMessageA(&message, form.Handle(), WM_APP, WM_APP, PM_NOREMOVE)) << ticks << " ticks first";
    for (const bool destroy : {false, true}) {
        timer->SetEnabled(true), Sleep(20);
        EXPECT_TRUE(PeekMessageA(&message, form.Handle(), WM_TIMER, WM_TIMER, PM_REMOVE)) << "a tick on its way";
        destroy ? timer.reset() : timer->SetEnabled(false);
        DispatchMessageA(&message);
        Application->HandleMessages(0);
        foreignLoop();
        EXPECT_EQ(ticks, 3) << destroy;
    }
}
