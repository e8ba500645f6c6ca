// Drivers that misbehave: none may crash Nodlink, hang its window or leave objects behind.
#include "NodlinkFixture.h"

#include "Application.h"
#include "GuiObjects.h"
#include "PointerStep.h"

namespace {
struct Hostile {
    const char* name;
    void (*script)(DriverDoubleControl& driver);
    MappingParameterSet parameters;
};

const Hostile Hostiles[] = {
    {"extremes, relative", [](DriverDoubleControl& d) { d.alternateExtremes = true; }, {false, true, false, -1, 1, 0, 0}},
    {"extremes, absolute", [](DriverDoubleControl& d) { d.alternateExtremes = true; }, {true, false, true, 0, -7, 9, -9}},
    {"50 ms reads", [](DriverDoubleControl& d) { d.readDelayMs = 50; }, {false, false, false, 10, 10, 0, 0}},
    {"failing reads", [](DriverDoubleControl& d) { d.trackingStatus = 0; }, {true, true, true, 1, 1, 0, 0}},
    {"2 s open", [](DriverDoubleControl& d) { d.openDelayMs = 2000; }, {false, false, false, 10, 10, 0, 0}},
};

int Reads()
{
    int reads = 0;
    for (const std::string& call : CallNames())
        reads += call == "VFXGetTracking";
    return reads;
}

// Dispatches messages one by one, as the program's loop does, until DONE or a bounded number
// of rounds. A tick slower than the timer leaves a WM_TIMER always waiting.
template <class Done>
bool PumpUntil(Done done)
{
    MSG message;
    for (int round = 0; round < 5000 && !done(); ++round) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        else
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    return done();
}

// What the status line showed, and whether it was painted, while VFXOpen ran.
std::string statusAtOpen;
bool paintedAtOpen = false;

void LookAtTheWindowInVFXOpen(const char* entry)
{
    if (std::string(entry) != "VFXOpen")
        return;
    statusAtOpen = Nodlink->Status.Caption();
    paintedAtOpen = !GetUpdateRect(Nodlink->Status.Handle(), nullptr, FALSE) &&
                    !GetUpdateRect(Nodlink->Handle(), nullptr, FALSE);
}

using HostileDriver = NodlinkTest;
}

TEST_F(HostileDriver, NeitherCrashesNorHangsNorLeaks)
{
    for (const Hostile& hostile : Hostiles) {
        SCOPED_TRACE(hostile.name);
        Restart();
        TNodlink& form = Form();
        form.Show();
        Application->ProcessMessages();
        const GuiObjectCounts before = CountGuiObjects();
        hostile.script(Doubles());
        Doubles().onCall = LookAtTheWindowInVFXOpen;
        form.RunClick();
        EXPECT_EQ(statusAtOpen, "Starting VFX3D...");
        EXPECT_TRUE(paintedAtOpen) << "the status line must show the text while the tracker opens";
        MappingParameters = hostile.parameters;

        EXPECT_TRUE(PumpUntil([] { return Reads() >= 20; })) << "the timer stopped ticking";
        EXPECT_TRUE(form.Status.Caption().starts_with("Running        x = ")) << form.Status.Caption();
        InvalidateRect(form.Handle(), nullptr, TRUE);
        EXPECT_TRUE(PumpUntil([&] { return !GetUpdateRect(form.Handle(), nullptr, FALSE); })) << "no repaint";
        PostMessageA(form.Stop.Handle(), BM_CLICK, 0, 0);
        EXPECT_TRUE(PumpUntil([&] { return form.Status.Caption() == "Stopped."; })) << "Stop unanswered";

        Application->ProcessMessages();
        const GuiObjectCounts after = CountGuiObjects();
        EXPECT_EQ(after.gdiObjects, before.gdiObjects);
        EXPECT_EQ(after.userObjects, before.userObjects);
    }
}
