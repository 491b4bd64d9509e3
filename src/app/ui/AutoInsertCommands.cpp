// The automatic-insertion commands and the definitions window they keep.
#include "app/ui/AutoInsertCommands.h"

#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"
#include "app/ui/FormState.h"
#include "app/ui/FormStores.h"
#include "app/ui/TMDIChild.h"
#include "app/ui/TMainForm.h"
#include "editor/AutoInsert.h"
#include "editor/THTMLRichEdit.h"
#include "editor/ui/TAutoDefForm.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

namespace zn::app::ui {

using editor::ui::TAutoDefForm;

AutoInsertCommands::AutoInsertCommands(TMainForm& main) : QObject(&main), main_(main) {}

AutoInsertCommands::~AutoInsertCommands() = default;

void AutoInsertCommands::Install() {
    QMenu* edit = main_.Menu(MainMenuId::Upravy);
    edit->addSeparator();
    AutoInsertItem = main_.AddCommand(edit,
                                      {"AutoInsert1",
                                       "Automaticky vkládat",
                                       {},
                                       "Spustit automatickou záměnu",
                                       EnableRule::AutoInsert,
                                       "tools-check-spelling"},
                                      [this] { AutoInsertItemClick(); });
    DefinitionsItem = main_.AddCommand(edit,
                                       {"AutoDef1",
                                        "Definice automatického vkládání...",
                                        {},
                                        "Definice automatického vkládání|Upraví seznam značek "
                                        "automatického vkládání"},
                                       [this] { DefinitionsItemClick(); });
    main_.AddToolButton(AutoInsertItem);
    main_.AutoOpenDefinitions = [this](const QString& fileName) {
        AutoDefForm().LoadFile(fileName);
    };
    main_.AutoDefWindowExists = [this] { return Exists(); };
}

TAutoDefForm& AutoInsertCommands::AutoDefForm() {
    if (!form_) {
        form_ = new TAutoDefForm(main_.Prompter(), &main_);
        formState_ = std::make_unique<FormState>(form_, AutoDefStore, main_.HostStore());
        TAutoDefForm* form = form_;
        formState_->AddString(
            QStringLiteral("OpenDialog1.FileName"), [form] { return form->OpenFileName; },
            [form](const QString& name) { form->OpenFileName = name; });
        formState_->AddString(
            QStringLiteral("SaveDialog1.FileName"), [form] { return form->SaveFileName; },
            [form](const QString& name) { form->SaveFileName = name; });
        formState_->Restore();
        form_->OnFileUsed = [this](const QString& name) {
            main_.HostStore().WriteString(KVHTMLKey, AdfOpenValue, name.toStdString());
        };
    }
    return *form_;
}

void AutoInsertCommands::DefinitionsItemClick() {
    TAutoDefForm& form = AutoDefForm();
    form.show();
    form.raise();
    form.activateWindow();
}

void AutoInsertCommands::AutoInsertItemClick() {
    editor::THTMLRichEdit* edit = main_.ActiveEdit();
    if (!form_ || form_->List().Items().empty() || !edit) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const editor::AutoInsertResult result =
        editor::AutoInsertDocument(*edit, form_->List().Items(), form_->Clock());
    QApplication::restoreOverrideCursor();
    if (TMDIChild* document = main_.ActiveDocument()) {
        document->UpdateModified();
    }
    if (!result.Error.empty()) {
        main_.Prompter().Tell(result.Error, base::Severity::Error);
    }
}

} // namespace zn::app::ui
