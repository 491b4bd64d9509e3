// The main window's plug-ins: loading them at start, their menu, running one.
#include "app/ui/TMainForm.h"

#include "app/ui/PluginListDialog.h"
#include "app/ui/PluginMenu.h"
#include "base/Prompter.h"

#include <QGuiApplication>

namespace zn::app::ui {

void TMainForm::LoadPlugins() {
    plugins_ = std::make_unique<TPlugins>(PluginHost{PluginHostPath().toStdString()});
    pluginMenu_ = new PluginMenu(
        Menu(MainMenuId::Plugins), this, [this](const std::string& path) { RunPlugin(path); },
        [this] { PluginSettingsClick(); });
    pluginFailures_ = plugins_->LoadPlugins(store_);
    pluginMenu_->Build(*plugins_);
    UpdateMenuVisibility();
}

void TMainForm::ApplyPlugins() {
    pluginMenu_->Build(*plugins_);
    plugins_->SavePlugins(store_);
}

void TMainForm::RunPlugin(const std::string& path) {
    editor::THTMLRichEdit* edit = ActiveEdit();
    if (!edit)
        return;
    // The editor waits for the plug-in, as it always has; the host's time limit bounds that.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const std::string message = plugins_->RunPlugin(path, *edit, settings_.UpperCaseTags);
    QGuiApplication::restoreOverrideCursor();
    if (!message.empty())
        prompter_->Tell(message, base::Severity::Error);
}

void TMainForm::PluginSettingsClick() {
    if (ShowPluginSettings) {
        ShowPluginSettings();
        return;
    }
    PluginListDialog dialog(*plugins_, *prompter_, this);
    if (dialog.exec() == QDialog::Accepted) {
        *plugins_ = dialog.Result();
        ApplyPlugins();
    }
}

} // namespace zn::app::ui
