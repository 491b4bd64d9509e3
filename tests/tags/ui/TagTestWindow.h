// A small main window for tests of the tag commands: menus, tool bars, a document view, a
// Tag Inspector field, and the command context they need.
#pragma once

#include "editor/Cp1250.h"
#include "editor/DocumentKeys.h"
#include "editor/ui/TComboBox98.h"
#include "tags/ui/TagActions.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace zn::tags::test {

/// Shows the document text with "|" at the caret and passes Alt+Del and typed text to the
/// control, as the document window's view does.
class DocumentView : public QWidget {
public:
    DocumentView(editor::THTMLRichEdit& edit, QWidget* parent)
        : QWidget(parent), edit_(edit), keys_(edit) {
        setFocusPolicy(Qt::StrongFocus);
        setMinimumSize(420, 180);
        edit_.OnChange = [this] { update(); };
        edit_.OnSelectionChange = [this] { update(); };
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        std::string text = edit_.Model().Text();
        text.insert(static_cast<std::size_t>(edit_.Model().Sel().caret), "|");
        QString shown = QString::fromStdString(editor::Cp1250ToUtf8(text));
        shown.remove(QLatin1Char('\r'));
        painter.drawText(rect().adjusted(6, 6, -6, -6), Qt::AlignLeft | Qt::AlignTop, shown);
    }

    void keyPressEvent(QKeyEvent* event) override {
        editor::KeyModifiers mods;
        mods.alt = event->modifiers().testFlag(Qt::AltModifier);
        mods.ctrl = event->modifiers().testFlag(Qt::ControlModifier);
        mods.shift = event->modifiers().testFlag(Qt::ShiftModifier);
        if (event->key() == Qt::Key_Delete && keys_.KeyDown(editor::EditKey::Delete, mods)) {
            return;
        }
        if (!event->text().isEmpty() && event->text()[0].isPrint() && !mods.ctrl && !mods.alt) {
            edit_.Model().Type(editor::Utf8ToCp1250(event->text().toStdString()));
            return;
        }
        QWidget::keyPressEvent(event);
    }

private:
    editor::THTMLRichEdit& edit_;
    editor::DocumentKeys keys_;
};

class TagTestWindow : public QMainWindow, public ui::CommandContext {
public:
    TagTestWindow() {
        setWindowTitle(QStringLiteral("Značkář – příkazy tagů"));
        actions = new ui::TagActions(*this, this);
        htmlMenu = menuBar()->addMenu(QStringLiteral("&HTML"));
        editMenu = menuBar()->addMenu(QStringLiteral("&Úpravy"));
        functionMenu = menuBar()->addMenu(QStringLiteral("&Funkce"));
        actions->FillHtmlMenu(htmlMenu);
        actions->FillEditMenu(editMenu);
        actions->FillFunctionMenu(functionMenu);

        speedPanel = addToolBar(QStringLiteral("SpeedPanel"));
        speedPanel->setObjectName(QStringLiteral("SpeedPanel"));
        speedPanel->setToolButtonStyle(Qt::ToolButtonTextOnly);
        actions->AddFunctionButtons(speedPanel);

        auto* central = new QWidget(this);
        auto* layout = new QVBoxLayout(central);
        tp = actions->CreateButtonPanel(central);
        layout->addWidget(tp);
        titleEdit = new QLineEdit(central);
        titleEdit->setObjectName(QStringLiteral("TitleEdit"));
        layout->addWidget(titleEdit);
        combo = new editor::ui::TComboBox98(central);
        combo->setEditable(true);
        layout->addWidget(combo);
        button = new QPushButton(QStringLiteral("OK"), central);
        layout->addWidget(button);
        view = new DocumentView(edit, central);
        layout->addWidget(view, 1);
        setCentralWidget(central);
        resize(900, 480);
    }

    editor::THTMLRichEdit* ActiveEdit() override { return hasDocument ? &edit : nullptr; }
    ui::CommandOptions Options() const override { return options; }
    app::Prompter& Prompter() override { return prompter; }
    QWidget* ParentWindow() override { return this; }
    editor::THTMLRichEdit* EditOfView(QWidget* widget) override {
        return hasDocument && widget == view ? &edit : nullptr;
    }
    std::string DocumentFileName() override { return fileName; }

    /// Loads text in which "|" marks the caret or "[" and "]" the selection.
    void Load(std::string text) {
        const std::size_t caret = text.find('|');
        if (caret != std::string::npos) {
            text.erase(caret, 1);
            edit.Model().Load(text);
            edit.Model().SetCaret(static_cast<editor::Position>(caret));
            return;
        }
        const std::size_t open = text.find('[');
        const std::size_t close = text.find(']');
        text.erase(close, 1);
        text.erase(open, 1);
        edit.Model().Load(text);
        edit.Model().Select(static_cast<editor::Position>(open),
                            static_cast<editor::Position>(close - open - 1));
    }

    /// The text with "|" at an empty selection, or "[" and "]" around a selection.
    std::string Shown() const {
        std::string text = edit.Model().Text();
        const auto start = static_cast<std::size_t>(edit.Model().SelStart());
        const auto end = static_cast<std::size_t>(edit.Model().SelEnd());
        if (start == end) {
            return text.insert(start, "|");
        }
        text.insert(end, "]");
        return text.insert(start, "[");
    }

    void Trigger(const char* name) { actions->Action(QString::fromUtf8(name))->trigger(); }

    editor::THTMLRichEdit edit;
    bool hasDocument = true;
    ui::CommandOptions options;
    app::ScriptedPrompter prompter;
    std::string fileName;

    ui::TagActions* actions;
    QMenu* htmlMenu;
    QMenu* editMenu;
    QMenu* functionMenu;
    QToolBar* speedPanel;
    QToolBar* tp;
    QLineEdit* titleEdit;
    editor::ui::TComboBox98* combo;
    QPushButton* button;
    DocumentView* view;
};

} // namespace zn::tags::test
