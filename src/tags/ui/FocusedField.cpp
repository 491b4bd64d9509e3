// Choosing the text target by the focus, and the date and time texts of the system locale.
#include "tags/ui/FocusedField.h"

#include "base/Cp1250.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace zn::tags::ui {
namespace {

QComboBox* EditableCombo(QWidget* widget) {
    auto* combo = qobject_cast<QComboBox*>(widget);
    if (combo == nullptr && qobject_cast<QLineEdit*>(widget) != nullptr) {
        combo = qobject_cast<QComboBox*>(widget->parentWidget()); // the edit of a combo box
    }
    return combo != nullptr && combo->isEditable() && combo->lineEdit() != nullptr ? combo
                                                                                   : nullptr;
}

/// A time format without its time zone ("t" outside quoted text), which the locale's long
/// format adds but a time written into a page has no use for.
QString WithoutTimeZone(const QString& format) {
    QString out;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
        }
        if (quoted || c != QLatin1Char('t')) {
            out += c;
        }
    }
    return out.trimmed();
}

} // namespace

bool TextTarget::Exists() const {
    return kind_ == Kind::Document ? edit_ != nullptr : kind_ != Kind::None && !widget_.isNull();
}

QString TextTarget::SelectedText() const {
    if (!Exists()) {
        return {};
    }
    switch (kind_) {
    case Kind::LineEdit:
        return static_cast<QLineEdit*>(widget_.data())->selectedText();
    case Kind::ComboBox:
        return static_cast<QComboBox*>(widget_.data())->lineEdit()->selectedText();
    case Kind::TextEdit:
        if (auto* plain = qobject_cast<QPlainTextEdit*>(widget_.data())) {
            return plain->textCursor().selectedText();
        }
        return static_cast<QTextEdit*>(widget_.data())->textCursor().selectedText();
    case Kind::Document:
        return QString::fromStdString(base::Cp1250ToUtf8(edit_->Model().SelText()));
    case Kind::None:
        break;
    }
    return {};
}

void TextTarget::ReplaceSelection(const QString& text) const {
    if (!Exists()) {
        return;
    }
    switch (kind_) {
    case Kind::LineEdit:
        static_cast<QLineEdit*>(widget_.data())->insert(text);
        break;
    case Kind::ComboBox:
        static_cast<QComboBox*>(widget_.data())->lineEdit()->insert(text);
        break;
    case Kind::TextEdit:
        if (auto* plain = qobject_cast<QPlainTextEdit*>(widget_.data())) {
            plain->insertPlainText(text);
        } else {
            static_cast<QTextEdit*>(widget_.data())->insertPlainText(text);
        }
        break;
    case Kind::Document:
        edit_->Model().ReplaceSelection(base::Utf8ToCp1250(text.toStdString()));
        break;
    case Kind::None:
        break;
    }
}

TextTarget FindTextTarget(CommandContext& context) {
    QWidget* focused = context.FocusedControl();
    if (focused == nullptr) {
        editor::THTMLRichEdit* edit = context.ActiveEdit();
        return edit != nullptr ? TextTarget(TextTarget::Kind::Document, nullptr, edit)
                               : TextTarget();
    }
    if (editor::THTMLRichEdit* edit = context.EditOfView(focused)) {
        return TextTarget(TextTarget::Kind::Document, focused, edit);
    }
    if (QComboBox* combo = EditableCombo(focused)) {
        return TextTarget(TextTarget::Kind::ComboBox, combo, nullptr);
    }
    if (auto* line = qobject_cast<QLineEdit*>(focused); line != nullptr && !line->isReadOnly()) {
        return TextTarget(TextTarget::Kind::LineEdit, line, nullptr);
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(focused);
        plain != nullptr && !plain->isReadOnly()) {
        return TextTarget(TextTarget::Kind::TextEdit, plain, nullptr);
    }
    if (auto* rich = qobject_cast<QTextEdit*>(focused); rich != nullptr && !rich->isReadOnly()) {
        return TextTarget(TextTarget::Kind::TextEdit, rich, nullptr);
    }
    return {};
}

void InsertIntoFocusedField(CommandContext& context, const QString& text, bool multiLineBoxes) {
    const TextTarget target = FindTextTarget(context);
    if (multiLineBoxes || target.WhatKind() != TextTarget::Kind::TextEdit) {
        target.ReplaceSelection(text);
    }
}

std::optional<FocusedSelection> SelectedTextOfFocusedField(CommandContext& context) {
    const TextTarget target = FindTextTarget(context);
    if (!target.Exists()) {
        return std::nullopt;
    }
    return FocusedSelection{target.SelectedText(), target};
}

QString TimeText(const QTime& time, const QLocale& locale) {
    return locale.toString(time, WithoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
}

QString DateText(const QDate& date, const QLocale& locale) {
    return locale.toString(date, QLocale::ShortFormat);
}

} // namespace zn::tags::ui
