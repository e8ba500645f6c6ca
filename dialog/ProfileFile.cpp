#include "Profiles.h"

#include "Application.h"
#include "Dialogs.h"
#include "EditText.h"
#include "PointerStep.h"
#include "ProgramPaths.h"
#include "Unit1.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>

bool ProfileModified = false;
std::string CurrentProfilePath;

namespace {
// One section under two spellings: section names match without case.
constexpr const char* MarkerSection = "Configuration";
constexpr const char* ParameterSection = "CONFIGURATION";

int32_t ReadInteger(const std::string& path, const char* section, const char* key)
{
    return static_cast<int32_t>(GetPrivateProfileIntA(section, key, 0, path.c_str()));
}

// The marker reads 0 from a missing file, so checking it also keeps a save from creating one.
// An empty path would name a file in the Windows directory.
bool HasProfileMarker(const std::string& path)
{
    return !path.empty() && ReadInteger(path, MarkerSection, "TEST") != 0;
}

int32_t ReadParameter(const std::string& path, const char* key)
{
    return ReadInteger(path, ParameterSection, key);
}

bool WriteParameter(const std::string& path, const char* key, const std::string& value)
{
    return WritePrivateProfileStringA(ParameterSection, key, value.c_str(), path.c_str()) != FALSE;
}

std::string CheckState(const TCheckBox& box)
{
    return box.Checked() ? "1" : "0";
}

std::string EditValue(const TEdit& edit)
{
    return std::to_string(EditTextToInteger(edit.Text()));
}

void ReadParameters(const std::string& path)
{
    MappingParameters.InvertX = ReadParameter(path, "InvertX") != 0;
    MappingParameters.InvertY = ReadParameter(path, "InvertY") != 0;
    MappingParameters.XSens = ReadParameter(path, "XSens");
    MappingParameters.YSens = ReadParameter(path, "YSens");
    MappingParameters.AbsMode = ReadParameter(path, "AbsMode") != 0;
    MappingParameters.BaseX = ReadParameter(path, "BaseX");
    MappingParameters.BaseY = ReadParameter(path, "BaseY");
}

// Filling the controls raises their change handlers, which mark the profile as modified.
void ShowParameters(TNodlink& form)
{
    form.InvertX.SetChecked(MappingParameters.InvertX);
    form.InvertY.SetChecked(MappingParameters.InvertY);
    form.XSens.SetText(std::to_string(MappingParameters.XSens));
    form.YSens.SetText(std::to_string(MappingParameters.YSens));
    form.AbsMode.SetChecked(MappingParameters.AbsMode);
    form.BaseX.SetText(std::to_string(MappingParameters.BaseX));
    form.BaseY.SetText(std::to_string(MappingParameters.BaseY));
}
}

bool LoadSelectedProfile()
{
    OfferToSavePendingEdits();
    TNodlink& form = *Nodlink;
    const int selected = form.ListProfiles.ItemIndex();
    if (selected < 0)
        return false;
    const std::optional<std::string> path = ProgramFilePath(form.ListProfiles.Item(selected));
    if (!path || !HasProfileMarker(*path))
        return false;
    CurrentProfilePath = *path;
    ReadParameters(*path);
    ShowParameters(form);
    ProfileModified = false;
    return true;
}

bool SaveCurrentProfile()
{
    const std::string& path = CurrentProfilePath;
    if (!HasProfileMarker(path))
        return false;
    const TNodlink& form = *Nodlink;
    const std::pair<const char*, std::string> values[] = {
        {"InvertX", CheckState(form.InvertX)}, {"InvertY", CheckState(form.InvertY)}, {"XSens", EditValue(form.XSens)},
        {"YSens", EditValue(form.YSens)},      {"AbsMode", CheckState(form.AbsMode)}, {"BaseX", EditValue(form.BaseX)},
        {"BaseY", EditValue(form.BaseY)},
    };
    // Every key is tried, in this order, whatever became of the one before.
    bool allWritten = true;
    for (const auto& [key, value] : values)
        allWritten = WriteParameter(path, key, value) && allWritten;
    return allWritten;
}

void OfferToSavePendingEdits()
{
    if (!ProfileModified)
        return;
    const int answer =
        Application->MessageBox("The current profile has been modified.Save changes?", "Nodlink", MB_OKCANCEL);
    if (answer == IDOK && !SaveCurrentProfile())
        ShowMessage("The profile could not be saved.");
}
