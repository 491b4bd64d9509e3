// The field that receives the date, the time and the results of the small tools: the focused
// edit field or combo box of the main window, else the active document.
#pragma once

#include "tags/ui/CommandContext.h"

#include <QDate>
#include <QLocale>
#include <QPointer>
#include <QString>
#include <QTime>

#include <optional>

namespace zn::tags::ui {

class TextTarget {
public:
    enum class Kind { None, LineEdit, TextEdit, ComboBox, Document };

    TextTarget() = default;
    TextTarget(Kind kind, QWidget* widget, editor::THTMLRichEdit* edit)
        : kind_(kind), widget_(widget), edit_(edit) {}

    Kind WhatKind() const { return kind_; }
    bool Exists() const;
    QString SelectedText() const;
    /// Replaces the target's selection by the text (in a document: directly, not recoloured).
    void ReplaceSelection(const QString& text) const;

private:
    Kind kind_ = Kind::None;
    QPointer<QWidget> widget_;
    editor::THTMLRichEdit* edit_ = nullptr;
};

/// The focused control when it is a writable edit field, text box or editable combo box, or the
/// document view; nothing for any other focused control; the active document when nothing has
/// the focus.
TextTarget FindTextTarget(CommandContext& context);

/// Writes text into the target; with `multiLineBoxes` false (the date and the time) a focused
/// multi-line text box is no target and nothing is written.
void InsertIntoFocusedField(CommandContext& context, const QString& text,
                            bool multiLineBoxes = true);

struct FocusedSelection {
    QString text;
    TextTarget target;
};
/// The selected text of the target of InsertIntoFocusedField, with the target; nothing when
/// there is no target.
std::optional<FocusedSelection> SelectedTextOfFocusedField(CommandContext& context);

/// The time in the locale's long format (with seconds, without a time zone).
QString TimeText(const QTime& time, const QLocale& locale);
/// The date in the locale's short format.
QString DateText(const QDate& date, const QLocale& locale);

} // namespace zn::tags::ui
