#pragma once
// TNodlink created for real in this process, running from a fresh temporary program directory,
// with the driver doubles standing in for the headset.
#include "DriverDoubles.h"
#include "ModalAnswerer.h"
#include "Unit1.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// A fresh folder under the temp directory, removed with everything in it.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& Path() const { return path; } // ends in '\'
    void Write(const std::string& name, const std::string& contents) const;
    std::string Read(const std::string& name) const; // empty when missing
    bool Exists(const std::string& name) const;

private:
    std::string path;
};

class NodlinkTest : public testing::Test {
protected:
    // The program's process-wide state back to its start values, the doubles in scenario
    // "full", and the program directory a fresh temporary folder.
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
