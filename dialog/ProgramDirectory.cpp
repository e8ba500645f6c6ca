#include "ProgramPaths.h"

#include "Application.h"

std::string ProgramDirectory()
{
    return std::string(DirectoryPart(Application->ExeName()));
}

std::optional<std::string> ProgramFilePath(std::string_view name)
{
    return JoinPath(ProgramDirectory(), name);
}
