// A colour panel of the style editor: a colour, or "žádná" on the button face; a click asks
// for a colour, its menu resets it, and border panels take colours dragged from each other.
#pragma once

#include <QLabel>
#include <QPoint>

#include <string>

namespace zn::structure::ui {

class TStyleColorPanel : public QLabel {
    Q_OBJECT

public:
    explicit TStyleColorPanel(const QString& name, QWidget* parent = nullptr);

    /// The colour as read or chosen (Windows-1250); empty for "žádná". A colour the program's
    /// colour functions do not know is shown by its text and kept as written.
    void SetColorText(const std::string& text);
    const std::string& ColorText() const { return color_; }
    /// Border panels copy colour and caption when one is dragged onto another.
    bool Draggable = false;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    std::string color_;
    QPoint pressPos_;
    bool dragged_ = false;
};

} // namespace zn::structure::ui
