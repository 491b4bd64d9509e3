// Entry point of the editor: a second start hands its files to the running editor; a first
// start builds the main window and runs until it closes.
#include "app/DocumentNames.h"
#include "app/SettingsFile.h"
#include "app/ui/AppSettings.h"
#include "app/ui/Startup.h"
#include "app/ui/TMainForm.h"
#include "app/ui/TTMessager.h"
#include "app/ui/TerminationSignals.h"
#include "app/ui/TestTyping.h"

#include <QApplication>
#include <QIcon>

#include <unistd.h>

int main(int argc, char** argv) {
    // Qt WebEngine refuses to start its sandbox as root.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    const QString title = QString::fromStdString(zn::app::ApplicationTitle());
    QApplication::setApplicationName(QStringLiteral("znackar"));
    QApplication::setApplicationDisplayName(title);
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QStringLiteral("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));

    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments().mid(1))
        arguments.push_back(argument.toStdString());

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
