#pragma once
// TNodlink created for real in this process, running from a fresh temporary program directory,
// with the driver doubles standing in for the headset.
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
    // The program's process-wide state back to its start values, the application titled
    // "Nodlink", the doubles in scenario "full" and the program directory a fresh temporary folder.
    void SetUp() override;
    void TearDown() override;

    // Creates the dialog, which runs FormCreate.
    TNodlink& Form();
    void UseProgramDirectory(const std::string& path); // instead of the fresh folder

    TemporaryFolder folder;
    std::unique_ptr<TNodlink> form;
};

// The template profile the program ships, as the tests write it into a program directory.
extern const char* const TemplateProfile;

inline void ExpectSaveQuestion(const SeenDialog& dialog)
{
    EXPECT_EQ(dialog.caption, "Nodlink");
    EXPECT_EQ(dialog.text, "The current profile has been modified.Save changes?");
    EXPECT_EQ(dialog.buttons, (std::vector<int>{IDOK, IDCANCEL}));
    EXPECT_EQ(dialog.defaultButton, IDOK);
    EXPECT_FALSE(dialog.hasIcon);
}
