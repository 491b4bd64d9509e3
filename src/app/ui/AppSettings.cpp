// The settings store of the running program, and telling the user what happened to its file.
#include "app/ui/AppSettings.h"

#include <QMessageBox>

namespace zn::app::ui {

SettingsStore& AppSettingsStore() {
    static SettingsStore store;
    return store;
}

void ShowSettingsMessages(QWidget* parent, SettingsStore& store) {
    for (const std::string& message : store.TakeMessages())
        QMessageBox::warning(parent, QStringLiteral("Nastavení"), QString::fromStdString(message));
}

} // namespace zn::app::ui
