// The options of the command line (help, version, the end of options) and their texts.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zn::app {

enum class StartAction {
    Run,     ///< start the editor (or hand the files to the running one)
    Help,    ///< print the usage and end
    Version, ///< print the version and end
};

struct StartOptions {
    StartAction Action = StartAction::Run;
    /// The arguments that are file names, in order, "--" left out; the joining rule of split
    /// paths applies to them as to any command line.
    std::vector<std::string> Files;
};

/// Reads the options at the front of the command line: "-h"/"--help" and "-v"/"--version"
/// (the first one met decides), "--" ends them. The first argument that is no option, and
/// every argument after it, is a file name, so a split path keeps its pieces whatever they
/// look like.
StartOptions ParseStartOptions(const std::vector<std::string>& arguments);

/// Reads an environment variable; empty when it is unset.
using EnvironmentLookup = std::function<std::string(const char* name)>;

/// The process's environment.
std::string GetEnvironment(const char* name);

/// Whether messages are wanted in Czech: the first of LC_ALL, LC_MESSAGES and LANG that is set
/// names a Czech locale ("cs", "cs_CZ.UTF-8", …). Anything else gets English.
bool PrefersCzech(const EnvironmentLookup& environment = GetEnvironment);

/// The text of --version: the program's name and version, one line.
std::string VersionOutput(bool czech);

/// The text of --help: usage, options, the hand-off to a running editor, and the files and
/// environment variables the program uses, naming `settingsFile` and `dataFolder`.
std::string HelpOutput(bool czech, const std::string& settingsFile, const std::string& dataFolder,
                       const std::string& pluginFolder);

} // namespace zn::app
