// The document parameters and script events commands of the main window.
#include "app/ui/ParameterCommands.h"

#include "app/ui/FormStores.h"
#include "app/ui/PPrevForm.h"
#include "app/ui/TMainForm.h"
#include "app/ui/TagPanelBridge.h"
#include "base/Links.h"
#include "base/ui/LinkDialogs.h"
#include "tags/ScriptEvents.h"
#include "tags/ui/TColorForm.h"
#include "tags/ui/TInfoForm.h"
#include "tags/ui/TagPanelWriters.h"
#include "tags/ui/Tjsform.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>

namespace zn::app::ui {

ParameterCommands::ParameterCommands(TMainForm& main) : QObject(&main), main_(main) {
    setObjectName(QStringLiteral("ParameterCommands"));
}

ParameterCommands::~ParameterCommands() = default;

void ParameterCommands::Install() {
    QMenu* html = main_.Menu(MainMenuId::Html);
    InfoItem = main_.AddCommand(html,
                                {"Parametrydokumentu1",
                                 "Parametry dokumentu...",
                                 {},
                                 "Parametry dokumentu|Spustit editor parametrů dokumentu",
                                 EnableRule::DocumentOpen,
                                 "document-properties"},
                                [this] { InfoItemClick(); });
    JSSB = main_.AddCommand(html,
                            {"JSSB",
                             "Události pro JavaScripty...",
                             {},
                             "Události pro JavaScripty",
                             EnableRule::ScriptEvents,
                             "code-context"},
                            [this] { JSSBClick(); });
    main_.AddToolButton(InfoItem);
    main_.AddToolButton(JSSB);
    main_.TakesScriptEvents = [](const std::string& name) { return tags::EventMask(name) != 0; };
}

QString ParameterCommands::AskSchemeName(bool save) {
    if (SchemeNameAsker) {
        return SchemeNameAsker(save);
    }
    const QString scheme = QStringLiteral("Barevné schéma (*.csh)");
    const QString all = QStringLiteral("Všechny soubory (*)");
    QFileDialog dialog(infoForm_);
    DialogMemory& memory = save ? saveDialog_ : openDialog_;
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("csh"));
        dialog.setNameFilters({scheme, all});
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters({scheme, QStringLiteral("HTML soubory (*.html *.htm)"), all});
    }
    memory.ApplyTo(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    memory.TakeFrom(dialog);
    return dialog.selectedFiles().first();
}

tags::ui::TInfoForm& ParameterCommands::InfoForm() {
    if (infoForm_ == nullptr) {
        tags::ui::TInfoFormHost host;
        host.EditColor = [this](const std::string& text) {
            return main_.Inspector->Inspector().Writers().ColorForm().Edit(text);
        };
        host.LoadPicture = [this](const std::string& link) {
            return main_.Inspector->LoadPreviewPicture(
                base::LinkToFileName(link, main_.DocumentFileName()));
        };
        host.ChoosePicture = [this](const std::string& current) -> std::optional<std::string> {
            QFileDialog dialog(infoForm_, QStringLiteral("Obrázek pozadí"));
            dialog.setFileMode(QFileDialog::ExistingFile);
            dialog.setNameFilters(PictureOpenFilters());
            pictureDialog_.ApplyTo(dialog);
            base::ui::LinkPrompter prompter(infoForm_, "Parametry dokumentu");
            const QString link = base::ui::ChooseLink(dialog, QString::fromStdString(current),
                                                      main_.LinkSettings(), prompter);
            if (link == QString::fromStdString(current)) {
                return std::nullopt;
            }
            pictureDialog_.TakeFrom(dialog);
            return link.toStdString();
        };
        host.SchemeFileName = [this](bool save) { return AskSchemeName(save); };
        host.Prompter = &main_.HostPrompter();
        infoForm_ = new tags::ui::TInfoForm(std::move(host), &main_);
        infoState_ = std::make_unique<FormState>(infoForm_, InfoStore, main_.HostStore());
        infoState_->AddDialog(QStringLiteral("OpenDialog"), openDialog_);
        infoState_->AddDialog(QStringLiteral("SaveDialog"), saveDialog_);
        infoState_->Restore();
    }
    return *infoForm_;
}

tags::ui::Tjsform& ParameterCommands::JSForm() {
    if (jsForm_ == nullptr) {
        jsForm_ = new tags::ui::Tjsform(&main_);
        jsState_ = std::make_unique<FormState>(jsForm_, JSFormStore, main_.HostStore());
        jsState_->Restore();
    }
    return *jsForm_;
}

void ParameterCommands::InfoItemClick() {
    editor::THTMLRichEdit* edit = main_.ActiveEdit();
    if (edit == nullptr) {
        return;
    }
    tags::ui::TInfoForm& form = InfoForm();
    form.ReadDocument(*edit);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    // The document may have closed while the dialog was open.
    if (main_.ActiveEdit() == edit) {
        tags::WriteParameters(*edit, form.Values(), main_.Options().UpperCaseTags);
    }
}

void ParameterCommands::JSSBClick() {
    editor::THTMLRichEdit* edit = main_.ActiveEdit();
    if (edit == nullptr) {
        return;
    }
    tags::ui::Tjsform& form = JSForm();
    if (!form.ReadTag(*edit) || form.exec() != QDialog::Accepted) {
        return;
    }
    if (main_.ActiveEdit() == edit) {
        tags::WriteEvents(*edit, form.Rows(), main_.Options().UpperCaseTags);
    }
}

} // namespace zn::app::ui
