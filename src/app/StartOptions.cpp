// Options of the command line and the texts printed for them.
#include "app/StartOptions.h"

#include "app/DocumentNames.h"
#include "app/SettingsKeys.h"

#include <cstdlib>

namespace zn::app {

StartOptions ParseStartOptions(const std::vector<std::string>& arguments) {
    StartOptions options;
    size_t i = 0;
    for (; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--") {
            ++i;
            break;
        }
        if (argument == "-h" || argument == "--help") {
            options.Action = StartAction::Help;
            return options;
        }
        if (argument == "-v" || argument == "--version") {
            options.Action = StartAction::Version;
            return options;
        }
        break; // the first file name ends the options
    }
    options.Files.assign(arguments.begin() + static_cast<std::ptrdiff_t>(i), arguments.end());
    return options;
}

std::string GetEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool PrefersCzech(const EnvironmentLookup& environment) {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::string value = environment(name);
        if (value.empty())
            continue;
        return value.compare(0, 2, "cs") == 0 &&
               (value.size() == 2 || value[2] == '_' || value[2] == '.' || value[2] == '@');
    }
    return false;
}

std::string VersionOutput(bool czech) {
    return std::string(ApplicationName) + " " + std::string(VersionText) +
           (czech ? " (editor zdrojového textu webových stránek)\n"
                  : " (an editor for the source text of web pages)\n");
}

std::string HelpOutput(bool czech, const std::string& settingsFile, const std::string& dataFolder,
                       const std::string& pluginFolder) {
    if (czech)
        return "Použití: znackar [VOLBY] [--] [SOUBOR…]\n"
               "Otevře SOUBORY v editoru zdrojového textu webových stránek.\n"
               "\n"
               "  -h, --help     vypíše tuto nápovědu a skončí\n"
               "  -v, --version  vypíše verzi a skončí\n"
               "  --             konec voleb: další argumenty jsou jména souborů\n"
               "\n"
               "Volby stojí před jmény souborů. Jméno s mezerami nemusí být v uvozovkách.\n"
               "Běží-li už editor, předá mu soubory a skončí.\n"
               "\n"
               "Nastavení: " +
               settingsFile +
               "\n"
               "Datové soubory: " +
               dataFolder +
               "\n"
               "Ukázkové plug-iny: " +
               pluginFolder +
               "\n"
               "Proměnné prostředí: ZNACKAR_CONFIG_DIR (složka nastavení), XDG_CONFIG_HOME.\n";
    return "Usage: znackar [OPTIONS] [--] [FILE…]\n"
           "Opens FILEs in an editor for the source text of web pages.\n"
           "\n"
           "  -h, --help     print this help and exit\n"
           "  -v, --version  print the version and exit\n"
           "  --             end of options: the arguments after it are file names\n"
           "\n"
           "Options come before the file names. A name with blanks need not be quoted.\n"
           "When the editor is already running, it hands the files over to it and exits.\n"
           "\n"
           "Settings: " +
           settingsFile +
           "\n"
           "Data files: " +
           dataFolder +
           "\n"
           "Example plug-ins: " +
           pluginFolder +
           "\n"
           "Environment: ZNACKAR_CONFIG_DIR (settings folder), XDG_CONFIG_HOME.\n";
}

} // namespace zn::app
