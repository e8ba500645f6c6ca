#include "TemporaryFolder.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {
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
    std::error_code ignored;
    std::filesystem::remove_all(path.substr(0, path.size() - 1), ignored);
}

void TemporaryFolder::Write(const std::string& name, const std::string& contents) const
{
    std::ofstream file(path + name, std::ios::binary);
    if (!(file << contents))
        throw std::runtime_error("cannot write " + name);
}

std::string TemporaryFolder::Read(const std::string& name) const
{
    std::ifstream file(path + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool TemporaryFolder::Exists(const std::string& name) const
{
    return GetFileAttributesA((path + name).c_str()) != INVALID_FILE_ATTRIBUTES;
}
