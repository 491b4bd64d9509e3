// Entry point of the editor: a second start hands its files to the running editor; a first
// start builds the main window and runs until it closes.
#include "app/DocumentNames.h"
#include "app/SettingsFile.h"
#include "app/StartOptions.h"
#include "app/ui/AppIcon.h"
#include "app/ui/AppSettings.h"
#include "app/ui/CzechTranslations.h"
#include "app/ui/Startup.h"
#include "app/ui/TMainForm.h"
#include "app/ui/TTMessager.h"
#include "app/ui/TerminationSignals.h"
#include "app/ui/TestTyping.h"
#include "base/DataFolder.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <unistd.h>

namespace {

/// Prints the text asked for by --help or --version; 1 when it could not be written.
int PrintOption(zn::app::StartAction action) {
    const bool czech = zn::app::PrefersCzech();
    const std::string text =
        action == zn::app::StartAction::Help
            ? zn::app::HelpOutput(czech, zn::app::DefaultSettingsPath(), zn::base::DataFolder(),
                                  zn::base::PluginFolder())
            : zn::app::VersionOutput(czech);
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    // Help and version need neither a screen nor the running editor.
    const zn::app::StartOptions options =
        zn::app::ParseStartOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (options.Action != zn::app::StartAction::Run)
        return PrintOption(options.Action);

    // Qt WebEngine refuses to start its sandbox as root.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    zn::app::ui::InstallCzechTranslations(app);
    QApplication::setApplicationName(QStringLiteral("znackar"));
    // No application display name: the system would append it to every window's caption, and
    // only the main window's caption carries the program's name.
    QApplication::setWindowIcon(zn::app::ui::ApplicationIcon());
    QGuiApplication::setDesktopFileName(zn::app::ui::DesktopId);
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QStringLiteral("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));

    // Qt has taken its own options (-platform, -style, …) out of the arguments by now.
    std::vector<std::string> qtArguments;
    for (const QString& argument : QApplication::arguments().mid(1))
        qtArguments.push_back(argument.toStdString());
    zn::app::StartOptions afterQt = zn::app::ParseStartOptions(qtArguments);
    // "znackar -platform offscreen --version": the option showed only once Qt took its own.
    if (afterQt.Action != zn::app::StartAction::Run)
        return PrintOption(afterQt.Action);
    std::vector<std::string> arguments = std::move(afterQt.Files);

    zn::app::ui::StartDecision start = zn::app::ui::DecideStart(
        []() -> zn::app::SettingsStore& { return zn::app::ui::AppSettingsStore(); },
        zn::app::SettingsFolder(), arguments);
    if (!start.First) {
        if (start.ExitCode != 0)
            zn::app::ui::ReportStartFailure(start.Message);
        return start.ExitCode;
    }

    zn::app::SettingsStore& store = zn::app::ui::AppSettingsStore();
    zn::app::ui::TMainForm form(store);
    zn::app::ui::ShowSettingsMessages(&form, store);
    if (start.Marker)
        start.Marker->OnHandOff = [&form] { form.ReceiveHandOff(); };
    form.SetCommandLine(std::move(arguments));
    // Asked to end by the system: the settings are written, unsaved documents cannot be
    // asked about.
    zn::app::ui::WatchTerminationSignals([&form] {
        form.WriteSettings();
        QApplication::exit(0);
    });
    form.show();
    zn::app::ui::TypeFromEnvironment(form);
    return app.exec();
}
