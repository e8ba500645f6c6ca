#pragma once
// A fresh folder under the temp directory, removed with everything in it.
#include <filesystem>
#include <string>

class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& Path() const { return path; } // ends in '\'
    void Write(const std::string& name, const std::string& contents) const;
    std::string Read(const std::string& name) const; // empty when missing
    bool Exists(const std::string& name) const { return std::filesystem::exists(path + name); }

private:
    std::string path;
};
