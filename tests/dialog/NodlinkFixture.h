#pragma once
// TNodlink created for real in this process, running from a fresh temporary program directory,
// with the driver doubles as the headset and every modal dialog answered as the test scripts
// it (an unscripted one fails the test at once).
#include "DriverDoubles.h"
#include "ModalAnswerer.h"
#include "TemporaryFolder.h"
#include "Unit1.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class NodlinkTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    void Restart(); // the program as at its start, for the next row of a table

    TNodlink& Form(); // created on first use, which runs FormCreate
    bool SelectAndLoad(const std::string& name); // from code, which raises no click
    // Dispatches messages one by one, as the program's loop does, until DONE gives true or
    // ROUNDS messages or 50 ms waits have passed. A tick slower than the timer leaves a
    // WM_TIMER always waiting, so TApplication::ProcessMessages would never return.
    template <class Done>
    static bool PumpUntil(Done done, int rounds = 5000)
    {
        MSG message;
        for (; rounds > 0 && !done(); --rounds)
            if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&message);
            else
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        return done();
    }
    std::string PathOf(const std::string& name) const { return folder.Path() + name; }

    TemporaryFolder folder;
    ModalAnswerer dialogs;
    std::unique_ptr<TNodlink> form;
};

// The seven parameters as the controls or the mapping hold them, in the file's key order.
struct Shown {
    bool invertX, invertY;
    std::string xSens, ySens;
    bool absMode;
    std::string baseX, baseY;
    bool operator==(const Shown&) const = default;
};
Shown ShownBy(const TNodlink& form);
Shown ShownByMapping();
std::string Lines(const std::vector<std::string>& lines); // CRLF after each
std::string ProfileWith(const Shown& values);
std::vector<std::string> Entries(const TListBox& list);

inline const Shown TemplateValues{false, false, "10", "10", false, "0", "0"};
inline const std::string TemplateProfile = ProfileWith(TemplateValues);
