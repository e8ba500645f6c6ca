#include "SampleForm.h"

#include <memory>

using FormsTimer = FormsTest;

namespace {
constexpr char WaitingCaption[] = "Waiting for the timer";

// Closes a message box that no tick closed, so a broken timer fails the test instead of hanging it.
void CALLBACK CloseForgottenBox(HWND, UINT, UINT_PTR, DWORD)
{
    if (HWND box = FindWindowA("#32770", WaitingCaption))
        PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
}
}

TEST_F(FormsTimer, IsOffAtFirstFiresWhenEnabledAndStopsWhenDisabledOrDestroyed)
{
    SampleForm form;
    int ticks = 0;
    auto timer = std::make_unique<TTimer>(form, 3);
    timer->OnTimer = [&] { ++ticks; };
    PumpUntil([] { return false; }, 50);
    EXPECT_EQ(ticks, 0);

    timer->SetEnabled(true);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    timer->SetEnabled(false);
    const int ticksWhenStopped = ticks;
    PumpUntil([] { return false; }, 50);
    EXPECT_EQ(ticks, ticksWhenStopped);

    timer->SetEnabled(true);
    timer.reset();
    PumpUntil([] { return false; }, 50);
    EXPECT_EQ(ticks, ticksWhenStopped);
}

TEST_F(FormsTimer, FiresInsideAMessageBoxModalLoop)
{
    SampleForm form;
    form.Show();
    int ticks = 0;
    form.timer.OnTimer = [&] {
        if (++ticks == 3)
            PostMessageA(FindWindowA("#32770", WaitingCaption), WM_COMMAND, IDOK, 0);
    };
    form.timer.SetEnabled(true);
    const UINT_PTR watchdog = SetTimer(nullptr, 0, 10000, CloseForgottenBox);
    const int answer = Application->MessageBox("The timer closes this box.", WaitingCaption, MB_OKCANCEL);
    KillTimer(nullptr, watchdog);
    EXPECT_EQ(answer, IDOK);
    EXPECT_GE(ticks, 3);
}
