// The colour editor "Barva": red, green and blue scroll bars, a lightness bar and the system
// colour dialog; its callers exchange one colour text with it.
#pragma once

#include "base/Color.h"
#include "tags/SmallTools.h"

#include <QDialog>

#include <optional>
#include <string>

class QLabel;
class QScrollBar;
class QSlider;

namespace zn::tags::ui {

class TColorForm : public QDialog {
    Q_OBJECT

public:
    explicit TColorForm(QWidget* parent = nullptr);

    /// Puts a colour in (a name or a hexadecimal text) and shows it the way the dialog shows
    /// it: afterwards the colour text is always "#RRGGBB".
    void SetColorText(const std::string& text);
    const std::string& ColorText() const { return colorText_; }
    /// Shows the dialog modally with a colour; the new colour text on OK, nothing on Storno.
    std::optional<std::string> Edit(const std::string& text);

    QScrollBar* RedScrollBar;
    QScrollBar* GreenScrollBar;
    QScrollBar* BlueScrollBar;
    QLabel* LRed;
    QLabel* LGreen;
    QLabel* LBlue;
    QSlider* LightBar;
    QLabel* ColorPanel;
    QLabel* codel;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ScrollBarChange();
    void LightBarChange();
    void SetSample(base::TColor color);
    void ChooseSystemColor();

    std::string colorText_ = "#000000";
    base::TColor sample_ = 0;
    THLS remembered_;
    bool scrolling_ = false; ///< the scroll-bar handler is setting the lightness bar
    bool lighting_ = false;  ///< the lightness handler is setting the scroll bars
};

} // namespace zn::tags::ui
