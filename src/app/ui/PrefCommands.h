// The preferences commands of the main window: "Možnosti..." in "&Soubor", its tool button, and
// "Výběr a nastavení .." of "&Plug-ins", which opens the same dialog on its "Plug-in" tab.
#pragma once

#include <QObject>
#include <QPointer>

class QAction;

namespace zn::app::ui {

class TMainForm;
class TPrefForm;

/// Owns the preferences dialog, made on first use and kept.
class PrefCommands : public QObject {
    Q_OBJECT

public:
    explicit PrefCommands(TMainForm& main);

    /// The item of "&Soubor" (after "Nastavení tiskárny..."), the tool button and the plug-in
    /// menu's hook.
    void Install();

    TPrefForm& Form();

    QAction* Preferences1 = nullptr;

private:
    TMainForm& main_;
    QPointer<TPrefForm> form_;
};

} // namespace zn::app::ui
