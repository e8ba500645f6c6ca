#include "NodlinkFixture.h"

#include "Application.h"
#include "PointerStep.h"
#include "Profiles.h"
#include "TrackerDriver.h"

#include <windows.h>

#include <stdexcept>

const char* const TemplateProfile =
    "[CONFIGURATION]\r\nTEST=1\r\nInvertX=0\r\nInvertY=0\r\nXSens=10\r\nYSens=10\r\nAbsMode=0\r\nBaseX=0\r\nBaseY=0\r\n";

namespace {
void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path + "\\");
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}
}

TemporaryFolder::TemporaryFolder()
{
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    path = std::string(base) + "nodlink-test-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++counter) + "\\";
    if (!CreateDirectoryA(path.c_str(), nullptr))
        throw std::runtime_error("cannot create " + path);
}

TemporaryFolder::~TemporaryFolder()
{
    // The program makes its directory the current one; let go of it first.
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    SetCurrentDirectoryA(temp);
    RemoveTree(path);
}

void TemporaryFolder::Write(const std::string& name, const std::string& contents) const
{
    HANDLE file = CreateFileA((path + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot write " + name);
    DWORD written = 0;
    WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    CloseHandle(file);
}

std::string TemporaryFolder::Read(const std::string& name) const
{
    HANDLE file = CreateFileA((path + name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string contents;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        contents.append(buffer, read);
    CloseHandle(file);
    return contents;
}

bool TemporaryFolder::Exists(const std::string& name) const
{
    return GetFileAttributesA((path + name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void NodlinkTest::SetUp()
{
    MappingParameters = {true, true, true, 1, 1, 0, 0};
    ProfileModified = false;
    CurrentProfilePath.clear();
    ResetDoubles();
    UseDriverScenario("full");
    Application->Initialize();
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
