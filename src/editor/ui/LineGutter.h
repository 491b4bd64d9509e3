// The strip left of the text view that shows the number of each line beside its first row.
#pragma once

#include <QWidget>

namespace zn::editor::ui {

class HtmlEditView;

class LineGutter : public QWidget {
public:
    explicit LineGutter(HtmlEditView& view);
    /// Width for line numbers of `digits` digits.
    int WidthFor(int digits) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    HtmlEditView& view_;
};

} // namespace zn::editor::ui
