#include "ProgramPaths.h"

#include "AsciiCase.h"

std::string_view DirectoryPart(std::string_view path)
{
    const size_t separator = path.find_last_of("\\/");
    return separator == std::string_view::npos ? std::string_view() : path.substr(0, separator + 1);
}

std::string_view FileNamePart(std::string_view path)
{
    const size_t separator = path.rfind('\\');
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::optional<std::string> JoinPath(std::string_view directory, std::string_view name)
{
    if (directory.size() > MaxProgramPathLength || name.size() > MaxProgramPathLength - directory.size())
        return std::nullopt;
    std::string path(directory);
    path += name;
    return path;
}

bool IsTemplateFileName(std::string_view fileName)
{
    return EqualsIgnoringAsciiCase(fileName, TemplateFileName);
}
