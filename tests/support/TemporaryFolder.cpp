#include "TemporaryFolder.h"

#include <windows.h>

#include <fstream>
#include <iterator>

TemporaryFolder::TemporaryFolder()
{
    // Wine reuses process ids, and a killed test leaves its folder behind: count on.
    static unsigned counter = 0;
    do
        parent = std::filesystem::temp_directory_path().string() + "nodlink-test-" +
                 std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter) + "\\";
    while (!std::filesystem::create_directory(parent));
    path = parent + "folder\\";
    std::filesystem::create_directory(path);
}

TemporaryFolder::~TemporaryFolder()
{
    // The program makes its directory the current one; let go of it first.
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    std::error_code ignored;
    std::filesystem::remove_all(parent, ignored);
}

void TemporaryFolder::Write(const std::string& name, const std::string& contents) const
{
    std::ofstream(path + name, std::ios::binary) << contents;
}

bool TemporaryFolder::CopyIn(const std::string& from, const std::string& name) const
{
    return CopyFileA((from + name).c_str(), (path + name).c_str(), FALSE);
}

std::string TemporaryFolder::Read(const std::string& name) const
{
    std::ifstream file(path + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}
