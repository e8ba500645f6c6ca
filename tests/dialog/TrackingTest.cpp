// The dialog at work: Activate, the tick, Stop, Exit and the close box, with the driver doubles
// as the headset and the events the ticks send kept here; and a handler that fails.
#include "NodlinkFixture.h"

#include "Application.h"
#include "GuiObjects.h"
#include "PointerStep.h"

#include <stdexcept>

namespace {
// Type, flags, dx, dy and the fields the system fills in itself.
using Event = std::tuple<DWORD, DWORD, LONG, LONG, DWORD, DWORD, ULONG_PTR>;
std::vector<Event> sent;

UINT WINAPI KeepEvent(UINT count, LPINPUT inputs, int size)
{
    EXPECT_EQ(std::tuple(count, size), std::tuple(1u, static_cast<int>(sizeof(INPUT))));
    const MOUSEINPUT& mouse = inputs->mi;
    sent.emplace_back(inputs->type, mouse.dwFlags, mouse.dx, mouse.dy, mouse.mouseData, mouse.time, mouse.dwExtraInfo);
    return count;
}

class Tracking : public NodlinkTest {
protected:
    Tracking() { SendPointerInput = KeepEvent; }
    ~Tracking() override { SendPointerInput = SendInput, sent.clear(); }

    std::string TickAt(int32_t x, int32_t y)
    {
        Script().sample[0] = x, Script().sample[1] = y;
        form->Timer1Timer();
        return form->Status.Caption();
    }
};
}

// Each tick sends one event; a head moved while stopped does not leap on the first tick.
TEST_F(Tracking, TicksMoveThePointerAndActivateTakesAFreshBaseline)
{
    folder.Write("absolute.vfx", ProfileWith({true, true, "1", "1", true, "0", "0"}));
    folder.Write("relative.vfx", TemplateProfile);
    TNodlink& form = Form();
    EXPECT_EQ(form.Timer1.Interval(), 3u) << "ms";
    form.RunClick();
    EXPECT_FALSE(form.Profiles.Enabled() || form.Parameters.Enabled()) << "no profile changes while tracking";
    EXPECT_EQ(GetThreadPriority(GetCurrentThread()), THREAD_PRIORITY_HIGHEST) << "ahead of a game on every core";
    EXPECT_EQ(TickAt(0, 0), "Running        x = 65535  y = 65535");
    EXPECT_EQ(sent.back(), Event(INPUT_MOUSE, MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, 65535, 65535, 0, 0, 0));
    form.StopClick();
    EXPECT_EQ(GetThreadPriority(GetCurrentThread()), THREAD_PRIORITY_NORMAL);
    ASSERT_TRUE(SelectAndLoad("relative.vfx"));
    form.RunClick();
    EXPECT_EQ(TickAt(1000, 2000), "Running        x = 0  y = 0");
    EXPECT_EQ(TickAt(975, 2025), "Running        x = 2  y = -2");
    EXPECT_EQ(sent.back(), Event(INPUT_MOUSE, MOUSEEVENTF_MOVE, 2, -2, 0, 0, 0));
    // Drawn at most once a display frame, the latest numbers still reach the window.
    Sleep(20), TickAt(975, 2025), TickAt(965, 2035), Sleep(20), TickAt(955, 2045); // the second waits
    EXPECT_EQ(WindowText(form.Status.Handle()), "Running        x = 1  y = -1");
    for (const bool stopFirst : {true, false}) {
        if (stopFirst)
            form.StopClick();
        form.RunClick();
        EXPECT_EQ(TickAt(Script().sample[0] + 2000, 2025), "Running        x = 0  y = 0") << stopFirst;
    }
    // Many ticks with changing status texts, and no window or GDI object more for them.
    const GuiObjects before = CountGuiObjects();
    for (int tick = 0; tick < 500; ++tick)
        TickAt(tick * 10 % 90, 0);
    EXPECT_EQ(CountGuiObjects(), before);
    EXPECT_EQ(sent.size(), 508u) << "one event a tick";
}

// Whatever a failed Activate loaded stays until Stop, which releases it.
TEST_F(Tracking, AFailedActivateOnlyChangesTheText)
{
    UseDriverScenario("drive-only");
    TNodlink& form = Form();
    form.RunClick();
    EXPECT_EQ(form.Status.Caption(), "Error initializing VFX3D.");
    EXPECT_TRUE(!form.Timer1.Enabled() && form.Profiles.Enabled() && form.Parameters.Enabled());
    EXPECT_EQ(GetThreadPriority(GetCurrentThread()), THREAD_PRIORITY_NORMAL);
    form.StopClick();
    EXPECT_EQ(form.Status.Caption(), "Stopped.");
    EXPECT_EQ(std::string(Script().calls), "VFXOpen VFXSetVideoMode(0) VFXClose ");
    EXPECT_FALSE(GetModuleHandleA("VFXDrive.dll"));
}

// With an unsaved edit while tracking runs, the close box leaves as Exit does: it closes the
// tracker, then offers to save.
TEST_F(Tracking, TheCloseBoxClosesTheTrackerThenOffersToSave)
{
    TNodlink& form = Form();
    form.RunClick();
    form.XSens.SetText("5");
    dialogs.Press("Cancel");
    std::string atPrompt;
    dialogs.OnShown = [&](HWND) { atPrompt = std::string(Script().calls) + (form.Timer1.Enabled() ? "ticking" : ""); };
    SendMessageA(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ExpectBox("The current profile has been modified.Save changes?", {"OK", "Cancel"}, "OK");
    EXPECT_EQ(atPrompt, "VFXOpen VFXSetVideoMode(0) VFXLockOutMode(0) VFXClose ") << "closed first";
    EXPECT_TRUE(Application->Terminated() && !GetModuleHandleA("VFXDrive.dll"));
    EXPECT_EQ(GetThreadPriority(GetCurrentThread()), THREAD_PRIORITY_NORMAL);
}

TEST_F(Tracking, AnExceptionInAHandlerIsShownNotACrash)
{
    TNodlink& form = Form();
    form.Add.OnClick = [] { throw std::runtime_error("Something went wrong."); };
    dialogs.Press("OK");
    bool clickable = true; // a box the window does not own leaves the window to clicks meanwhile
    dialogs.OnShown = [&](HWND) { clickable = IsWindowEnabled(form.Handle()) != FALSE; };
    SendMessageA(form.Add.Handle(), BM_CLICK, 0, 0);
    ExpectBox("Something went wrong.", {"OK"}, "OK");
    EXPECT_FALSE(clickable) << "the window waits for its box";
}
