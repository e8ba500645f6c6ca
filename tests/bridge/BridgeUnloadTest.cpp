// The opentrack bridge's VFXDrive.dll freed without VFXClose, as when a process lets it go
// while tracking: nothing may hang or crash, and the next load must get the port.
#include "BuildTree.h"
#include "ModalAnswerer.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {
using Call = int32_t(__cdecl*)();

Call Entry(HMODULE library, const char* name)
{
    return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}
}

TEST(BridgeUnload, AFreeWithoutCloseLeavesThePortToTheNextLoad)
{
    TemporaryFolder folder;
    const std::string bridge = folder.Path() + "VFXDrive.dll";
    ASSERT_TRUE(folder.CopyIn(BuildTreeFolder("program\\bridge"), "VFXDrive.dll"));
    folder.Write("VFXBridge.ini", "[Bridge]\r\nPort=47425\r\n");
    // The bridge tells of a port it cannot bind in a box: any box fails the test.
    const ModalAnswerer dialogs([](const std::string& problem) { ADD_FAILURE() << problem; });
    for (const bool closeFirst : {false, true}) {
        HMODULE library = LoadLibraryA(bridge.c_str());
        ASSERT_TRUE(library);
        EXPECT_EQ(Entry(library, "VFXOpen")(), 1) << "the port is free for the load after one without a close";
        if (closeFirst)
            Entry(library, "VFXClose")();
        FreeLibrary(library);
    }
    EXPECT_EQ(GetModuleHandleA(bridge.c_str()), nullptr) << "a close lets the bridge unload";
}
