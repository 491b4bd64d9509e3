// The main window's periodic update: file tabs, the Tag Inspector's default panel, command
// states and the link database.
#include "app/ui/TMainForm.h"

#include "app/ui/FileTabBar.h"
#include "app/ui/TMDIChild.h"
#include "editor/THTMLRichEdit.h"
#include "editor/ui/HtmlEditView.h"
#include "tags/ui/TagActions.h"

#include <QApplication>
#include <QComboBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QStackedWidget>
#include <QToolBar>

namespace zn::app::ui {

void TMainForm::PeriodicUpdate() {
    SyncTabs();
    if (TMDIChild* document = ActiveDocument()) {
        if (!document->EditedText().InTag && InspectorPages->currentWidget() != TP)
            InspectorPages->setCurrentWidget(TP);
    }
    UpdateCommandStates();
    FeedLinkDatabase();
}

QLineEdit* TMainForm::FocusedField() const {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != this)
        return nullptr;
    if (auto* combo = qobject_cast<QComboBox*>(focus))
        return combo->lineEdit();
    return qobject_cast<QLineEdit*>(focus);
}

CommandInputs TMainForm::GatherInputs() const {
    CommandInputs in;
    const QList<TMDIChild*> documents = Documents();
    in.DocumentCount = static_cast<int>(documents.size());
    for (TMDIChild* document : documents)
        in.AnyModified = in.AnyModified || document->EditedText().Model().Modified();
    if (TMDIChild* active = ActiveDocument()) {
        const editor::THTMLRichEdit& edit = active->EditedText();
        in.ActiveModified = active->Modified();
        in.EditorFocused = active->EditorView().hasFocus();
        in.EditorHasSelection = edit.Model().SelLength() > 0;
        in.CanUndo = edit.Model().CanUndo();
        in.InTag = edit.InTag;
        in.CurrentTagName = edit.CurrentTagName;
    }
    const QLineEdit* field = FocusedField();
    in.FieldHasSelection = field && field->hasSelectedText();
    in.ClipboardHasText = clipboardHasText_;
    in.AutoDefWindowExists = AutoDefWindowExists && AutoDefWindowExists();
    in.TextTargetExists = field || in.DocumentCount > 0;
    in.TakesScriptEvents = TakesScriptEvents;
    return in;
}

void TMainForm::UpdateCommandStates() {
    const CommandInputs in = GatherInputs();
    commands_.Update(in);
    TagCommands->UpdateStates();
    const bool inspector = InspectorVisible(in, settings_.UseHTMLPanel);
    if (HTMLPanel->isHidden() == inspector)
        HTMLPanel->setVisible(inspector);
}

// --- file tabs ---

void TMainForm::SyncTabs() {
    std::vector<std::string> captions;
    QStringList modified;
    for (const TMDIChild* document : Documents()) {
        captions.push_back(document->Caption().toStdString());
        if (document->Modified())
            modified.push_back(document->Caption());
    }
    const TMDIChild* active = ActiveDocument();
    TabC->Sync(captions, active ? active->Caption().toStdString() : std::string(),
               settings_.KartaPath);
    TabC->SetModifiedNames(modified);
    // A maximized document puts its caption with its "*" placeholder into the window's title.
    const bool starred = active != nullptr && active->Modified();
    if (windowTitle().contains(QStringLiteral("[*]")) && isWindowModified() != starred)
        setWindowModified(starred); // only on a change: it repaints the frame
}

void TMainForm::TabClicked(const QString& fullName) {
    // The source pages first: showing one focuses its text, which would activate its window.
    for (TMDIChild* document : Documents())
        document->ShowPage(0);
    ActivateDocument(FindDocument(fullName));
}

void TMainForm::ToggleFullPath() {
    settings_.KartaPath = !settings_.KartaPath;
    TabC->SetFullPath(settings_.KartaPath);
    settings_.SaveKartaPath(store_);
}

// --- the Tag Inspector and the link database ---

void TMainForm::DocumentTagChanged(TMDIChild& document) {
    emit TagChanged(&document);
}

void TMainForm::RegisterUrlField(QComboBox* field) {
    urlFields_.push_back(field);
}

void TMainForm::FeedLinkDatabase() {
    const QWidget* focus = QApplication::focusWidget();
    bool focused = false;
    for (const QPointer<QComboBox>& field : urlFields_)
        focused = focused || (field && focus && (focus == field || field->isAncestorOf(focus)));
    const std::size_t before = settings_.LinkDatabase.size();
    urlWatch_.Tick(focused, settings_.LinkDatabase, [this] {
        std::vector<std::string> texts;
        for (const QPointer<QComboBox>& field : urlFields_) {
            if (field)
                texts.push_back(field->currentText().toStdString());
        }
        return texts;
    });
    if (settings_.LinkDatabase.size() != before)
        emit LinkDatabaseChanged();
}

void TMainForm::AddToLinkDatabase(const std::string& text) {
    if (app::AddToLinkDatabase(settings_.LinkDatabase, text))
        emit LinkDatabaseChanged();
}

} // namespace zn::app::ui
