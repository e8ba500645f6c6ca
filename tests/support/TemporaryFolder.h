#pragma once
// A fresh folder, removed with everything in it. It lies inside a fresh parent of its own,
// removed too, so that a path escaping it by one level still lands where the test looks.
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
    std::string Read(const std::string& name) const;                     // empty when missing
    bool CopyIn(const std::string& from, const std::string& name) const; // copies file NAME of folder FROM in
    bool Exists(const std::string& name) const { return std::filesystem::exists(path + name); }

private:
    std::string parent;
    std::string path;
};
