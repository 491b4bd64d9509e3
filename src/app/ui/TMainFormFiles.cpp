// The main window's document management: new, open, recent files, save, close, exit, dropped
// files, the first showing and the hand-off from a second start.
#include "app/ui/TMainForm.h"

#include "app/CommandLine.h"
#include "app/DocumentNames.h"
#include "app/HandOff.h"
#include "app/RecentFiles.h"
#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"
#include "app/ui/DocumentSaveDialog.h"
#include "app/ui/RecentFilesMenu.h"
#include "app/ui/TMDIChild.h"
#include "base/Prompter.h"

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <utility>

namespace zn::app::ui {

namespace {

/// The filters of the open dialog, numbered from 1.
const QStringList kOpenFilters = {
    QStringLiteral("Všechny soubory (*.*) (*)"),
    QStringLiteral("HTML files (*.html,*.htm) (*.html *.htm)"),
    QStringLiteral("PHP script HTML files (*.php,*.php3,*.phtml) (*.php *.php3 *.phtml)"),
    QStringLiteral("ALL HTML files (*.html,*.htm,*.php,*.php3,*.phtml) "
                   "(*.html *.htm *.php *.php3 *.phtml)"),
};

TMDIChild* DocumentOf(const QMdiSubWindow* sub) {
    return sub ? qobject_cast<TMDIChild*>(sub->widget()) : nullptr;
}

} // namespace

// --- finding documents ---

QList<TMDIChild*> TMainForm::Documents() const {
    QList<TMDIChild*> documents;
    if (!ClientArea)
        return documents;
    for (const QMdiSubWindow* sub : ClientArea->subWindowList(QMdiArea::CreationOrder)) {
        if (TMDIChild* document = DocumentOf(sub))
            documents.push_back(document);
    }
    return documents;
}

TMDIChild* TMainForm::ActiveDocument() const {
    // currentSubWindow, unlike activeSubWindow, stays while another program has the focus.
    return ClientArea ? DocumentOf(ClientArea->currentSubWindow()) : nullptr;
}

editor::THTMLRichEdit* TMainForm::ActiveEdit() {
    TMDIChild* document = ActiveDocument();
    return document ? &document->EditedText() : nullptr;
}

std::string TMainForm::DocumentFileName() {
    TMDIChild* document = ActiveDocument();
    if (!document || IsUntitled(document->Caption().toStdString()))
        return {};
    return document->Caption().toStdString();
}

void TMainForm::InsertIntoActive(const std::string& text) {
    if (TMDIChild* document = ActiveDocument())
        document->InsertText(text);
}

void TMainForm::WrapActive(const std::string& before, const std::string& after) {
    if (TMDIChild* document = ActiveDocument())
        document->SurroundSelection(before, after);
}

TMDIChild* TMainForm::FindDocument(const QString& caption) const {
    TMDIChild* found = nullptr;
    for (TMDIChild* document : Documents()) {
        if (document->Caption() == caption)
            found = document; // the last one in window order
    }
    return found;
}

void TMainForm::ActivateDocument(TMDIChild* document) {
    if (!document)
        return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(document->parentWidget())) {
        if (sub->isMinimized())
            sub->showMaximized();
        ClientArea->setActiveSubWindow(sub);
    }
    document->setFocus();
}

TMDIChild* TMainForm::AddDocument(TMDIChild* document) {
    QMdiSubWindow* sub = ClientArea->addSubWindow(document);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(document->windowTitle()); // with its "*" placeholder, followed from now on
    sub->showMaximized();
    ClientArea->setActiveSubWindow(sub);
    return document;
}

// --- new and open ---

TMDIChild* TMainForm::FileNewItemClick() {
    const QString name = QString::fromStdString(UntitledName(static_cast<int>(Documents().size())));
    auto* document = AddDocument(new TMDIChild(*this));
    document->CreateNew(name);
    ActivateDocument(document);
    SyncTabs();
    return document;
}

void TMainForm::FileOpenItemClick() {
    QStringList names;
    if (OpenNamesAsker) {
        names = OpenNamesAsker();
    } else {
        QFileDialog dialog(this, QStringLiteral("Otevřít"));
        dialog.setFileMode(QFileDialog::ExistingFiles);
        // The captions are shown as they are; the patterns in the last brackets do the work.
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setNameFilters(kOpenFilters);
        openDialog_.ApplyTo(dialog);
        if (dialog.exec() != QDialog::Accepted)
            return;
        openDialog_.TakeFrom(dialog);
        names = dialog.selectedFiles();
    }
    if (!names.isEmpty())
        OpenFiles(names);
}

void TMainForm::OpenFiles(const QStringList& fileNames) {
    const int before = static_cast<int>(Documents().size());
    openFailed_ = false;
    for (const QString& name : fileNames)
        OpenFile(name);
    if (ShouldCloseEmptyUntitled(openFailed_, before, static_cast<int>(Documents().size())))
        CloseEmptyUntitled();
    SyncTabs();
}

void TMainForm::CloseEmptyUntitled() {
    const QList<TMDIChild*> documents = Documents();
    for (auto it = documents.rbegin(); it != documents.rend(); ++it) {
        TMDIChild* document = *it;
        if (!IsDisposableUntitled(document->Caption().toStdString(),
                                  document->EditedText().Model().Length() == 0))
            continue;
        document->EditedText().Model().SetModified(false);
        document->UpdateModified();
        if (QWidget* sub = document->parentWidget())
            sub->close();
    }
}

TMDIChild* TMainForm::OpenFile(const QString& fileName) {
    if (TMDIChild* open = FindDocument(fileName)) {
        if (open->Modified() &&
            prompter_->Ask("Soubor je již otevřen a není uložen!\n\rZtratit jeho změny?",
                           base::Buttons::YesNo) != base::Answer::Yes)
            return open;
        open->Reload(fileName);
        ActivateDocument(open);
        return open;
    }
    auto* document = new TMDIChild(*this);
    if (!document->Open(fileName)) {
        delete document;
        return nullptr;
    }
    AddDocument(document);
    ActivateDocument(document);
    AddToRecent(fileName);
    SyncTabs();
    return document;
}

TMDIChild* TMainForm::AddRecoveredDocument(const QString& caption, const std::string& text) {
    auto* document = AddDocument(new TMDIChild(*this));
    document->Recover(caption, text);
    ActivateDocument(document);
    SyncTabs();
    return document;
}

void TMainForm::AddToRecent(const QString& fileName) {
    if (app::AddToRecent(settings_.Filesy, fileName.toStdString()))
        Recent->Show(settings_.Filesy);
}

// --- save and close ---

QString TMainForm::AskSaveFileName(QWidget* parent, const QString& folder, const QString& name,
                                   int& filterIndex) {
    if (SaveNameAsker)
        return SaveNameAsker(folder, name, filterIndex);
    return RunDocumentSaveDialog(parent ? parent : this, folder, name, filterIndex);
}

void TMainForm::SaveActive(bool saveAs) {
    if (TMDIChild* document = ActiveDocument())
        document->Save(saveAs);
}

void TMainForm::SaveAll() {
    const QList<TMDIChild*> documents = Documents();
    for (auto it = documents.rbegin(); it != documents.rend(); ++it) {
        // Every document is written, untitled ones after asking for a name.
        (*it)->Save(false);
    }
}

void TMainForm::CloseActive() {
    if (TMDIChild* document = ActiveDocument()) {
        if (QWidget* sub = document->parentWidget())
            sub->close();
    }
    SyncTabs();
}

void TMainForm::CloseAll() {
    const QList<TMDIChild*> documents = Documents();
    for (auto it = documents.rbegin(); it != documents.rend(); ++it) {
        if (QWidget* sub = (*it)->parentWidget())
            sub->close();
    }
    SyncTabs();
}

bool TMainForm::CloseEveryDocument() {
    // Every document answers its close question first; Cancel in any of them keeps them all
    // open, so nothing is lost.
    QList<TMDIChild*> documents = Documents();
    std::reverse(documents.begin(), documents.end());
    for (TMDIChild* document : documents) {
        if (!document->QueryClose())
            return false;
    }
    for (TMDIChild* document : documents) {
        document->EditedText().Model().SetModified(false);
        document->UpdateModified();
        if (QWidget* sub = document->parentWidget())
            sub->close();
    }
    return true;
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!CloseEveryDocument()) {
        event->ignore();
        return;
    }
    event->accept();
    WriteSettings();
}

// --- start-up ---

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    // After the window is on the screen, so that questions and messages appear above it.
    QTimer::singleShot(0, this, &TMainForm::FirstShow);
}

void TMainForm::FirstShow() {
    Recent->Show(settings_.Filesy);
    OpenCommandLine();
    if (!pluginFailures_.empty())
        prompter_->Tell(std::exchange(pluginFailures_, std::string()), base::Severity::Warning);
    if (const auto greeting = GreetingText(settings_.LastVersion))
        prompter_->Tell(*greeting);
    if (settings_.AutoOpenDf && AutoOpenDefinitions) {
        const auto file = store_.ReadString(KVHTMLKey, AdfOpenValue);
        if (file && IsExistingFile(*file))
            AutoOpenDefinitions(QString::fromStdString(*file));
    }
    firstShowDone_ = true;
}

void TMainForm::OpenCommandLine() {
    if (arguments_.empty()) {
        // The first untitled document never asks for the HTML skeleton.
        const bool ask = settings_.AskForStructure;
        settings_.AskForStructure = false;
        FileNewItemClick();
        settings_.AskForStructure = ask;
        return;
    }
    const std::string folder = QDir::currentPath().toStdString();
    for (const std::string& name : FoldersAtStart(arguments_))
        OpenFile(QString::fromStdString(AbsoluteFileName(name, folder))); // says it is a folder
    for (const std::string& name : FilesToOpenAtStart(arguments_))
        OpenFile(QString::fromStdString(AbsoluteFileName(name, folder)));
}

void TMainForm::ReceiveHandOff() {
    BringToFront();
    const std::vector<std::string> names = TakeHandOff(store_);
    if (names.empty())
        return;
    QStringList files;
    for (const std::string& name : names)
        files.push_back(QString::fromStdString(name));
    // Opening may ask questions; the second start must not wait for the user's answers.
    QTimer::singleShot(0, this, [this, files] {
        for (const QString& name : files)
            OpenFile(name);
    });
}

void TMainForm::BringToFront() {
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

// --- dropped files ---

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData* data = event->mimeData();
    bool files = data->hasUrls();
    for (const QUrl& url : data->urls())
        files = files && url.isLocalFile();
    if (files && (event->possibleActions() & Qt::CopyAction)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TMainForm::dropEvent(QDropEvent* event) {
    QStringList names;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            names.push_back(url.toLocalFile());
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    for (const QString& name : names) {
        if (QFileInfo(name).suffix().toUpper() == QStringLiteral("ENC") && InstallEncodingFile)
            InstallEncodingFile(name);
        else
            OpenFile(name);
    }
    SyncTabs();
}

} // namespace zn::app::ui
