#include "TemporaryFolder.h"

#include <windows.h>

#include <stdexcept>

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

std::string TempDirectory()
{
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    return base;
}
}

TemporaryFolder::TemporaryFolder()
{
    // Wine reuses process ids, and a killed test leaves its folder behind: try further names.
    static unsigned counter = 0;
    const std::string stem = TempDirectory() + "nodlink-test-" + std::to_string(GetCurrentProcessId()) + "-";
    for (int attempt = 0; attempt < 1000; ++attempt) {
        path = stem + std::to_string(++counter) + "\\";
        if (CreateDirectoryA(path.c_str(), nullptr))
            return;
    }
    throw std::runtime_error("cannot create a folder " + stem + "*");
}

TemporaryFolder::~TemporaryFolder()
{
    // The program makes its directory the current one; let go of it first.
    SetCurrentDirectoryA(TempDirectory().c_str());
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
    return ReadWholeFile(path + name);
}

bool TemporaryFolder::Exists(const std::string& name) const
{
    return GetFileAttributesA((path + name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadWholeFile(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
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
