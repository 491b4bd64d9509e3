// The rainbow text dialog "Duhový text": a text, its start and stop colours and a preview.
#pragma once

#include "base/Color.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

namespace zn::tags::ui {

class TRainBowPaintBox;

class TDuhaForm : public QDialog {
    Q_OBJECT

public:
    /// `editColor` is the colour editor: a colour text in, the new text on OK.
    TDuhaForm(std::function<std::optional<std::string>(const std::string&)> editColor,
              QWidget* parent = nullptr);

    /// The text coloured character by character (Windows-1250 bytes).
    std::string Result(const std::string& text, bool upperCaseTags) const;

    base::TColor StartColor() const { return start_; }
    base::TColor StopColor() const { return stop_; }
    void SetStartColor(base::TColor color);
    void SetStopColor(base::TColor color);

    QLineEdit* DuhaText;
    QPushButton* StartPanel;
    QPushButton* StopPanel;
    TRainBowPaintBox* PaintBox;

private:
    void PanelClick(bool start);

    std::function<std::optional<std::string>(const std::string&)> editColor_;
    base::TColor start_ = base::RGBColor(0, 0, 0xFF);
    base::TColor stop_ = base::RGBColor(0xFF, 0, 0);
};

} // namespace zn::tags::ui
