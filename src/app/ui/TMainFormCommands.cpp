// The main window's own commands: clipboard, undo, select all, printing, external programs,
// window arrangement, the viewers, help and the About box.
#include "app/ui/TMainForm.h"

#include "app/DocumentNames.h"
#include "app/ui/ClipForm.h"
#include "app/ui/PPrevForm.h"
#include "app/ui/SettingsConvert.h"
#include "app/ui/TAboutBox.h"
#include "app/ui/TMDIChild.h"
#include "base/Prompter.h"
#include "editor/THTMLRichEdit.h"
#include "editor/ui/HtmlEditView.h"
#include "editor/ui/TextPrinter.h"
#include "tags/TagCommands.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QUrl>

namespace zn::app::ui {

namespace {

/// The published index of the HTML 4 elements.
constexpr const char* kHtml4ElementIndex = "https://www.w3.org/TR/html401/index/elements.html";

QColor ToQColor(base::TColor c) {
    return QColor(base::RedOf(c), base::GreenOf(c), base::BlueOf(c));
}

} // namespace

// --- clipboard, undo, select all ---

void TMainForm::CutItemClick() {
    TMDIChild* document = ActiveDocument();
    if (document && document->EditorView().hasFocus())
        document->EditorView().cut();
    else if (QLineEdit* field = FocusedField())
        field->cut();
}

void TMainForm::CopyItemClick() {
    TMDIChild* document = ActiveDocument();
    if (document && document->EditorView().hasFocus())
        document->EditorView().copy();
    else if (QLineEdit* field = FocusedField())
        field->copy();
}

void TMainForm::PasteItemClick() {
    TMDIChild* document = ActiveDocument();
    if (document && document->EditorView().hasFocus())
        document->EditorView().paste();
    else if (QLineEdit* field = FocusedField())
        field->paste();
}

void TMainForm::Undo1Click() {
    TMDIChild* document = ActiveDocument();
    if (document && document->EditedText().Model().CanUndo())
        document->EditorView().undo();
}

void TMainForm::SelectAll1Click() {
    if (TMDIChild* document = ActiveDocument())
        document->EditorView().selectAll();
}

// --- printing ---

QPrinter& TMainForm::Printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void TMainForm::PrintClick() {
    if (!ActiveDocument())
        return;
    QPrinter& printer = Printer();
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Tisk"));
    if (dialog.exec() == QDialog::Accepted)
        PrintActive(printer);
}

bool TMainForm::PrintActive(QPrinter& printer) {
    TMDIChild* document = ActiveDocument();
    if (!document)
        return false;
    printer.setDocName(document->Caption());
    editor::ui::TextPalette palette;
    palette.text = document->EditorView().textColor();
    palette.background = document->EditorView().backgroundColor();
    palette.tag = ToQColor(document->EditedText().TagColor);
    palette.parameter = ToQColor(document->EditedText().ParameterColor);
    palette.value = ToQColor(document->EditedText().ValueColor);
    if (editor::ui::PrintText(document->EditedText().Model(), FontFromStored(settings_.FL), palette,
                              printer) > 0)
        return true;
    prompter_->Tell("Dokument " + document->Caption().toStdString() + " nelze vytisknout",
                    base::Severity::Error);
    return false;
}

void TMainForm::PrinterSetupClick() {
    QPageSetupDialog dialog(&Printer(), this);
    dialog.setWindowTitle(QStringLiteral("Nastavení tiskárny"));
    dialog.exec();
}

// --- external programs ---

void TMainForm::RunExternal(const QString& program, const QString& file) {
    if (program.trimmed().isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
            prompter_->Tell("Pro soubor " + file.toStdString() + " nelze spustit žádný program",
                            base::Severity::Error);
        return;
    }
    // A program path may hold blanks; otherwise the text may carry options after the program.
    QStringList words =
        QFileInfo(program).isFile() ? QStringList{program} : QProcess::splitCommand(program);
    if (words.isEmpty())
        words = QStringList{program};
    const QString executable = words.takeFirst();
    words.push_back(file);
    const bool started = ProgramStarter ? ProgramStarter(executable, words)
                                        : QProcess::startDetached(executable, words);
    if (!started)
        prompter_->Tell("Nelze spustit program " + program.toStdString(), base::Severity::Error);
}

void TMainForm::ShowInBrowser(bool save) {
    TMDIChild* document = ActiveDocument();
    if (!document)
        return;
    if (save)
        document->Save(false);
    const QString name = document->Caption();
    if (IsUntitled(name.toStdString()))
        return;
    RunExternal(QString::fromStdString(settings_.HTMLBrowser), name);
}

// --- windows ---

void TMainForm::ArrangeIcons() {
    // The minimised document windows in a row along the bottom edge, wrapping upwards.
    int x = 0;
    int y = ClientArea->viewport()->height();
    for (QMdiSubWindow* sub : ClientArea->subWindowList(QMdiArea::CreationOrder)) {
        if (!sub->isMinimized())
            continue;
        const QSize size = sub->size();
        if (x > 0 && x + size.width() > ClientArea->viewport()->width()) {
            x = 0;
            y -= size.height();
        }
        sub->move(x, y - size.height());
        x += size.width();
    }
}

void TMainForm::MinimizeAll() {
    // Minimising the active window activates the next one, which the area would maximise
    // (or restore) again; nothing is active while the windows go down.
    const bool dontMaximize = ClientArea->testOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    ClientArea->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, true);
    ClientArea->setActiveSubWindow(nullptr);
    const QList<QMdiSubWindow*> subs = ClientArea->subWindowList(QMdiArea::CreationOrder);
    for (auto it = subs.rbegin(); it != subs.rend(); ++it)
        (*it)->showMinimized();
    ClientArea->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, dontMaximize);
}

TPPrevForm* TMainForm::PictureViewer() {
    if (!picturePreview_) {
        picturePreview_ = new TPPrevForm(this);
        connect(picturePreview_, &TPPrevForm::VisibilityChanged, PicturePreviewItem,
                &QAction::setChecked);
    }
    return picturePreview_;
}

void TMainForm::TogglePicturePreview() {
    PictureViewer()->Toggle();
    PicturePreviewItem->setChecked(picturePreview_->isVisible());
}

void TMainForm::ToggleClipboardViewer() {
    if (!clipboardViewer_) {
        clipboardViewer_ = new TClipForm(this);
        connect(clipboardViewer_, &TClipForm::VisibilityChanged, ClipboardViewerItem,
                &QAction::setChecked);
    }
    clipboardViewer_->Toggle();
    ClipboardViewerItem->setChecked(clipboardViewer_->isVisible());
}

// --- help ---

void TMainForm::HtmlHelpClick() {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kHtml4ElementIndex)));
}

void TMainForm::HelpAboutItemClick() {
    TAboutBox box(this);
    box.exec();
}

void TMainForm::NewHtmlStructure(TMDIChild& document) {
    tags::NormalDocument(document.EditedText(), settings_.UpperCaseTags, *prompter_);
}

} // namespace zn::app::ui
