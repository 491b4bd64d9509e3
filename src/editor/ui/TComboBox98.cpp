// Completion in the combo box: offered on each change of its text, except one made by
// Backspace or Delete, so that deleting the offered rest does not bring it back.
#include "editor/ui/TComboBox98.h"

#include "editor/Completion.h"

#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>

namespace zn::editor::ui {

TComboBox98::TComboBox98(QWidget* parent) : QComboBox(parent) {
    // Like the boxes of the system it copies: editable, Enter adds nothing to the list.
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    DropInlineCompleter();
    connect(this, &QComboBox::editTextChanged, this, &TComboBox98::TextChanged);
}

void TComboBox98::DropInlineCompleter() {
    // Qt's own inline completion would write the completion into the text, which this box
    // leaves to its OnComplete handler. A box made editable again gets a new one.
    if (lineEdit() != nullptr && lineEdit()->completer() != nullptr) {
        setCompleter(nullptr);
    }
}

void TComboBox98::keyPressEvent(QKeyEvent* event) {
    DropInlineCompleter();
    // Noted before the box handles the key: the text change it causes must see it.
    lastKey_ = event->key();
    QComboBox::keyPressEvent(event);
}

void TComboBox98::TextChanged(const QString& text) {
    const bool deleted = lastKey_ == Qt::Key_Backspace || lastKey_ == Qt::Key_Delete;
    if (Complete && isEditable() && OnComplete) {
        std::vector<std::string> items;
        items.reserve(static_cast<std::size_t>(count()));
        for (int i = 0; i < count(); ++i) {
            items.push_back(itemText(i).toStdString());
        }
        if (const auto rest =
                ComboCompletion(text.toStdString(), items, MinLengthComplete, deleted)) {
            bool accept = true;
            QString completion = QString::fromStdString(*rest);
            OnComplete(*this, lastKey_, accept, completion);
        }
    }
    emit Changed(text);
}

void TComboBox98::CutToClipboard() {
    if (lineEdit() != nullptr) {
        lineEdit()->cut();
    }
}

void TComboBox98::CopyToClipboard() {
    if (lineEdit() != nullptr) {
        lineEdit()->copy();
    }
}

void TComboBox98::PasteFromClipboard() {
    if (lineEdit() != nullptr) {
        lineEdit()->paste();
    }
}

bool TComboBox98::Focused() const {
    const QWidget* focused = window()->focusWidget();
    return focused != nullptr && (focused == this || focused == lineEdit());
}

} // namespace zn::editor::ui
