// The table wizard, the batch picture insertion and the frameset wizard as main-window commands.
#include "app/ui/WizardCommands.h"

#include "app/ui/PPrevForm.h"
#include "app/ui/TMDIChild.h"
#include "app/ui/TMainForm.h"
#include "app/ui/TagPanelBridge.h"
#include "base/Cp1250.h"
#include "base/Links.h"
#include "base/ui/LinkDialogs.h"
#include "structure/FrameWizard.h"
#include "structure/PictureType.h"
#include "structure/ui/TFramefrm.h"
#include "tags/PictureInsertion.h"
#include "tags/TableWizard.h"
#include "tags/TagCommands.h"
#include "tags/ui/TPicturePrefForm.h"
#include "tags/ui/TTableForm.h"
#include "tags/ui/TagActions.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSpinBox>

namespace zn::app::ui {

using structure::ui::TFramefrm;
using tags::ui::TPicturePrefForm;
using tags::ui::TTableForm;

namespace {

constexpr const char* kUnreadablePictures =
    "Rozměry těchto obrázků se nepodařilo zjistit, obrázky jsou vloženy bez nich:";

} // namespace

WizardCommands::WizardCommands(TMainForm& main) : QObject(&main), main_(main) {
    setObjectName(QStringLiteral("WizardCommands"));
}

WizardCommands::~WizardCommands() = default;

void WizardCommands::Install() {
    QMenu* html = main_.Menu(MainMenuId::Html);
    html->addSeparator();
    TableItem = main_.AddCommand(html,
                                 {"Table1",
                                  "Tabulka",
                                  {},
                                  "Tabulka|Vloží novou tabulku",
                                  EnableRule::DocumentOpen,
                                  "insert-table"},
                                 [this] { TableSBClick(); });
    InsertPictures1 = main_.AddCommand(html,
                                       {"InsertPictures1",
                                        "Vložit obrázky...",
                                        {},
                                        "Vložit najednou více obrázků",
                                        EnableRule::DocumentOpen,
                                        "insert-image"},
                                       [this] { InsertPictures1Click(); });
    main_.AddToolButton(TableItem);
    QMenu* structures =
        main_.TagCommands ? main_.TagCommands->Menu(QStringLiteral("NewMenu")) : html;
    ND2 = main_.AddCommand(
        structures,
        {"ND2", "Dokument s rámy...", {}, "Kostra dokumentu s rámy", EnableRule::DocumentOpen},
        [this] { ND2Click(); });
    pictureDialogState_ = std::make_unique<FormState>(&main_, DocumentStore, main_.HostStore());
    pictureDialogState_->AddDialog(QStringLiteral("OpenPictureDialog1"), pictureDialog_);
    pictureDialogState_->Restore();
}

TTableForm& WizardCommands::TableForm() {
    if (!tableForm_) {
        tableForm_ = new TTableForm(&main_);
        tableState_ = std::make_unique<FormState>(tableForm_, TableFormStore, main_.HostStore());
        tableState_->Restore();
    }
    return *tableForm_;
}

TPicturePrefForm& WizardCommands::PicturePrefForm() {
    if (!picturePrefForm_)
        picturePrefForm_ = new TPicturePrefForm(&main_);
    return *picturePrefForm_;
}

TFramefrm& WizardCommands::Framefrm() {
    if (!framefrm_) {
        framefrm_ = new TFramefrm(&main_);
        frameState_ = std::make_unique<FormState>(framefrm_, FrameWizardStore, main_.HostStore());
        frameState_->AddLines(framefrm_->NoFrames);
        frameState_->AddSpinBox(framefrm_->ColsSp);
        frameState_->AddSpinBox(framefrm_->RowsSp);
        frameState_->AddCheckBox(framefrm_->fonly);
        frameState_->Restore();
        framefrm_->ChooseSource = [this](const QString& current) {
            QFileDialog dialog(framefrm_, QStringLiteral("Najít soubor na disku"));
            dialog.setFileMode(QFileDialog::ExistingFile);
            base::ui::LinkPrompter prompter(framefrm_, "Kouzelník dokumentu s rámy");
            return base::ui::ChooseLink(dialog, current, main_.LinkSettings(), prompter);
        };
    }
    return *framefrm_;
}

void WizardCommands::TableSBClick() {
    if (!main_.ActiveEdit())
        return;
    TTableForm& form = TableForm();
    if (form.exec() != QDialog::Accepted)
        return;
    // The document may have closed while the dialog was open.
    if (editor::THTMLRichEdit* edit = main_.ActiveEdit())
        tags::InsertTable(*edit, form.Table(), main_.Options().UpperCaseTags);
}

QStringList WizardCommands::AskPictureNames(const QString& folder) {
    if (PictureNamesAsker)
        return PictureNamesAsker(folder);
    QFileDialog dialog(&main_, QStringLiteral("Vložit obrázky"));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(PictureOpenFilters());
    pictureDialog_.InitialDir = folder;
    pictureDialog_.ApplyTo(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    pictureDialog_.TakeFrom(dialog);
    return dialog.selectedFiles();
}

void WizardCommands::InsertPictures1Click() {
    if (!main_.ActiveEdit())
        return;
    const std::string folder = base::DocumentFolder(main_.DocumentFileName());
    const QStringList names = AskPictureNames(QString::fromStdString(folder));
    // The folder is the document's for this call only.
    pictureDialog_.InitialDir.clear();
    pictureDialogState_->Save();
    if (names.isEmpty() || PicturePrefForm().exec() != QDialog::Accepted)
        return;
    editor::THTMLRichEdit* edit = main_.ActiveEdit();
    if (!edit)
        return;
    const tags::TPictureOptions options = PicturePrefForm().Options();
    std::vector<tags::TPictureEntry> pictures;
    std::string unreadable;
    for (const QString& name : names) {
        tags::TPictureEntry& picture = pictures.emplace_back();
        picture.FileName = name.toStdString();
        if (!options.WriteSize)
            continue;
        try {
            if (const auto size = structure::PictureDimensions(picture.FileName)) {
                picture.Width = size->Width;
                picture.Height = size->Height;
            }
        } catch (const std::exception&) {
            unreadable += "\n" + picture.FileName;
        }
    }
    tags::InsertPictures(*edit, pictures, folder, options, main_.Options().UpperCaseTags);
    if (!unreadable.empty())
        main_.Prompter().Tell(kUnreadablePictures + unreadable, base::Severity::Warning);
}

void WizardCommands::ND2Click() {
    editor::THTMLRichEdit* edit = main_.ActiveEdit();
    if (!edit)
        return;
    // The text goes only when the wizard is confirmed, in the same undo step as the frameset.
    bool clear = false;
    if (edit->Model().Length() > 0) {
        const base::Answer answer =
            main_.Prompter().Ask(tags::kClearDocumentQuestion, base::Buttons::YesNoCancel);
        if (answer == base::Answer::Cancel)
            return;
        clear = answer == base::Answer::Yes;
    }
    TFramefrm& form = Framefrm();
    if (form.exec() != QDialog::Accepted)
        return;
    edit = main_.ActiveEdit();
    if (!edit)
        return;
    const structure::TFrameDocument document = form.Document();
    const std::string documentFile = main_.DocumentFileName();
    structure::InsertFrameDocument(*edit, document, clear, main_.Options().UpperCaseTags);
    std::vector<std::string> opened;
    QComboBox* targets = main_.Inspector
                             ? main_.Inspector->Inspector().Panels().As<QComboBox>("RefTarget")
                             : nullptr;
    for (const auto& row : document.Cells)
        for (const structure::TFrameCell& cell : row) {
            const QString name = QString::fromStdString(base::Cp1250ToUtf8(cell.Frame.Name));
            if (targets && targets->findText(name) < 0)
                targets->addItem(name);
            if (cell.Frame.OpenAfter && !cell.Source.empty())
                opened.push_back(cell.Source);
        }
    OpenFramesAfter(opened, documentFile);
}

void WizardCommands::OpenFramesAfter(const std::vector<std::string>& sources,
                                     const std::string& document) {
    for (const std::string& source : sources) {
        const std::string file = base::LinkToFileName(base::Cp1250ToUtf8(source), document);
        const QString name = QString::fromStdString(file);
        // Only files that exist; a frame page already open is left as it is.
        if (file.empty() || file.front() != '/' || !QFileInfo(name).isFile())
            continue;
        bool open = false;
        for (TMDIChild* child : main_.Documents())
            open = open || child->Caption() == name;
        if (!open)
            main_.OpenFile(name);
    }
}

} // namespace zn::app::ui
