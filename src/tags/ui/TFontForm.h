// The font list "Vybrat font": every screen font drawn in its own face, several may be chosen.
#pragma once

#include "base/Color.h"

#include <QDialog>
#include <QString>

#include <optional>

class QListWidget;

namespace zn::tags::ui {

class TFontForm : public QDialog {
    Q_OBJECT

public:
    explicit TFontForm(QWidget* parent = nullptr);

    /// Shows the list in the given colours; on OK the chosen faces in list order joined by ",".
    std::optional<QString> ChooseFaces(base::TColor fontColor, base::TColor background);

    QListWidget* FLB;
};

} // namespace zn::tags::ui
