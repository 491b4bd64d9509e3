// The preferences commands: opening "Možnosti" from the menus and the tool bar.
#include "app/ui/PrefCommands.h"

#include "app/ui/TMainForm.h"
#include "app/ui/TPrefForm.h"

#include <QAction>
#include <QMenu>

namespace zn::app::ui {

PrefCommands::PrefCommands(TMainForm& main) : QObject(&main), main_(main) {}

void PrefCommands::Install() {
    QMenu* file = main_.Menu(MainMenuId::Soubor);
    Preferences1 = main_.AddCommand(nullptr,
                                    {"Preferences1",
                                     "Možnosti...",
                                     {},
                                     "Možnosti|Nastavení editoru",
                                     EnableRule::Always,
                                     "preferences-system"},
                                    [this] { Form().Show(); });
    // Beside the printer setup, before the separator that leads to "&Zavřít".
    const QList<QAction*> items = file->actions();
    const qsizetype after = items.indexOf(main_.PrinterSetup);
    file->insertAction(after >= 0 && after + 1 < items.size() ? items[after + 1] : nullptr,
                       Preferences1);
    main_.AddToolButton(Preferences1);
    main_.ShowPluginSettings = [this] { Form().Show(PrefTab::Plugin); };
}

TPrefForm& PrefCommands::Form() {
    if (!form_)
        form_ = new TPrefForm(main_);
    return *form_;
}

} // namespace zn::app::ui
