// Activate, the ticks and Stop with drivers that misbehave: none may crash Nodlink, hang its
// window or leave objects behind.
#include "NodlinkFixture.h"

#include "Application.h"
#include "PointerStep.h"

namespace {
struct Hostile {
    const char* name;
    bool alternateExtremes;
    int32_t trackingStatus;
    uint32_t openDelayMs, readDelayMs;
    MappingParameterSet parameters;
};

const Hostile Hostiles[] = {
    {"extremes, relative", true, 1, 0, 0, {false, true, false, -1, 1, 0, 0}},
    {"extremes, absolute", true, 1, 0, 0, {true, false, true, 0, -7, 9, -9}},
    {"failing reads", false, 0, 0, 0, {true, true, true, 1, 1, 0, 0}},
    {"50 ms reads", false, 1, 0, 50, {false, false, false, 10, 10, 0, 0}},
    {"2 s open", false, 1, 2000, 0, {false, false, false, 10, 10, 0, 0}},
};

// GDI objects and windows, counted by hand: Wine's GetGuiResources is a stub that answers 0.
// A GDI handle is found by its table index alone; windows are the USER objects a form makes.
BOOL CALLBACK CountWindow(HWND, LPARAM count)
{
    return ++*reinterpret_cast<unsigned*>(count), TRUE;
}

std::pair<unsigned, unsigned> GuiObjects()
{
    unsigned gdiObjects = 0, windows = 0;
    for (UINT_PTR index = 0; index <= 0xFFFF; ++index)
        gdiObjects += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0;
    EnumChildWindows(Nodlink->Handle(), CountWindow, reinterpret_cast<LPARAM>(&windows));
    return {gdiObjects, windows};
}

// What the status line showed, and whether it was painted, while VFXOpen ran.
std::string statusAtOpen;
bool paintedAtOpen = false;

using HostileDriver = NodlinkTest;
}

TEST_F(HostileDriver, NeitherCrashesNorHangsNorLeaks)
{
    for (const Hostile& hostile : Hostiles) {
        SCOPED_TRACE(hostile.name);
        Restart();
        TNodlink& form = Form();
        Application->ProcessMessages();
        const std::pair<unsigned, unsigned> objects = GuiObjects();
        Doubles().alternateExtremes = hostile.alternateExtremes;
        Doubles().trackingStatus = hostile.trackingStatus;
        Doubles().openDelayMs = hostile.openDelayMs;
        Doubles().readDelayMs = hostile.readDelayMs;
        Doubles().onCall = [](const char* entry) {
            if (std::string(entry) == "VFXOpen")
                statusAtOpen = Nodlink->Status.Caption(),
                paintedAtOpen = !GetUpdateRect(Nodlink->Status.Handle(), nullptr, FALSE) &&
                                !GetUpdateRect(Nodlink->Handle(), nullptr, FALSE);
        };
        form.RunClick();
        EXPECT_EQ(std::tuple(statusAtOpen, paintedAtOpen), std::tuple("Starting VFX3D...", true))
            << "the status line must show the text while the tracker opens";
        EXPECT_EQ(form.Status.Caption(), "VFX3D init OK.");
        EXPECT_FALSE(form.Profiles.Enabled() || form.Parameters.Enabled());
        MappingParameters = hostile.parameters;
        EXPECT_TRUE(PumpUntil([] { return Doubles().callCount >= 23; })) << "twenty ticks";
        EXPECT_TRUE(form.Status.Caption().starts_with("Running        x = ")) << form.Status.Caption();
        InvalidateRect(form.Handle(), nullptr, TRUE);
        EXPECT_TRUE(PumpUntil([&] { return !GetUpdateRect(form.Handle(), nullptr, FALSE); })) << "no repaint";
        PostMessageA(form.Stop.Handle(), BM_CLICK, 0, 0);
        EXPECT_TRUE(PumpUntil([&] { return form.Status.Caption() == "Stopped."; })) << "Stop unanswered";
        EXPECT_TRUE(form.Profiles.Enabled() && form.Parameters.Enabled() && !IsDriverLibraryLoaded("VFXDrive.dll"));
        Application->ProcessMessages();
        EXPECT_EQ(GuiObjects(), objects) << "GDI objects, windows";
    }
}
