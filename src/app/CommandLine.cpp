// Command-line rules of the start: testing the first argument, joining split paths.
#include "app/CommandLine.h"

#include <filesystem>
#include <system_error>

namespace zn::app {

namespace fs = std::filesystem;

bool IsExistingFile(const std::string& name) {
    if (name.empty())
        return false;
    std::error_code error;
    const fs::file_status status = fs::status(name, error);
    return !error && fs::exists(status) && !fs::is_directory(status);
}

std::string JoinArguments(const std::vector<std::string>& arguments) {
    std::string joined;
    for (const std::string& argument : arguments) {
        if (&argument != &arguments.front())
            joined += ' ';
        joined += argument;
    }
    return joined;
}

namespace {

/// The joined arguments when they name a file; nothing otherwise.
std::vector<std::string> JoinedIfExisting(const std::vector<std::string>& arguments,
                                          const FileExists& exists) {
    std::string joined = JoinArguments(arguments);
    if (exists(joined))
        return {std::move(joined)};
    return {};
}

} // namespace

std::vector<std::string> FilesToOpenAtStart(const std::vector<std::string>& arguments,
                                            const FileExists& exists) {
    if (arguments.empty())
        return {};
    if (!exists(arguments.front()))
        return JoinedIfExisting(arguments, exists);
    std::vector<std::string> files;
    for (const std::string& argument : arguments) {
        if (exists(argument))
            files.push_back(argument);
    }
    return files;
}

std::vector<std::string> FoldersAtStart(const std::vector<std::string>& arguments) {
    const auto isFolder = [](const std::string& name) {
        std::error_code error;
        return !name.empty() && fs::is_directory(name, error);
    };
    std::vector<std::string> folders;
    for (const std::string& argument : arguments) {
        if (isFolder(argument))
            folders.push_back(argument);
    }
    if (folders.empty() && arguments.size() > 1 && isFolder(JoinArguments(arguments)))
        folders.push_back(JoinArguments(arguments));
    return folders;
}

std::vector<std::string> FilesToHandOff(const std::vector<std::string>& arguments,
                                        const FileExists& exists) {
    if (arguments.empty())
        return {};
    if (exists(arguments.front()))
        return arguments;
    return JoinedIfExisting(arguments, exists);
}

std::string AbsoluteFileName(std::string_view name, std::string_view workingFolder) {
    if (name.empty() || name.front() == '/')
        return std::string(name);
    return (fs::path(workingFolder) / fs::path(name)).lexically_normal().string();
}

} // namespace zn::app
