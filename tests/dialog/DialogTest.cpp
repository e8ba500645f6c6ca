// Tracking control of the dialog: Activate, the tick, Stop, Exit and the close box, with the
// driver doubles as the headset.
#include "NodlinkFixture.h"

#include "Application.h"
#include "PointerStep.h"
#include "Profiles.h"

#include <windows.h>

#include <algorithm>

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

long VFXCloseCalls(const Calls& calls)
{
    return std::count(calls.begin(), calls.end(), "VFXClose");
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

using Tracking = NodlinkTest;
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
    MappingParameters = {false, false, false, 10, 10, 0, 0};
    FirstSample = false;
    LastSample = {1000, 1000};
    Doubles().sample[0] = 1250;
    Doubles().sample[1] = 750;
    form.Timer1Timer();
    EXPECT_EQ(form.Status.Caption(), "Running        x = -25  y = 25");

    form.StopClick();
    EXPECT_EQ(form.Status.Caption(), "Stopped.");
    EXPECT_TRUE(Stopped(form));
}

TEST_F(Tracking, AFailedActivateFromStoppedOnlyChangesTheTextAndStopThenCallsNothing)
{
    UseDriverScenario("none");
    TNodlink& form = Form();
    form.RunClick();
    EXPECT_EQ(form.Status.Caption(), "Error initializing VFX3D.");
    EXPECT_TRUE(Stopped(form));
    form.StopClick();
    EXPECT_EQ(form.Status.Caption(), "Stopped.");
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
    EXPECT_EQ(VFXCloseCalls(CallNames()), 1);
    EXPECT_FALSE(IsDriverLibraryLoaded("VFXDrive.dll"));
    EXPECT_EQ(form.Status.Caption(), "Stopped.");
}

TEST_F(Tracking, ExitAfterAFailedActivateLeavesTheTrackerToStop)
{
    UseDriverScenario("drive-only");
    TNodlink& form = Form();
    form.RunClick();
    form.ExitClick();
    EXPECT_EQ(VFXCloseCalls(CallNames()), 0);
    EXPECT_TRUE(Application->Terminated());
}

namespace {
class Leaving : public NodlinkTest, public testing::WithParamInterface<bool> {};
}

// Leaves while tracking runs with an unsaved edit, by Exit or by the close box.
TEST_P(Leaving, ClosesTheTrackerBeforeAskingToSave)
{
    TNodlink& form = Form();
    form.RunClick();
    form.XSens.SetText("5");
    ASSERT_TRUE(ProfileModified);

    ModalAnswerer answerer;
    answerer.Press(IDCANCEL);
    Calls callsAtPrompt;
    bool timerAtPrompt = true;
    answerer.OnShown = [&] {
        callsAtPrompt = CallNames();
        timerAtPrompt = form.Timer1.Enabled();
    };
    if (GetParam())
        SendMessageA(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    else
        form.ExitClick();

    ASSERT_EQ(answerer.Seen().size(), 1u);
    ExpectSaveQuestion(answerer.Seen()[0]);
    EXPECT_EQ(VFXCloseCalls(callsAtPrompt), 1);
    EXPECT_FALSE(timerAtPrompt);
    EXPECT_TRUE(Application->Terminated());
    EXPECT_FALSE(IsDriverLibraryLoaded("VFXDrive.dll"));
}

INSTANTIATE_TEST_SUITE_P(ByExitAndByCloseBox, Leaving, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "CloseBox" : "Exit"; });
