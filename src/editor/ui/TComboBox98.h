// The editable combo box of the Tag Inspector and the dialogs: it works out a completion of the
// typed text from its list and offers it to a handler.
#pragma once

#include <QComboBox>

#include <functional>

namespace zn::editor::ui {

/// Editable from the start, like the drop-down style of the boxes it replaces.
class TComboBox98 : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(bool Complete MEMBER Complete)
    Q_PROPERTY(quint16 MinLengthComplete MEMBER MinLengthComplete)

public:
    explicit TComboBox98(QWidget* parent = nullptr);

    bool Complete = true;          ///< work out completions
    quint16 MinLengthComplete = 0; ///< the text must be at least this long
    /// Receives the rest of the first list item that begins with the typed text (letter case
    /// ignored). The box never changes its own text with it; a handler may.
    std::function<void(TComboBox98& sender, int key, bool& accept, QString& completion)> OnComplete;

    /// The Qt key code of the last key pressed in the box (0 before any).
    int LastKey() const { return lastKey_; }

    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    /// True when the box is the focused control of its window.
    bool Focused() const;

signals:
    /// The box's own change handling: every change of its text, after the completion step.
    void Changed(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void TextChanged(const QString& text);
    void DropInlineCompleter();

    int lastKey_ = 0;
};

} // namespace zn::editor::ui
