// The number-system converter "Převod mezi soustavami" and the main window's component that
// runs it.
#pragma once

#include "tags/SmallTools.h"

#include <QDialog>
#include <QPointer>
#include <QString>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace zn::tags::ui {

class TNumChng : public QDialog {
    Q_OBJECT

public:
    explicit TNumChng(QWidget* parent = nullptr);

    /// Converts `Source` into `Dest` by the two chosen systems and the places.
    void Convert();

    QLineEdit* Source;
    QButtonGroup* SourceSoust;
    QButtonGroup* DestSoust;
    QLineEdit* Dest;
    QSpinBox* PlacesUD;
    QLabel* PlacesLabel;
};

/// Runs the converter on a text; the result of the last confirmed conversion stays.
class TNumChanger {
public:
    explicit TNumChanger(QWidget* parent) : parent_(parent) {}
    /// The dialog with `text` as its source; true and the result on OK.
    bool Execute(const QString& text);
    QString Result;
    TNumChng* Dialog();

private:
    QWidget* parent_;
    QPointer<TNumChng> dialog_;
};

} // namespace zn::tags::ui
