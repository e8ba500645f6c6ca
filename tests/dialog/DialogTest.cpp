// Tracking control of the dialog: Activate, the tick, Stop, Exit and the close box, with the
// driver doubles as the headset.
#include "NodlinkFixture.h"

#include "Application.h"
#include "PointerStep.h"
#include "Profiles.h"

#include <windows.h>

namespace {
using Calls = std::vector<std::string>;

bool Running(TNodlink& form)
{
    return form.Timer1.Enabled() && !form.Profiles.Enabled() && !form.Parameters.Enabled();
}

bool Stopped(TNodlink& form)
{
    return !form.Timer1.Enabled() && form.Profiles.Enabled() && form.Parameters.Enabled();
}

size_t Count(const Calls& calls, const std::string& name)
{
    return static_cast<size_t>(std::count(calls.begin(), calls.end(), name));
}

// What the status line showed, and whether it had been painted, when VFXOpen was called.
std::string statusAtOpen;
bool statusPaintedAtOpen = false;

void LookAtStatusOnOpen(const char* entry)
{
    if (std::string(entry) != "VFXOpen" || !Nodlink)
        return;
    statusAtOpen = Nodlink->Status.Caption();
    statusPaintedAtOpen = !GetUpdateRect(Nodlink->Status.Handle(), nullptr, FALSE) &&
                          !GetUpdateRect(Nodlink->Handle(), nullptr, FALSE);
}

class Tracking : public NodlinkTest {};
}

TEST_F(Tracking, StatusFollowsEveryTransition)
{
    TNodlink& form = Form();
    EXPECT_EQ(form.Status.Caption(), "Stopped");
    EXPECT_TRUE(Stopped(form));

    Doubles().onCall = LookAtStatusOnOpen;
    form.RunClick();
    EXPECT_EQ(statusAtOpen, "Starting VFX3D...");
    EXPECT_TRUE(statusPaintedAtOpen) << "the status line must show the text before the tracker opens";
    EXPECT_EQ(form.Status.Caption(), "VFX3D init OK.");
    EXPECT_TRUE(Running(form));
    EXPECT_TRUE(form.Run.Enabled() && form.Stop.Enabled() && form.Exit.Enabled());

    // No profile loaded: absolute mode with both axes inverted and sensitivity 1.
    Doubles().sample[0] = 100;
    Doubles().sample[1] = 200;
    form.Timer1Timer();
    EXPECT_EQ(form.Status.Caption(), "Running        x = 65435  y = 65335");

    form.StopClick();
    EXPECT_EQ(form.Status.Caption(), "Stopped.");
    EXPECT_TRUE(Stopped(form));
}

TEST_F(Tracking, TheTickShowsNegativeRelativeMoves)
{
    TNodlink& form = Form();
    form.RunClick();
    MappingParameters = {false, false, false, 10, 10, 0, 0};
    FirstSample = false;
    LastSample = {1000, 1000};
    Doubles().sample[0] = 1250;
    Doubles().sample[1] = 750;
    form.Timer1Timer();
    EXPECT_EQ(form.Status.Caption(), "Running        x = -25  y = 25");
}

TEST_F(Tracking, TheTimerTicksWhileRunning)
{
    TNodlink& form = Form();
    form.RunClick();
    const DWORD start = GetTickCount();
    while (form.Status.Caption().rfind("Running", 0) != 0 && GetTickCount() - start < 10000) {
        Application->ProcessMessages();
        Sleep(1);
    }
    EXPECT_EQ(form.Status.Caption().rfind("Running        x = ", 0), 0u) << form.Status.Caption();
}

TEST_F(Tracking, AFailedActivateFromStoppedOnlyChangesTheText)
{
    UseDriverScenario("none");
    TNodlink& form = Form();
    form.RunClick();
    EXPECT_EQ(form.Status.Caption(), "Error initializing VFX3D.");
    EXPECT_TRUE(Stopped(form));
    EXPECT_TRUE(CallNames().empty());
}

TEST_F(Tracking, AFailedActivateWhileRunningKeepsTracking)
{
    TNodlink& form = Form();
    form.RunClick();
    ASSERT_TRUE(Running(form));

    // VFXDraw.dll goes away; VFXDrive.dll stays loaded, so the ticks can still read.
    while (HMODULE draw = GetModuleHandleA("VFXDraw.dll"))
        FreeLibrary(draw);
    SetDllDirectoryA(DriverScenarioFolder("drive-only").c_str());
    form.RunClick();
    EXPECT_EQ(form.Status.Caption(), "Error initializing VFX3D.");
    EXPECT_TRUE(Running(form));

    form.Timer1Timer();
    EXPECT_EQ(form.Status.Caption().rfind("Running        x = ", 0), 0u) << form.Status.Caption();
}

TEST_F(Tracking, StopReleasesWhatAFailedActivateLoaded)
{
    UseDriverScenario("drive-only");
    TNodlink& form = Form();
    form.RunClick();
    ASSERT_EQ(form.Status.Caption(), "Error initializing VFX3D.");
    ASSERT_TRUE(IsDriverLibraryLoaded("VFXDrive.dll"));

    form.StopClick();
    EXPECT_EQ(Count(CallNames(), "VFXClose"), 1u);
    EXPECT_FALSE(IsDriverLibraryLoaded("VFXDrive.dll"));
    EXPECT_EQ(form.Status.Caption(), "Stopped.");
}

TEST_F(Tracking, StopWithNothingLoadedCallsNoEntryPoint)
{
    TNodlink& form = Form();
    form.StopClick();
    EXPECT_TRUE(CallNames().empty());
    EXPECT_EQ(form.Status.Caption(), "Stopped.");
    EXPECT_TRUE(Stopped(form));
}

TEST_F(Tracking, ExitAfterAFailedActivateLeavesTheTrackerToStop)
{
    UseDriverScenario("drive-only");
    TNodlink& form = Form();
    form.RunClick();
    form.ExitClick();
    EXPECT_EQ(Count(CallNames(), "VFXClose"), 0u);
    EXPECT_TRUE(Application->Terminated());
}

namespace {
class Leaving : public NodlinkTest, public testing::WithParamInterface<bool> {
protected:
    // Leaves while tracking runs with an unsaved edit, by Exit or by the close box; records the
    // driver calls and the timer's state at the moment the save question comes up.
    void LeaveWhileRunningWithAnEdit()
    {
        TNodlink& form = Form();
        form.RunClick();
        form.XSens.SetText("5");
        ASSERT_TRUE(ProfileModified);

        ModalAnswerer answerer;
        answerer.Press(IDCANCEL);
        answerer.OnShown = [&] {
            callsAtPrompt = CallNames();
            timerAtPrompt = form.Timer1.Enabled();
        };
        if (GetParam())
            SendMessageA(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            form.ExitClick();
        ASSERT_EQ(answerer.Seen().size(), 1u);
        prompt = answerer.Seen()[0];
    }

    Calls callsAtPrompt;
    bool timerAtPrompt = true;
    SeenDialog prompt;
};
}

TEST_P(Leaving, ClosesTheTrackerBeforeAskingToSave)
{
    LeaveWhileRunningWithAnEdit();
    EXPECT_EQ(Count(callsAtPrompt, "VFXClose"), 1u);
    EXPECT_FALSE(timerAtPrompt);
    EXPECT_EQ(prompt.text, "The current profile has been modified.Save changes?");
    EXPECT_EQ(prompt.caption, "Nodlink");
    EXPECT_EQ(prompt.ButtonIds(), (std::vector<int>{IDOK, IDCANCEL}));
    EXPECT_EQ(prompt.defaultButton, IDOK);
    EXPECT_FALSE(prompt.hasIcon);
    EXPECT_TRUE(Application->Terminated());
    EXPECT_FALSE(IsDriverLibraryLoaded("VFXDrive.dll"));
}

INSTANTIATE_TEST_SUITE_P(ByExitAndByCloseBox, Leaving, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "CloseBox" : "Exit"; });
