// The encoding commands and the dialogs they show.
#include "app/ui/EncodingCommands.h"

#include "app/EncodingList.h"
#include "app/ui/FormState.h"
#include "app/ui/FormStores.h"
#include "app/ui/TMDIChild.h"
#include "app/ui/TMainForm.h"
#include "editor/THTMLRichEdit.h"
#include "editor/ui/TEncForm.h"
#include "editor/ui/TEncodingsForm.h"

#include <QAction>
#include <QMenu>

namespace zn::app::ui {

using editor::ui::TEncForm;
using editor::ui::TEncodingsForm;

EncodingCommands::EncodingCommands(TMainForm& main)
    : QObject(&main), main_(main), changer_(&main.Prompter()) {
    InstallShippedEncodings(main_.HostStore(), ShippedEncodingsFolder());
    LoadInstalledEncodings(main_.HostStore());
}

EncodingCommands::~EncodingCommands() = default;

void EncodingCommands::Install() {
    EncodingItem =
        main_.AddCommand(main_.Menu(MainMenuId::Funkce),
                         {"Kodovani1",
                          "České kódování...",
                          {},
                          "Změnit kódování češtiny|Překódovat do jiného kódování češtiny",
                          EnableRule::DocumentOpen,
                          "preferences-desktop-locale"},
                         [this] { EncodingItemClick(); });
    WinToIsoButton = main_.AddCommand(
        nullptr,
        {"WinToIsoButton",
         "Win→ISO",
         {},
         "Změnit kódování češtiny z Win 1250 do ISO 8859-2",
         EnableRule::DocumentOpen},
        [this] { ConvertWithoutDialog("Windows-1250", "ISO Latin2 (ISO 8859-2)"); });
    IsoToWinButton = main_.AddCommand(
        nullptr,
        {"IsoToWinButton",
         "ISO→Win",
         {},
         "Změnit kódování češtiny z ISO 8859-2 do Win 1250",
         EnableRule::DocumentOpen},
        [this] { ConvertWithoutDialog("ISO Latin2 (ISO 8859-2)", "Windows-1250"); });
    ReopenItem = main_.AddCommand(main_.Menu(MainMenuId::Funkce),
                                  {"ReopenEncoding",
                                   "Znovu načíst v jiném kódování (UTF-8 / Windows-1250)",
                                   {},
                                   "Znovu načíst soubor jako UTF-8, nebo jako Windows-1250",
                                   EnableRule::DocumentOpen},
                                  [this] {
                                      if (TMDIChild* document = main_.ActiveDocument()) {
                                          document->ReopenInOtherEncoding();
                                      }
                                  });
    RepairItem = main_.AddCommand(main_.Menu(MainMenuId::Funkce),
                                  {"RepairEncoding",
                                   "Opravit kódování výběru",
                                   {},
                                   "Převést výběr z kódování, ve kterém zřejmě je",
                                   EnableRule::DocumentOpen},
                                  [this] {
                                      if (TMDIChild* document = main_.ActiveDocument()) {
                                          document->RepairSelectionEncoding();
                                      }
                                  });
    main_.AddToolButton(EncodingItem);
    main_.AddToolButton(WinToIsoButton);
    main_.AddToolButton(IsoToWinButton);
    main_.InstallEncodingFile = [this](const QString& fileName) { InstallEncodingFile(fileName); };
}

TEncForm& EncodingCommands::EncForm() {
    if (!encForm_) {
        encForm_ = new TEncForm(&main_.Prompter(), &main_);
        encForm_->OnConfigure = [this] { ShowInstalledEncodings(); };
        encFormState_ = std::make_unique<FormState>(encForm_, EncFormStore, main_.HostStore());
        TEncForm* form = encForm_;
        encFormState_->AddInteger(
            QStringLiteral("Panel2.Height"), [form] { return form->ListPanelHeight(); },
            [form](int height) { form->SetListPanelHeight(height); });
        encFormState_->Restore();
    }
    return *encForm_;
}

TEncodingsForm& EncodingCommands::EncodingsForm() {
    if (!encodingsForm_) {
        encodingsForm_ = new TEncodingsForm(&main_);
        encodingsState_ =
            std::make_unique<FormState>(encodingsForm_, EncDialogStore, main_.HostStore());
        TEncodingsForm* form = encodingsForm_;
        encodingsState_->AddString(
            QStringLiteral("OpenDialog1.FileName"), [form] { return form->LastFile; },
            [form](const QString& file) { form->LastFile = file; });
        encodingsState_->Restore();
    }
    return *encodingsForm_;
}

void EncodingCommands::ShowInstalledEncodings() {
    TEncodingsForm& form = EncodingsForm();
    form.SetPaths(ReadInstalledEncodings(main_.HostStore()));
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    SaveInstalledEncodings(main_.HostStore(), form.Paths());
    LoadInstalledEncodings(main_.HostStore());
    if (encForm_) {
        encForm_->Prepare();
    }
}

void EncodingCommands::InstallEncodingFile(const QString& fileName) {
    app::InstallEncodingFile(main_.HostStore(), fileName.toStdString());
    if (encForm_) {
        encForm_->Prepare();
    }
}

void EncodingCommands::ConvertActive(bool useDialogChoice) {
    editor::THTMLRichEdit* edit = main_.ActiveEdit();
    if (!edit) {
        return;
    }
    changer_.SetPrompter(&main_.Prompter());
    editor::ConvertDocument(*edit, changer_, useDialogChoice, main_.HostSettings().EncInf,
                            main_.Prompter());
    if (TMDIChild* document = main_.ActiveDocument()) {
        document->UpdateModified();
    }
}

void EncodingCommands::EncodingItemClick() {
    editor::THTMLRichEdit* edit = main_.ActiveEdit();
    if (!edit) {
        return;
    }
    if (EncForm().Execute(changer_, edit->Model().SelText())) {
        ConvertActive(true);
    }
}

void EncodingCommands::ConvertWithoutDialog(const char* from, const char* to) {
    changer_.FromEnc = from;
    changer_.ToEnc = to;
    ConvertActive(false);
}

} // namespace zn::app::ui
