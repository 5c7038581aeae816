#include "ui/ProgramFiles.h"

namespace {

std::string::size_type FileNameStart(const std::string& path)
{
    const std::string::size_type separator = path.find_last_of("\\/");
    return separator == std::string::npos ? 0 : separator + 1;
}

}  // namespace

std::string ApplicationName(const std::string& exePath)
{
    const std::string name = exePath.substr(FileNameStart(exePath));
    const std::string::size_type dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string HelpPagePath(const std::string& exePath)
{
    return exePath.substr(0, FileNameStart(exePath)) + "Tarrowby.html";
}
