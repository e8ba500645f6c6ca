#pragma once
// TNodlink created for real in this process, running from a fresh temporary program directory,
// with the driver doubles as the headset and every modal dialog answered as the test scripts
// it (an unscripted one fails the test at once).
#include "ModalAnswerer.h"
#include "ScriptedDrivers.h"
#include "TemporaryFolder.h"
#include "Unit1.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class NodlinkTest : public testing::Test {
protected:
    NodlinkTest();
    ~NodlinkTest() override;

    TNodlink& Form();                            // created on first use, which runs FormCreate
    bool SelectAndLoad(const std::string& name); // from code, which raises no click
    // The last box shown: under the program's title, its text, its buttons and the one Enter presses.
    void ExpectBox(const std::string& message, const std::vector<std::string>& buttons, const std::string& enter);
    std::string PathOf(const std::string& name) const { return folder.Path() + name; }

    TemporaryFolder folder;
    ModalAnswerer dialogs{[](const std::string& problem) { ADD_FAILURE() << problem; }};
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

// Not inline variables: Clang for MinGW does not order their initialisation, and the profile
// was made from the values before they existed. Each file gets its own pair, in order.
const Shown TemplateValues{false, false, "10", "10", false, "0", "0"};
const std::string TemplateProfile = ProfileWith(TemplateValues);
