#pragma once
// The paths the profile functions build: the program directory, file names in it and the
// template's name.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

inline constexpr size_t MaxProgramPathLength = 255; // 256 with the terminating zero
inline constexpr std::string_view TemplateFileName = "default.vfx";

// PATH up to and including its last '\' or '/'; empty when it has neither.
std::string_view DirectoryPart(std::string_view path);

// PATH after its last '\'; the whole of PATH when it has none. '/' does not count here.
std::string_view FileNamePart(std::string_view path);

// DIRECTORY followed by NAME, or nothing when that is longer than MaxProgramPathLength.
std::optional<std::string> JoinPath(std::string_view directory, std::string_view name);

// True when FILENAME is the template's name in any letter case of its ASCII letters.
bool IsTemplateFileName(std::string_view fileName);

// The two below ask the application for its path (ProgramDirectory.cpp); the rest is pure.

// The directory of the program's own executable, as DirectoryPart gives it.
std::string ProgramDirectory();

// NAME in the program directory, or nothing when the path would be too long.
std::optional<std::string> ProgramFilePath(std::string_view name);
