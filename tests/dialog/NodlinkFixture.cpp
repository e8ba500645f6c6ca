#include "NodlinkFixture.h"

#include "Application.h"
#include "PointerStep.h"
#include "Profiles.h"
#include "TrackerDriver.h"

void NodlinkTest::SetUp()
{
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
    MappingParameters = {true, true, true, 1, 1, 0, 0};
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

void NodlinkTest::UseProgramDirectory(const std::string& path)
{
    Application->SetExeName(path + "nodlink.exe");
}

bool NodlinkTest::SelectAndLoad(const std::string& name)
{
    TListBox& list = Form().ListProfiles;
    list.SetItemIndex(-1);
    for (int i = 0; i < list.Count(); ++i)
        if (list.Item(i) == name)
            list.SetItemIndex(i);
    EXPECT_GE(list.ItemIndex(), 0) << name << " is not listed";
    return LoadSelectedProfile();
}

void PrintTo(const Shown& p, std::ostream* out)
{
    *out << "{" << p.invertX << ", " << p.invertY << ", " << p.xSens << ", " << p.ySens << ", " << p.absMode << ", "
         << p.baseX << ", " << p.baseY << "}";
}

Shown ShownBy(const TNodlink& form)
{
    return {form.InvertX.Checked(), form.InvertY.Checked(), form.XSens.Text(), form.YSens.Text(),
            form.AbsMode.Checked(), form.BaseX.Text(),      form.BaseY.Text()};
}

Shown ShownByMapping()
{
    const MappingParameterSet& p = MappingParameters;
    return {p.InvertX, p.InvertY, std::to_string(p.XSens), std::to_string(p.YSens),
            p.AbsMode, std::to_string(p.BaseX), std::to_string(p.BaseY)};
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
