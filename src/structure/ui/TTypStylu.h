// "Nový styl": the kind and the name of a new rule, with the names a kind offers.
#pragma once

#include "base/Prompter.h"
#include "structure/StyleRules.h"

#include <QDialog>

#include <optional>
#include <string>
#include <utility>

class QButtonGroup;
class QComboBox;

namespace zn::structure::ui {

class TTypStylu : public QDialog {
    Q_OBJECT

public:
    explicit TTypStylu(base::Prompter& prompter, QWidget* parent = nullptr);

    /// Shows the dialog with an empty name; the kind and the name (Windows-1250) on "Ok".
    std::optional<std::pair<TStyleKind, std::string>> Ask();
    /// Chooses a kind and offers its names; a list file that cannot be read is reported and
    /// leaves the name combo empty.
    void SetKind(TStyleKind kind);
    TStyleKind Kind() const;

    /// The folder holding "custom/"; the program's data folder unless a test sets another.
    std::string DataFolder;
    QComboBox* StylName;
    QButtonGroup* StylTyp;

private:
    base::Prompter& prompter_;
};

} // namespace zn::structure::ui
