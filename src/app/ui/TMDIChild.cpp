// The document window: loading, saving with its questions, the preview, and closing.
#include "app/ui/TMDIChild.h"

#include "app/DiskStamp.h"
#include "app/DocumentFile.h"
#include "app/RecoveryJournal.h"
#include "app/Settings.h"
#include "app/ui/CharsetCheckDialog.h"
#include "app/ui/DocumentHost.h"
#include "app/ui/EncodingOfferBar.h"
#include "app/ui/FormState.h"
#include "app/ui/PreviewPane.h"
#include "app/ui/SettingsConvert.h"
#include "app/ui/TSaveForm.h"
#include "base/FileIO.h"
#include "base/HtmlColor.h"
#include "base/Prompter.h"
#include "base/SafeSave.h"
#include "base/Utf8.h"
#include "editor/DocumentKeys.h"
#include "editor/EncodingDetective.h"
#include "editor/ui/HtmlEditView.h"
#include "structure/DocumentStructure.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QRandomGenerator>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

namespace zn::app::ui {
namespace {

std::string Path(const QString& name) {
    return name.toStdString();
}

bool Untitled(const QString& caption) {
    return caption.contains(QStringLiteral("BezJmena"));
}

QColor ToQColor(base::TColor c) {
    return QColor(base::RedOf(c), base::GreenOf(c), base::BlueOf(c));
}

/// A busy cursor for the lifetime of the object.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

TMDIChild::TMDIChild(DocumentHost& host, QWidget* parent)
    : QWidget(parent), host_(host), edit_(std::make_unique<editor::THTMLRichEdit>()) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    offer_ = new EncodingOfferBar(this);
    offer_->OnConvert = [this](editor::PageEncoding found) {
        editor::TextModel& model = edit_->Model();
        model.Replace(0, model.Length(), editor::RepairText(model.Text(), found, model.Utf8()));
        edit_->ColorAll();
        UpdateModified();
    };
    layout->addWidget(offer_);
    pages_ = new QStackedWidget(this);
    view_ = new editor::ui::HtmlEditView(*edit_, pages_);
    view_->setObjectName(QStringLiteral("EditedText"));
    preview_ = new PreviewPane(pages_);
    pages_->addWidget(view_);
    pages_->addWidget(preview_);
    layout->addWidget(pages_, 1);

    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("TabControl1"));
    tabs_->setShape(QTabBar::RoundedSouth);
    tabs_->addTab(QStringLiteral("Zdrojový kód"));
    tabs_->addTab(QStringLiteral("Náhled"));
    layout->addWidget(tabs_);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { ShowPage(index); });

    status_ = new QStatusBar(this);
    status_->setObjectName(QStringLiteral("StatusBar1"));
    status_->setSizeGripEnabled(false);
    const int widths[4] = {50, 60, 40, 90};
    for (int i = 0; i < 4; ++i) {
        panels_[i] = new QLabel(status_);
        panels_[i]->setMinimumWidth(widths[i]);
        panels_[i]->setFrameShape(QFrame::Panel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
        status_->addWidget(panels_[i]);
    }
    panels_[1]->setAlignment(Qt::AlignCenter);
    panels_[2]->setText(QStringLiteral("insert"));
    panels_[3]->setObjectName(QStringLiteral("EncodingPanel"));
    panels_[3]->setText(QStringLiteral("Windows-1250"));
    layout->addWidget(status_);

    edit_->OnTagChange = [this] { OnTagChange(); };
    edit_->OnChange = [this] { UpdateStatus(); };
    edit_->OnSelectionChange = [this] { UpdateStatus(); };
    edit_->OnBusy = [](bool busy) {
        if (busy) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::restoreOverrideCursor();
        }
    };
    view_->setContextMenuProvider([this] { return host_.EditorPopupMenu(); });
    connect(view_, &editor::ui::HtmlEditView::overwriteChanged, this,
            [this] { panels_[2]->setText(QString::fromStdString(view_->Keys().InsertPanel())); });
    ApplyLook();
    setFocusProxy(view_);

    formState_ = std::make_unique<FormState>(this, DocumentStore, host_.HostStore());
    formState_->AddInteger(
        QStringLiteral("SaveDialog.FilterIndex"), [this] { return saveFilterIndex_; },
        [this](int index) { saveFilterIndex_ = std::clamp(index, 1, 7); });
    formState_->AddString(
        QStringLiteral("SaveDialog.InitialDir"), [this] { return saveInitialDir_; },
        [this](const QString& dir) { saveInitialDir_ = dir; });
    formState_->Restore();
}

TMDIChild::~TMDIChild() {
    formState_.reset();
    DeletePreviewFiles();
    // The view observes the control's model: it goes first.
    delete pages_;
}

void TMDIChild::SetCaption(const QString& caption) {
    caption_ = caption;
    setWindowTitle(caption + QStringLiteral("[*]")); // "*" while modified
    emit captionChanged(caption);
}

// --- look ---

void TMDIChild::ApplyLook() {
    const Settings& s = host_.HostSettings();
    view_->setEditorFont(FontFromStored(s.FL));
    edit_->SyntaxHighLighting = s.UseHighLight;
    edit_->AutoComplete = s.AutoComplete;
    edit_->TagColor = s.Ptag;
    edit_->ParameterColor = s.ppar;
    edit_->ValueColor = s.pval;
    ApplyColors();
    view_->setWordWrap(s.WRAPTAGS);
    view_->setLineNumbers(s.LineNumbers);
    view_->setUpperCaseTags(s.UpperCaseTags);
}

void TMDIChild::ApplyPreferences(bool recolor) {
    const bool modified = edit_->Model().Modified();
    ApplyLook();
    if (recolor) {
        if (edit_->SyntaxHighLighting)
            edit_->ColorAll();
        else
            edit_->Uncolor();
    }
    edit_->Model().SetCaret(0);
    edit_->Model().SetModified(modified);
    UpdateModified();
    view_->viewport()->update();
}

void TMDIChild::ApplyColors() {
    const Settings& s = host_.HostSettings();
    if (s.UseColors) {
        view_->setTextColors(ToQColor(DocText), ToQColor(DocBackground));
    } else {
        view_->setTextColors(ToQColor(s.ptxt), ToQColor(s.pbkg));
    }
}

// --- creating and loading ---

void TMDIChild::CreateNew(const QString& caption) {
    Settings& s = host_.HostSettings();
    edit_->Model().SetModified(false);
    UpdateModified();
    SetCaption(caption);
    if (s.AskForStructure && host_.HostPrompter().Ask("Vytvořit HTML strukturu?",
                                                      base::Buttons::YesNo) == base::Answer::Yes) {
        host_.NewHtmlStructure(*this);
    }
    TSaveForm& info = host_.SaveForm();
    if (!info.DontShowAgain()) {
        info.exec();
        s.SaveInfo = info.DontShowAgain();
    }
    host_.BringToFront();
    panels_[2]->setText(QStringLiteral("insert"));
    edit_->Model().SetModified(false);
    UpdateModified();
}

bool TMDIChild::ReadInto(const QString& fileName, int utf8) {
    std::string bytes;
    base::FileResult read;
    {
        BusyCursor busy;
        read = base::ReadDocumentFile(Path(fileName), bytes);
        if (read.ok) {
            stamp_ = StampOf(Path(fileName));
            ignoredStamp_ = stamp_;
            unixLineEnds_ = HasOnlyLfLineEnds(bytes);
            if (LooksBinary(bytes)) {
                status_->showMessage(
                    QStringLiteral("Soubor %1 obsahuje nulové bajty – zřejmě to není text.")
                        .arg(QFileInfo(fileName).fileName()),
                    15000);
            }
            const editor::OpenChoice choice = editor::ChooseOpenEncoding(bytes);
            const bool asUtf8 = utf8 < 0 ? choice.utf8 : utf8 == 1;
            bom_ = asUtf8 && choice.bom;
            edit_->Model().SetUtf8(asUtf8);
            edit_->Model().Load(std::string_view(bytes).substr(bom_ ? base::kUtf8Bom.size() : 0));
            panels_[3]->setText(asUtf8 ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1250"));
            bytes.clear();
            bytes.shrink_to_fit();
            ReadDocumentColors();
            edit_->ColorAll();
        }
    }
    if (!read.ok) {
        host_.HostPrompter().Tell(read.message, base::Severity::Error);
    }
    return read.ok;
}

bool TMDIChild::Open(const QString& fileName) {
    if (!ReadInto(fileName)) {
        host_.OpenFailed();
        return false;
    }
    ApplyLook();
    edit_->Model().SetModified(false);
    UpdateModified();
    panels_[2]->setText(QStringLiteral("insert"));
    SetCaption(fileName);
    OfferEncoding();
    host_.BringToFront();
    return true;
}

void TMDIChild::OfferEncoding() {
    const editor::TextModel& model = edit_->Model();
    const std::string text = model.Text();
    const editor::PageEncoding found = editor::DetectEncoding(text, model.Utf8());
    const editor::PageEncoding own =
        model.Utf8() ? editor::PageEncoding::Utf8 : editor::PageEncoding::Windows1250;
    if (found == own) {
        offer_->hide();
        return;
    }
    offer_->Offer(found, editor::SuspiciousWords(text, found, model.Utf8()));
}

bool TMDIChild::ReopenInOtherEncoding() {
    const bool utf8 = !edit_->Model().Utf8();
    const std::string name = utf8 ? "UTF-8" : "Windows-1250";
    if (Untitled(caption_)) {
        host_.HostPrompter().Tell("Dokument ještě není uložen, nelze ho znovu načíst v kódování " +
                                      name + ".",
                                  base::Severity::Error);
        return false;
    }
    if (edit_->Model().Modified() &&
        host_.HostPrompter().Ask("Znovu načíst soubor " + Path(caption_) + " v kódování " + name +
                                     " a zahodit změny?",
                                 base::Buttons::YesNo) != base::Answer::Yes) {
        return false;
    }
    if (!ReadInto(caption_, utf8 ? 1 : 0)) {
        return false;
    }
    edit_->Model().SetModified(false);
    UpdateModified();
    OfferEncoding();
    return true;
}

void TMDIChild::RepairSelectionEncoding() {
    editor::TextModel& model = edit_->Model();
    const bool whole = model.SelLength() == 0;
    const editor::TextModel::Range range{whole ? 0 : model.SelStart(),
                                         whole ? model.Length() : model.SelLength()};
    const std::string text = model.GetText(range.position, range.length);
    const editor::PageEncoding found = editor::DetectEncoding(text, model.Utf8());
    const std::string repaired = editor::RepairText(text, found, model.Utf8());
    if (repaired == text) {
        host_.HostPrompter().Tell("Kódování textu vypadá správně.", base::Severity::Information);
        return;
    }
    model.Replace(range.position, range.length, repaired);
    if (!whole) {
        model.Select(range.position, static_cast<editor::Position>(repaired.size()));
    }
    edit_->ColorAll();
    UpdateModified();
}

void TMDIChild::Recover(const QString& caption, const std::string& text) {
    const bool utf8 = editor::ChooseOpenEncoding(text).utf8;
    edit_->Model().SetUtf8(utf8);
    edit_->Model().Load(text);
    panels_[3]->setText(utf8 ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1250"));
    ReadDocumentColors();
    edit_->ColorAll();
    ApplyLook();
    SetCaption(caption);
    // The file as it is now counts as read: later changes by other programs are asked about.
    stamp_ = Untitled(caption) ? DiskStamp{} : StampOf(Path(caption));
    ignoredStamp_ = stamp_;
    panels_[2]->setText(QStringLiteral("insert"));
    edit_->Model().SetModified(true);
    UpdateModified();
}

bool TMDIChild::Reload(const QString& fileName) {
    if (!ReadInto(fileName)) {
        return false;
    }
    edit_->Model().SetModified(false);
    UpdateModified();
    SetCaption(fileName);
    ApplyColors();
    host_.BringToFront();
    return true;
}

void TMDIChild::ReadDocumentColors() {
    const structure::TStructure found = structure::ScanStructure(edit_->Model().Text());
    DocBackground = found.BodyColor.value_or(DocBackground);
    DocText = found.TextColor.value_or(DocText);
    DocLink = found.LinkColor.value_or(DocLink);
}

void TMDIChild::SetPageColors(base::TColor body, base::TColor text, base::TColor link) {
    const bool changed = body != DocBackground || text != DocText;
    DocBackground = body;
    DocText = text;
    DocLink = link;
    if (changed) {
        ApplyColors();
    }
}

// --- saving ---

bool TMDIChild::ConfirmReadOnly(const QString& fileName, bool& wasReadOnly) {
    wasReadOnly = false;
    const std::string path = Path(fileName);
    if (!QFileInfo::exists(fileName) || !base::IsReadOnly(path)) {
        return true;
    }
    base::Prompter& prompt = host_.HostPrompter();
    if (!base::SetReadOnly(path, false)) {
        prompt.Tell("Do souboru " + path + " nelze zapisovat", base::Severity::Error);
        return false;
    }
    wasReadOnly = true;
    if (prompt.Ask("Skutečně zapsat změny do souboru " + path + "\r\n,který je pouze pro čtení?",
                   base::Buttons::YesNo, base::Severity::Warning) != base::Answer::Yes) {
        base::SetReadOnly(path, true);
        wasReadOnly = false;
        return false;
    }
    return true;
}

bool TMDIChild::CheckDeclaredCharset(const QString& fileName) {
    editor::TextModel& model = edit_->Model();
    const std::string text = model.Text();
    const auto declared = editor::ForeignCharset(text, model.Utf8());
    if (!declared) {
        return true;
    }
    const auto unfit = editor::CharactersOutsideCharset(text, model.Utf8(), *declared);
    if (unfit.empty()) {
        return true;
    }
    CharsetCheckDialog dialog(fileName, *declared, unfit, this);
    dialog.exec();
    static constexpr editor::Substitute kHow[] = {editor::Substitute::NamedEntities,
                                                  editor::Substitute::NumericEntities,
                                                  editor::Substitute::Ascii};
    switch (dialog.Chosen()) {
    case CharsetCheckDialog::Cancel:
        return false;
    case CharsetCheckDialog::SaveUnchanged:
        return true;
    default:
        model.Replace(
            0, model.Length(),
            editor::SubstituteCharacters(text, model.Utf8(), *declared, kHow[dialog.Chosen()]));
        edit_->ColorAll();
        return true;
    }
}

bool TMDIChild::WriteTo(const QString& fileName) {
    if (!CheckDeclaredCharset(fileName)) {
        return false;
    }
    const std::string text =
        (bom_ ? std::string(base::kUtf8Bom) : std::string()) + edit_->Model().Text();
    // A hard-linked file or one in a folder that refuses new files is written in place, with
    // a rescue copy in the recovery folder first.
    const base::FileResult written = base::WriteDocumentFile(
        Path(fileName),
        (host_.HostSettings().UnixFormat || unixLineEnds_) ? ToUnixLineEnds(text) : text,
        RescueFolder());
    if (!written.ok) {
        host_.HostPrompter().Tell(written.message, base::Severity::Error);
        return false;
    }
    stamp_ = StampOf(Path(fileName));
    ignoredStamp_ = stamp_;
    return true;
}

bool TMDIChild::WriteGuarded(const QString& fileName) {
    bool wasReadOnly = false;
    if (!ConfirmReadOnly(fileName, wasReadOnly)) {
        return false;
    }
    const bool ok = WriteTo(fileName);
    if (wasReadOnly) {
        base::SetReadOnly(Path(fileName), true);
    }
    return ok;
}

bool TMDIChild::Save(bool saveAs) {
    if (saveAs || Untitled(caption_)) {
        return SaveAs();
    }
    if (!ConfirmOverwriteChanged() || !WriteGuarded(caption_)) {
        return false;
    }
    host_.AddToRecent(caption_);
    edit_->Model().SetModified(false);
    UpdateModified();
    return true;
}

bool TMDIChild::SaveAs() {
    Settings& s = host_.HostSettings();
    for (;;) {
        const bool untitled = Untitled(caption_);
        const QFileInfo current(caption_);
        const QString folder =
            untitled ? QString::fromStdString(s.defstore) : current.absolutePath();
        const QString proposed = untitled ? QString() : current.fileName();
        QString name = host_.AskSaveFileName(this, folder, proposed, saveFilterIndex_);
        if (name.isEmpty()) {
            return false;
        }
        name = QString::fromStdString(WithSaveExtension(Path(name), saveFilterIndex_));
        saveInitialDir_ = QFileInfo(name).absolutePath();
        s.defstore = saveInitialDir_.toStdString();
        if (QFileInfo::exists(name)) {
            const base::Answer answer = host_.HostPrompter().Ask(
                "Soubor " + Path(name) + " existuje - přepsat?", base::Buttons::YesNoCancel);
            if (answer == base::Answer::No) {
                continue;
            }
            if (answer != base::Answer::Yes) {
                return false;
            }
            if (!WriteGuarded(name)) {
                return false;
            }
        } else if (!WriteTo(name)) {
            return false;
        }
        SetCaption(name);
        host_.AddToRecent(name);
        edit_->Model().SetModified(false);
        UpdateModified();
        return true;
    }
}

// --- the file on disk ---

bool TMDIChild::ConfirmOverwriteChanged() {
    const DiskStamp now = StampOf(Path(caption_));
    if (!stamp_.Exists || !now.Exists || now == stamp_) {
        return true;
    }
    return host_.HostPrompter().Ask("Soubor " + Path(caption_) +
                                        " byl od načtení změněn jiným programem.\n"
                                        "Přesto ho přepsat?",
                                    base::Buttons::YesNo,
                                    base::Severity::Warning) == base::Answer::Yes;
}

void TMDIChild::CheckDiskChange() {
    if (!stamp_.Exists || Untitled(caption_)) {
        return;
    }
    const DiskStamp now = StampOf(Path(caption_));
    if (now == stamp_ || now == ignoredStamp_) {
        return;
    }
    ignoredStamp_ = now; // one question per change
    base::Prompter& prompt = host_.HostPrompter();
    if (!now.Exists) {
        prompt.Tell("Soubor " + Path(caption_) +
                        " byl smazán nebo přesunut jiným programem.\n"
                        "Text zůstává v editoru; uložením se soubor zapíše znovu.",
                    base::Severity::Warning);
        edit_->Model().SetModified(true);
        UpdateModified();
        return;
    }
    const std::string question =
        "Soubor " + Path(caption_) + " byl změněn jiným programem.\n" +
        (modified_ ? "Načíst ho znovu a zahodit neuložené změny?" : "Načíst ho znovu?");
    if (prompt.Ask(question, base::Buttons::YesNo, base::Severity::Warning) == base::Answer::Yes) {
        Reload(caption_);
    }
}

// --- preview ---

void TMDIChild::ShowPage(int index) {
    if (tabs_->currentIndex() != index) {
        const QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(index);
    }
    if (index == page_) {
        return;
    }
    page_ = index;
    if (index == 0) {
        pages_->setCurrentWidget(view_);
        view_->setFocus();
        return;
    }
    pages_->setCurrentWidget(preview_);
    WritePreview();
}

void TMDIChild::RefreshPreview() {
    if (page_ == 1) {
        WritePreview();
    }
}

void TMDIChild::WritePreview() {
    QString chosen;
    if (QFileInfo::exists(caption_) && base::IsReadOnly(Path(caption_))) {
        chosen = caption_; // a read-only file is previewed as stored
    } else {
        const unsigned number = QRandomGenerator::global()->bounded(1000000u);
        const bool untitled = Untitled(caption_) || !QFileInfo(caption_).isAbsolute();
        chosen = QString::fromStdString(PreviewFilePath(Path(caption_), untitled, number));
        const std::string text = edit_->Model().Text();
        if (!base::WriteFileAtomically(Path(chosen), text).ok) {
            // The document's folder refuses files: preview from the temporary folder instead.
            chosen = QString::fromStdString(PreviewFilePath(Path(caption_), true, number));
            if (!base::WriteFileAtomically(Path(chosen), text).ok) {
                return;
            }
        }
        previewFiles_ << chosen;
    }
    DeletePreviewFiles(chosen);
    preview_->Navigate(chosen);
}

void TMDIChild::DeletePreviewFiles(const QString& keep) {
    QStringList kept;
    for (const QString& file : previewFiles_) {
        if (file == keep) {
            kept << file;
        } else {
            QFile::remove(file);
        }
    }
    previewFiles_ = kept;
}

// --- status, events, closing ---

QString TMDIChild::StatusPanel(int index) const {
    return (index >= 0 && index < 4) ? panels_[index]->text() : QString();
}

void TMDIChild::UpdateStatus() {
    const QString caret = QString::fromStdString(editor::CaretStatusText(edit_->Model()));
    if (panels_[0]->text() != caret) {
        panels_[0]->setText(caret);
    }
    UpdateModified();
}

void TMDIChild::UpdateModified() {
    const bool modified = edit_->Model().Modified();
    panels_[1]->setText(modified ? QStringLiteral("změna") : QString());
    setWindowModified(modified);
    if (modified != modified_) {
        modified_ = modified;
        emit modifiedChanged(modified);
    }
}

void TMDIChild::OnTagChange() {
    host_.DocumentTagChanged(*this);
    RefreshPreview();
}

void TMDIChild::Activated() {
    OnTagChange();
    QTimer::singleShot(0, this, &TMDIChild::CheckDiskChange);
}

void TMDIChild::InsertText(const std::string& text) {
    edit_->InsertText(text);
}

void TMDIChild::SurroundSelection(const std::string& before, const std::string& after) {
    edit_->SurroundSelection(before, after);
}

bool TMDIChild::QueryClose() {
    DeletePreviewFiles();
    previewFiles_.clear();
    if (!modified_) {
        return true;
    }
    switch (host_.HostPrompter().Ask("Soubor " + Path(caption_) + " není uložen - uložit?",
                                     base::Buttons::YesNoCancel)) {
    case base::Answer::Yes:
        return Save(false); // a save that does not happen keeps the window open
    case base::Answer::No:
        return true;
    default:
        return false;
    }
}

void TMDIChild::closeEvent(QCloseEvent* event) {
    if (QueryClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace zn::app::ui
