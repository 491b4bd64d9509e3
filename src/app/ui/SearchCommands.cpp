// The find and replace commands and the dialogs they show.
#include "app/ui/SearchCommands.h"

#include "app/ui/FormState.h"
#include "app/ui/FormStores.h"
#include "app/ui/TMainForm.h"
#include "editor/Search.h"
#include "editor/THTMLRichEdit.h"
#include "editor/ui/TComboBox98.h"
#include "editor/ui/TFindForm.h"
#include "editor/ui/TReplaceForm.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>

namespace zn::app::ui {

using editor::ui::TFindForm;
using editor::ui::TReplaceForm;

SearchCommands::SearchCommands(TMainForm& main) : QObject(&main), main_(main) {}

SearchCommands::~SearchCommands() = default;

void SearchCommands::Install() {
    QMenu* edit = main_.Menu(MainMenuId::Upravy);
    edit->addSeparator();
    FindItem =
        main_.AddCommand(edit,
                         {"Find1", "Najít...", Qt::CTRL | Qt::Key_F, "Najít|Najde text v dokumentu",
                          EnableRule::DocumentOpen, "edit-find"},
                         [this] { FindItemClick(); });
    FindNextItem = main_.AddCommand(edit,
                                    {"FindNext1", "&Najít znovu", Qt::Key_F3,
                                     "Najít znovu|Najde další výskyt hledaného textu",
                                     EnableRule::DocumentOpen},
                                    [this] { FindNextItemClick(); });
    ReplaceItem = main_.AddCommand(edit,
                                   {"Replace1", "Zaměnit...", Qt::CTRL | Qt::Key_H,
                                    "Zaměnit|Zamění text v dokumentu", EnableRule::DocumentOpen,
                                    "edit-find-replace"},
                                   [this] { ReplaceItemClick(); });
    main_.AddToolButton(FindItem);
    main_.AddToolButton(ReplaceItem);
}

TFindForm& SearchCommands::FindForm() {
    if (!findForm_) {
        findForm_ = new TFindForm(&main_);
        findState_ = std::make_unique<FormState>(findForm_, FindStore, main_.HostStore());
        findState_->AddComboItems(findForm_->FindCB);
        findState_->AddCheckBox(findForm_->CaseChB);
        findState_->AddCheckBox(findForm_->DIntelChB);
        TFindForm* form = findForm_;
        findState_->AddInteger(
            QStringLiteral("FromRG.ItemIndex"), [form] { return form->FromIndex(); },
            [form](int index) { form->SetFromIndex(index); });
        findState_->Restore();
    }
    return *findForm_;
}

TReplaceForm& SearchCommands::ReplaceForm() {
    if (!replaceForm_) {
        replaceForm_ = new TReplaceForm(&main_);
        replaceState_ = std::make_unique<FormState>(replaceForm_, ReplaceStore, main_.HostStore());
        TReplaceForm* form = replaceForm_;
        replaceState_->AddCheckBox(form->CaseChB);
        replaceState_->AddCheckBox(form->DIntelChB);
        replaceState_->AddComboItems(form->FindCB);
        replaceState_->AddInteger(
            QStringLiteral("FromRG.ItemIndex"), [form] { return form->FromIndex(); },
            [form](int index) { form->SetFromIndex(index); });
        replaceState_->AddCheckBox(form->PromptChb);
        replaceState_->AddCheckBox(form->RepAllChb);
        replaceState_->AddComboItems(form->WitCB);
        replaceState_->Restore();
    }
    return *replaceForm_;
}

void SearchCommands::FindItemClick() {
    if (!main_.ActiveEdit()) {
        return;
    }
    TFindForm& form = FindForm();
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    // The document may have closed while the dialog was open.
    editor::THTMLRichEdit* edit = main_.ActiveEdit();
    if (!edit) {
        return;
    }
    const editor::Position start =
        editor::StartIndex(form.FromIndex() == 1, edit->Model().Sel().caret);
    editor::FindAndShow(*edit, start, form.SearchBytes(), form.Options(), main_.Prompter());
}

void SearchCommands::FindNextItemClick() {
    editor::THTMLRichEdit* edit = main_.ActiveEdit();
    if (!edit) {
        return;
    }
    if (!findForm_ || !findForm_->Used() || findForm_->FindCB->currentText().isEmpty()) {
        FindItemClick();
        return;
    }
    editor::FindAndShow(*edit, editor::StartIndex(false, edit->Model().Sel().caret),
                        findForm_->SearchBytes(), findForm_->Options(), main_.Prompter());
}

void SearchCommands::ReplaceItemClick() {
    if (!main_.ActiveEdit()) {
        return;
    }
    TReplaceForm& form = ReplaceForm();
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    editor::THTMLRichEdit* edit = main_.ActiveEdit();
    if (!edit) {
        return;
    }
    const editor::Position start =
        editor::StartIndex(form.FromIndex() == 1, edit->Model().Sel().caret);
    if (form.PromptChb->isChecked()) {
        editor::ReplaceWithPrompts(*edit, start, form.SearchBytes(), form.Options(),
                                   form.ReplacementBytes(), main_.Prompter());
    } else {
        editor::ReplaceInDocument(*edit, start, form.SearchBytes(), form.Options(),
                                  form.ReplacementBytes());
    }
}

} // namespace zn::app::ui
