#include "NodlinkFixture.h"

#include "Application.h"
#include "PointerStep.h"
#include "Profiles.h"
#include "TrackerDriver.h"

#include <algorithm>

NodlinkTest::NodlinkTest()
{
    UseDriverScenario("full");
    Application->Initialize();
    Application->Title = "Nodlink";
    Application->SetExeName(PathOf("nodlink.exe"));
}

// The first test of a process meets the program's own initial state; later ones get it back.
NodlinkTest::~NodlinkTest()
{
    form.reset();
    CloseTracker();
    UseDriverScenario("none");
    Script() = DriverScript{};
    MappingParameters = InitialMappingParameters;
    LastSample = {0, 0};
    FirstSample = true;
    ProfileModified = false;
    CurrentProfilePath.clear();
}

TNodlink& NodlinkTest::Form()
{
    if (!form)
        form = std::make_unique<TNodlink>();
    return *form;
}

bool NodlinkTest::SelectAndLoad(const std::string& name)
{
    const std::vector<std::string> entries = Entries(Form().ListProfiles);
    form->ListProfiles.SetItemIndex(
        static_cast<int>(std::find(entries.begin(), entries.end(), name) - entries.begin()));
    return LoadSelectedProfile();
}

void NodlinkTest::ExpectBox(const std::string& message, const std::vector<std::string>& buttons,
                            const std::string& enter)
{
    ASSERT_FALSE(dialogs.Seen().empty()) << message;
    const ShownWindow& box = dialogs.Seen().back();
    EXPECT_EQ(std::tuple(box.title, box.message, box.buttons, box.defaultButton),
              std::tuple("Nodlink", message, buttons, enter));
}

Shown ShownBy(const TNodlink& form)
{
    return {form.InvertX.Checked(), form.InvertY.Checked(), form.XSens.Text(), form.YSens.Text(),
            form.AbsMode.Checked(), form.BaseX.Text(),      form.BaseY.Text()};
}

Shown ShownByMapping()
{
    const MappingParameterSet& p = MappingParameters;
    // clang-format off
    return {p.InvertX, p.InvertY, std::to_string(p.XSens), std::to_string(p.YSens),
            p.AbsMode, std::to_string(p.BaseX), std::to_string(p.BaseY)};
    // clang-format on
}

std::string Lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::string ProfileWith(const Shown& v)
{
    return Lines({"[CONFIGURATION]", "TEST=1", "InvertX=" + std::to_string(v.invertX),
                  "InvertY=" + std::to_string(v.invertY), "XSens=" + v.xSens, "YSens=" + v.ySens,
                  "AbsMode=" + std::to_string(v.absMode), "BaseX=" + v.baseX, "BaseY=" + v.baseY});
}

std::vector<std::string> Entries(const TListBox& list)
{
    std::vector<std::string> entries;
    for (int i = 0; i < list.Count(); ++i)
        entries.push_back(list.Item(i));
    return entries;
}
