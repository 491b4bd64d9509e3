// Options of the command line: help, version, the end of options, and file names after them.
#include "app/StartOptions.h"

#include <gtest/gtest.h>
#include <map>

using namespace zn::app;

namespace {

using Names = std::vector<std::string>;

struct OptionCase {
    const char* Title;
    Names Arguments;
    StartAction Action;
    Names Files;
};

} // namespace

TEST(StartOptions, OptionsAndFileNames) {
    const OptionCase cases[] = {
        {"no arguments", {}, StartAction::Run, {}},
        {"long help", {"--help"}, StartAction::Help, {}},
        {"short help", {"-h"}, StartAction::Help, {}},
        {"long version", {"--version"}, StartAction::Version, {}},
        {"the first option decides", {"-v", "--help"}, StartAction::Version, {}},
        {"files only", {"a.html", "b.html"}, StartAction::Run, {"a.html", "b.html"}},
        {"a file named --help after the end of options",
         {"--", "--help"},
         StartAction::Run,
         {"--help"}},
        {"only the first -- ends the options", {"--", "--", "-v"}, StartAction::Run, {"--", "-v"}},
        {"nothing after the end of options", {"--"}, StartAction::Run, {}},
        {"options only in front of the files",
         {"/w/My", "--help", "Page.html"},
         StartAction::Run,
         {"/w/My", "--help", "Page.html"}},
        {"a file after --version is never opened",
         {"--version", "a.html"},
         StartAction::Version,
         {}},
        {"an unknown option is a file name", {"-x", "--help"}, StartAction::Run, {"-x", "--help"}},
        {"look-alikes are file names",
         {"--helpme", "-hv", "-V"},
         StartAction::Run,
         {"--helpme", "-hv", "-V"}},
        {"empty argument ends the options", {"", "-h"}, StartAction::Run, {"", "-h"}},
    };
    for (const OptionCase& c : cases) {
        const StartOptions options = ParseStartOptions(c.Arguments);
        EXPECT_EQ(options.Action, c.Action) << c.Title;
        EXPECT_EQ(options.Files, c.Files) << c.Title;
    }
}

TEST(StartOptions, CzechByTheLocale) {
    using Env = std::map<std::string, std::string>;
    const struct {
        Env Environment;
        bool Czech;
    } cases[] = {
        {{}, false},
        {{{"LANG", "cs_CZ.UTF-8"}}, true},
        {{{"LANG", "cs@latin"}}, true},
        {{{"LANG", "csb_PL.UTF-8"}}, false}, // Kashubian, not Czech
        {{{"LANG", "en_US.UTF-8"}}, false},
        {{{"LANG", "cs_CZ.UTF-8"}, {"LC_MESSAGES", "en_GB.UTF-8"}}, false},
        {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "cs_CZ.UTF-8"}}, true},
        {{{"LC_ALL", "C"}, {"LC_MESSAGES", "cs_CZ.UTF-8"}, {"LANG", "cs_CZ.UTF-8"}}, false},
        {{{"LC_ALL", ""}, {"LANG", "cs_CZ.ISO-8859-2"}}, true}, // an empty variable is unset
    };
    for (const auto& c : cases) {
        const EnvironmentLookup lookup = [&](const char* name) {
            const auto found = c.Environment.find(name);
            return found == c.Environment.end() ? std::string() : found->second;
        };
        std::string described;
        for (const auto& [name, value] : c.Environment)
            described += name + "=" + value + " ";
        EXPECT_EQ(PrefersCzech(lookup), c.Czech) << described;
    }
}

TEST(StartOptions, HelpNamesTheFilesInEitherLanguage) {
    for (const bool czech : {true, false}) {
        const std::string help = HelpOutput(czech, "/home/u/.config/znackar/settings.sqlite",
                                            "/opt/z/share/znackar", "/opt/z/lib/znackar/plugins");
        EXPECT_NE(help.find("/home/u/.config/znackar/settings.sqlite"), std::string::npos);
        EXPECT_NE(help.find("/opt/z/share/znackar"), std::string::npos);
        EXPECT_NE(help.find("/opt/z/lib/znackar/plugins"), std::string::npos);
        EXPECT_NE(help.find("--version"), std::string::npos);
        EXPECT_NE(help.find("ZNACKAR_CONFIG_DIR"), std::string::npos);
        EXPECT_EQ(help.find("Použití") != std::string::npos, czech);
        EXPECT_EQ(help.back(), '\n');
    }
    EXPECT_NE(VersionOutput(true), VersionOutput(false));
}
