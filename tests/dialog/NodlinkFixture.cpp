#include "NodlinkFixture.h"

#include "Application.h"
#include "PointerStep.h"
#include "Profiles.h"
#include "TrackerDriver.h"

#include <windows.h>

const char* const TemplateProfile =
    "[CONFIGURATION]\r\nTEST=1\r\nInvertX=0\r\nInvertY=0\r\nXSens=10\r\nYSens=10\r\nAbsMode=0\r\n"
    "BaseX=0\r\nBaseY=0\r\n";

void NodlinkTest::SetUp()
{
    MappingParameters = {true, true, true, 1, 1, 0, 0};
    ProfileModified = false;
    CurrentProfilePath.clear();
    ResetDoubles();
    UseDriverScenario("full");
    Application->Initialize();
    Application->Title = "Nodlink";
    UseProgramDirectory(folder.Path());
}

void NodlinkTest::TearDown()
{
    form.reset();
    CloseTracker();
    UnloadDriverDoubles();
    Application->SetExeName("");
}

TNodlink& NodlinkTest::Form()
{
    if (!form)
        form = std::make_unique<TNodlink>();
    return *form;
}

void NodlinkTest::UseProgramDirectory(const std::string& path)
{
    Application->SetExeName(path + "nodlink.exe");
}
