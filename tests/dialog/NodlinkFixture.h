#pragma once
// TNodlink created for real in this process, running from a fresh temporary program directory,
// with the driver doubles standing in for the headset and every modal dialog answered as the
// test scripts it (an unscripted one fails the test at once).
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

    TNodlink& Form(); // created on first use, which runs FormCreate
    void Restart()    // the program as at its start, for the next case of a table
    {
        TearDown();
        SetUp();
    }
    void UseProgramDirectory(const std::string& path); // instead of the fresh folder
    bool SelectAndLoad(const std::string& name);        // from code, which raises no click
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
void PrintTo(const Shown& shown, std::ostream* out);
Shown ShownBy(const TNodlink& form);
Shown ShownByMapping();

std::string ProfileWith(const Shown& values); // a valid profile, CRLF lines
std::string Lines(const std::vector<std::string>& lines);
std::vector<std::string> Entries(const TListBox& list);

inline const Shown TemplateValues{false, false, "10", "10", false, "0", "0"};
inline const std::string TemplateProfile = ProfileWith(TemplateValues);
