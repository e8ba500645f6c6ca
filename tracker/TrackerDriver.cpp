#include "TrackerDriver.h"

#include <windows.h>

namespace {
// The vendor's entry points use the C calling convention. Only VFXGetTracking's result is
// used; the others' result types are ours, and the bound-only ones are never called.
using NoArgumentEntry = int32_t(__cdecl*)();
using ModeEntry = int32_t(__cdecl*)(int32_t mode);
using TrackingEntry = int32_t(__cdecl*)(int32_t* x, int32_t* y, int32_t* z);
using BoundOnlyEntry = int32_t(__cdecl*)();

struct DriveEntryPoints {
    NoArgumentEntry open = nullptr;
    NoArgumentEntry close = nullptr;
    BoundOnlyEntry zeroSet = nullptr;
    ModeEntry setVideoMode = nullptr;
    TrackingEntry getTracking = nullptr;
};

struct DrawEntryPoints {
    ModeEntry lockOutMode = nullptr;
    BoundOnlyEntry setConfigBits = nullptr;
    BoundOnlyEntry getConfigBits = nullptr;
    BoundOnlyEntry setIPDPercent = nullptr;
};

// The handles are counted loads, not owned resources: a second open stores its load over the
// first without releasing it, and only a close releases one. A scoped owner would break that
// count, so the open and close operations manage them by hand.
HMODULE driveLibrary = nullptr;
DriveEntryPoints drive;
HMODULE drawLibrary = nullptr;
DrawEntryPoints draw;

// The driver writes straight into these; their addresses are the same on every read.
int32_t TrackerSample[3] = {};

// Binds `entry` afresh: a name the library lacks leaves it unbound, whatever it held before.
template <typename Entry>
void Bind(Entry& entry, HMODULE library, const char* name)
{
    entry = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

bool AllDriveEntriesBound()
{
    return drive.getTracking && drive.open && drive.close && drive.zeroSet && drive.setVideoMode;
}

bool AllDrawEntriesBound()
{
    return draw.lockOutMode && draw.setConfigBits && draw.getConfigBits && draw.setIPDPercent;
}
}

TrackerResult LoadDriveLibrary()
{
    driveLibrary = LoadLibraryA("VFXDrive.dll");
    if (!driveLibrary)
        return DriveLoadFailed;
    Bind(drive.open, driveLibrary, "VFXOpen");
    Bind(drive.close, driveLibrary, "VFXClose");
    Bind(drive.zeroSet, driveLibrary, "VFXZeroSet");
    Bind(drive.setVideoMode, driveLibrary, "VFXSetVideoMode");
    Bind(drive.getTracking, driveLibrary, "VFXGetTracking");
    if (!AllDriveEntriesBound())
        return DriveEntryMissing;
    drive.open();
    return TrackerOk;
}

TrackerResult SetVideoMode(int32_t mode)
{
    if (!drive.setVideoMode)
        return DriveEntryMissing;
    drive.setVideoMode(mode);
    return TrackerOk;
}

TrackerResult LoadDrawLibrary()
{
    drawLibrary = LoadLibraryA("VFXDraw.dll");
    if (!drawLibrary)
        return DrawLoadFailed;
    Bind(draw.lockOutMode, drawLibrary, "VFXLockOutMode");
    Bind(draw.setConfigBits, drawLibrary, "VFXSetConfigBits");
    Bind(draw.getConfigBits, drawLibrary, "VFXGetConfigBits");
    Bind(draw.setIPDPercent, drawLibrary, "VFXSetIPDPercent");
    return AllDrawEntriesBound() ? TrackerOk : DrawEntryMissing;
}

TrackerResult LockOutMode(int32_t mode)
{
    if (!draw.lockOutMode)
        return DrawEntryMissing;
    draw.lockOutMode(mode);
    return TrackerOk;
}

TrackerResult ReadTracking()
{
    if (!drive.getTracking)
        return DriveEntryMissing;
    switch (drive.getTracking(&TrackerSample[0], &TrackerSample[1], &TrackerSample[2])) {
    case 1:
        return TrackerOk;
    case 2:
    case 3:
        return TrackingNotReady;
    default:
        return TrackingFailed;
    }
}

TrackerResult CloseDriveLibrary()
{
    if (!driveLibrary)
        return LibraryNotLoaded;
    if (drive.close)
        drive.close();
    FreeLibrary(driveLibrary);
    driveLibrary = nullptr;
    return TrackerOk;
}

TrackerResult CloseDrawLibrary()
{
    if (!drawLibrary)
        return LibraryNotLoaded;
    FreeLibrary(drawLibrary);
    drawLibrary = nullptr;
    return TrackerOk;
}

bool OpenTracker()
{
    return LoadDriveLibrary() == TrackerOk && SetVideoMode(0) == TrackerOk && LoadDrawLibrary() == TrackerOk &&
           LockOutMode(0) == TrackerOk;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): x, y and z as the driver delivers them
bool ReadSample(int32_t& x, int32_t& y, int32_t& z)
{
    const bool delivered = ReadTracking() == TrackerOk;
    x = TrackerSample[0];
    y = TrackerSample[1];
    z = TrackerSample[2];
    return delivered;
}

void CloseTracker()
{
    CloseDriveLibrary();
    CloseDrawLibrary();
}
