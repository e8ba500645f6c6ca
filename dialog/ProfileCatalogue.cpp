#include "Profiles.h"

#include "Application.h"
#include "Dialogs.h"
#include "ProfileName.h"
#include "ProgramPaths.h"
#include "Unit1.h"

#include <windows.h>

#include <string>

namespace {
// A directory search, closed when it goes.
class DirectorySearch {
public:
    DirectorySearch(const char* pattern, WIN32_FIND_DATAA& entry) : handle(FindFirstFileA(pattern, &entry)) {}
    ~DirectorySearch()
    {
        if (Found())
            FindClose(handle);
    }
    DirectorySearch(const DirectorySearch&) = delete;
    DirectorySearch& operator=(const DirectorySearch&) = delete;

    bool Found() const { return handle != INVALID_HANDLE_VALUE; }
    bool Next(WIN32_FIND_DATAA& entry) const { return FindNextFileA(handle, &entry) != FALSE; }

private:
    HANDLE handle;
};

// Every failure counts alike: a name that could reach outside the program directory, a path too
// long, a missing template, an existing target.
bool CopyTemplateFor(const std::string& name)
{
    if (!IsPlainProfileName(name))
        return false;
    const std::optional<std::string> source = ProgramFilePath(TemplateFileName);
    const std::optional<std::string> target = ProgramFilePath(name + ".vfx");
    return source && target && CopyFileA(source->c_str(), target->c_str(), TRUE);
}

void SelectAndLoad(TListBox& list, const std::string& item)
{
    for (int i = 0; i < list.Count(); ++i) {
        if (list.Item(i) == item) {
            list.SetItemIndex(i);
            LoadSelectedProfile();
            return;
        }
    }
}
}

bool RefreshCatalogue()
{
    if (!SetCurrentDirectoryA(ProgramDirectory().c_str()))
        return false;
    TListBox& list = Nodlink->ListProfiles;
    list.Clear();
    WIN32_FIND_DATAA entry;
    const DirectorySearch search("*.vfx", entry);
    if (search.Found()) {
        do
            list.Add(entry.cFileName);
        while (search.Next(entry));
    }
    return true;
}

void TNodlink::AddClick()
{
    const std::string name = InputBox("Nodlink", "Enter name for the new profile.", "");
    if (name.empty())
        return;
    if (!CopyTemplateFor(name))
        ShowMessage("Profile name already exists.");
    RefreshCatalogue();
    SelectAndLoad(ListProfiles, name + ".vfx");
}

void TNodlink::DeleteClick()
{
    if (IsTemplateFileName(FileNamePart(CurrentProfilePath))) {
        ShowMessage("Cannot delete the default setup.");
        return;
    }
    if (Application->MessageBox("Delete current profile?", "Nodlink", MB_YESNO | MB_DEFBUTTON2) != IDYES)
        return;
    DeleteFileA(CurrentProfilePath.c_str());
    RefreshCatalogue();
    ListProfiles.SetItemIndex(0);
    LoadSelectedProfile();
}
