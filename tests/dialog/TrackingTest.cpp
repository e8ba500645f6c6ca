// Tracking control: Activate, the tick, Stop, Exit and the close box, with the driver doubles
// as the headset.
#include "NodlinkFixture.h"

#include "Application.h"

#include <algorithm>

namespace {
bool Running(TNodlink& form)
{
    return form.Timer1.Enabled() && !form.Profiles.Enabled() && !form.Parameters.Enabled();
}

bool Stopped(TNodlink& form)
{
    return !form.Timer1.Enabled() && form.Profiles.Enabled() && form.Parameters.Enabled();
}

long VFXCloseCalls()
{
    const std::vector<std::string> calls = CallNames();
    return std::count(calls.begin(), calls.end(), "VFXClose");
}

using Tracking = NodlinkTest;
}

// Whatever a failed Activate loaded stays until Stop: Exit leaves it, Stop releases it.
TEST_F(Tracking, AFailedActivateOnlyChangesTheText)
{
    for (const bool exitFirst : {false, true}) {
        Restart();
        UseDriverScenario("drive-only");
        TNodlink& form = Form();
        form.RunClick();
        EXPECT_EQ(form.Status.Caption(), "Error initializing VFX3D.");
        EXPECT_TRUE(Stopped(form));
        if (exitFirst) {
            form.ExitClick();
            EXPECT_TRUE(VFXCloseCalls() == 0 && IsDriverLibraryLoaded("VFXDrive.dll"));
        } else {
            form.StopClick();
            EXPECT_EQ(form.Status.Caption(), "Stopped.");
            EXPECT_TRUE(VFXCloseCalls() == 1 && !IsDriverLibraryLoaded("VFXDrive.dll"));
        }
    }
}

TEST_F(Tracking, AFailedActivateWhileRunningKeepsTracking)
{
    TNodlink& form = Form();
    form.RunClick();
    // VFXDraw.dll goes away; VFXDrive.dll stays loaded, so the ticks can still read.
    while (HMODULE draw = GetModuleHandleA("VFXDraw.dll"))
        FreeLibrary(draw);
    SetDllDirectoryA(DriverScenarioFolder("drive-only").c_str());
    form.RunClick();
    EXPECT_EQ(form.Status.Caption(), "Error initializing VFX3D.");
    EXPECT_TRUE(Running(form));
    form.Timer1Timer();
    EXPECT_EQ(form.Status.Caption(), "Running        x = 65535  y = 65535");
    Doubles().sample[0] = 1, Doubles().sample[1] = 2;
    form.Timer1Timer();
    EXPECT_EQ(form.Status.Caption(), "Running        x = 65534  y = 65533") << "a text of the same length";
}

// With an unsaved edit while tracking runs, by Exit and by the close box.
TEST_F(Tracking, LeavingClosesTheTrackerBeforeAskingToSave)
{
    for (const bool closeBox : {false, true}) {
        Restart();
        TNodlink& form = Form();
        form.RunClick();
        form.XSens.SetText("5");
        dialogs.Press("Cancel");
        long closesAtPrompt = -1;
        dialogs.OnShown = [&](HWND) { closesAtPrompt = form.Timer1.Enabled() ? -2 : VFXCloseCalls(); };
        if (closeBox)
            SendMessageA(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            form.ExitClick();
        EXPECT_EQ(dialogs.Seen().back().Message(), "The current profile has been modified.Save changes?");
        EXPECT_EQ(closesAtPrompt, 1) << "the timer off and the tracker closed first";
        EXPECT_TRUE(Application->Terminated() && !IsDriverLibraryLoaded("VFXDrive.dll"));
    }
}
