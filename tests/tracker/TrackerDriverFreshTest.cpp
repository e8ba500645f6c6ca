// A process of its own: nothing has been loaded or bound before this test runs.
#include "TrackerDriver.h"

#include <gtest/gtest.h>

TEST(TrackerDriverBeforeAnyLoad, OperationsFindNothingBoundAndNothingLoaded)
{
    EXPECT_EQ(SetVideoMode(0), DriveEntryMissing);
    EXPECT_EQ(ReadTracking(), DriveEntryMissing);
    EXPECT_EQ(LockOutMode(0), DrawEntryMissing);
    EXPECT_EQ(CloseDriveLibrary(), LibraryNotLoaded);
    EXPECT_EQ(CloseDrawLibrary(), LibraryNotLoaded);
    CloseTracker();

    int32_t x = 99, y = 99, z = 99;
    EXPECT_FALSE(ReadSample(x, y, z));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(z, 0);
}
