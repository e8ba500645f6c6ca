#pragma once
// Access to the headset vendor's two driver DLLs, VFXDrive.dll and VFXDraw.dll, loaded by
// name at run time. Nothing else in the program touches them.
#include <cstdint>

enum TrackerResult : int {
    TrackerOk = 0,
    DriveLoadFailed = 1,
    DrawLoadFailed = 2,
    LibraryNotLoaded = 3,
    DriveEntryMissing = 4,
    DrawEntryMissing = 5,
    TrackingFailed = 6,   // VFXGetTracking returned a status other than 1, 2 or 3
    TrackingNotReady = 7, // VFXGetTracking returned 2 or 3
};

// The seven low-level operations.
TrackerResult LoadDriveLibrary();
TrackerResult SetVideoMode(int32_t mode);
TrackerResult LoadDrawLibrary();
TrackerResult LockOutMode(int32_t mode);
TrackerResult ReadTracking();
TrackerResult CloseDriveLibrary();
TrackerResult CloseDrawLibrary();

// What the rest of the program uses.
bool OpenTracker();
bool ReadSample(int32_t& x, int32_t& y, int32_t& z); // writes x, y, z also when it fails
void CloseTracker();
