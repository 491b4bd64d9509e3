// Editing comforts of the main window: "Znovu", "Přejít na řádek..." and the line numbers.
#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"
#include "app/ui/TMDIChild.h"
#include "app/ui/TMainForm.h"
#include "editor/ui/HtmlEditView.h"

#include <QMenu>
#include <QPointer>

#include <charconv>
#include <optional>

namespace zn::app::ui {

void TMainForm::BuildComfortCommands() {
    QMenu* edit = Menu(MainMenuId::Upravy);
    const QList<QAction*> editItems = edit->actions();
    const int undoAt = static_cast<int>(editItems.indexOf(Undo1));
    Redo1 = AddCommand(nullptr,
                       {"Redo1", "Znovu", Qt::CTRL | Qt::Key_Y, "Znovu|Vrátí zpět vrácenou změnu",
                        EnableRule::DocumentOpen, "edit-redo"},
                       [this] { Redo1Click(); });
    edit->insertAction(undoAt + 1 < editItems.size() ? editItems[undoAt + 1] : nullptr, Redo1);
    edit->addSeparator();
    GoToLineItem = AddCommand(edit,
                              {"GoToLineItem", "Přejít na řádek...", Qt::CTRL | Qt::Key_G,
                               "Přejít na řádek|Přesune kurzor na řádek daného čísla",
                               EnableRule::DocumentOpen, "go-jump"},
                              [this] { GoToLineClick(); });

    // The switch is remembered at once, so a crash does not forget it.
    const StoredValue stored = store_.Read(KVHTMLKey, "LineNumbers");
    settings_.LineNumbers = stored.Type != ValueType::Integer || stored.Number != 0;
    LineNumbersItem = AddCommand(nullptr,
                                 {"LineNumbersItem",
                                  "Čísla řádků",
                                  {},
                                  "Čísla řádků|Zobrazí nebo skryje čísla řádků vedle textu"},
                                 [this] { ToggleLineNumbers(LineNumbersItem->isChecked()); });
    LineNumbersItem->setCheckable(true);
    LineNumbersItem->setChecked(settings_.LineNumbers);
    Menu(MainMenuId::Okno)->insertAction(windowListSeparator_, LineNumbersItem);
}

void TMainForm::Redo1Click() {
    TMDIChild* document = ActiveDocument();
    if (document && document->EditedText().Model().CanRedo())
        document->EditorView().redo();
}

void TMainForm::GoToLineClick() {
    const QPointer<TMDIChild> document = ActiveDocument();
    if (!document)
        return;
    const editor::TextModel& model = document->EditedText().Model();
    const editor::Position lines = model.LineCount();
    const editor::Position current = model.LineFromPosition(model.Sel().caret) + 1;
    const std::string range = "Číslo řádku (1 až " + std::to_string(lines) + "):";
    const std::optional<std::string> answer =
        prompter_->InputLine("Přejít na řádek", range, std::to_string(current));
    // The question runs an event loop: the document may have closed or changed meanwhile.
    if (!answer || !document)
        return;
    editor::Position line = 0;
    const std::string_view text = *answer;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), line);
    editor::TextModel& edited = document->EditedText().Model();
    if (error != std::errc() || end != text.data() + text.size() || line < 1 ||
        line > edited.LineCount()) {
        prompter_->Tell("Řádek " + *answer + " v dokumentu není; dokument má " +
                            std::to_string(edited.LineCount()) + " řádků.",
                        base::Severity::Error);
        return;
    }
    edited.SetCaret(edited.LineStart(line - 1));
    document->EditorView().ensureCaretVisible();
    document->EditorView().setFocus();
}

void TMainForm::ToggleLineNumbers(bool on) {
    settings_.LineNumbers = on;
    WriteBool(store_, KVHTMLKey, "LineNumbers", on);
    for (TMDIChild* document : Documents())
        document->EditorView().setLineNumbers(on);
}

} // namespace zn::app::ui
