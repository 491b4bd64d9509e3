// The one-line input box: a caption, one edit field and the buttons "OK" and "Storno".
#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;

namespace zn::base::ui {

class TAddUrl : public QDialog {
    Q_OBJECT

public:
    explicit TAddUrl(QWidget* parent = nullptr);

    QLineEdit* URLEdit;

    /// Shows the box with `initial` in its edit; the edited text when "OK" was pressed.
    static std::optional<QString> Execute(QWidget* parent, const QString& caption,
                                          const QString& initial);
};

} // namespace zn::base::ui
