// The style editor's colour panels.
#include "structure/ui/StyleColorPanel.h"

#include "base/Cp1250.h"
#include "base/HtmlColor.h"
#include "structure/CssRule.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QMenu>
#include <QMimeData>

namespace zn::structure::ui {
namespace {

constexpr const char* kMime = "application/x-znackar-style-color";

} // namespace

TStyleColorPanel::TStyleColorPanel(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setMinimumSize(64, 22);
    setCursor(Qt::PointingHandCursor);
    setAcceptDrops(true);
    SetColorText({});
}

void TStyleColorPanel::SetColorText(const std::string& text) {
    color_ = text;
    const QString shown = QString::fromStdString(base::Cp1250ToUtf8(text));
    const std::string html = PanelColorText(text);
    QColor fill = palette().color(QPalette::Button);
    QString caption = QStringLiteral("žádná");
    if (!text.empty()) {
        const bool known = IsKnownColor(text);
        const base::TColor number = base::HtmlToColor(html);
        fill = known ? QColor(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF)
                     : QColor::fromString(shown.trimmed());
        // A form the colour functions do not know stays as written and says so in its caption.
        caption = known ? QString() : shown;
        if (!fill.isValid()) {
            fill = palette().color(QPalette::Button);
        }
    }
    QPalette colors = palette();
    colors.setColor(QPalette::Window, fill);
    colors.setColor(QPalette::WindowText, fill.lightness() < 128 ? Qt::white : Qt::black);
    setPalette(colors);
    setText(caption);
    setToolTip(shown);
}

void TStyleColorPanel::mousePressEvent(QMouseEvent* event) {
    pressPos_ = event->position().toPoint();
    dragged_ = false;
}

void TStyleColorPanel::mouseMoveEvent(QMouseEvent* event) {
    if (!Draggable || dragged_ || !(event->buttons() & Qt::LeftButton) ||
        (event->position().toPoint() - pressPos_).manhattanLength() <
            QApplication::startDragDistance()) {
        return;
    }
    dragged_ = true;
    auto* drag = new QDrag(this);
    auto* data = new QMimeData();
    data->setData(QString::fromLatin1(kMime), QByteArray::fromStdString(color_));
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}

void TStyleColorPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragged_ && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void TStyleColorPanel::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(QStringLiteral("žádná"), this, [this] { SetColorText({}); });
    menu.exec(event->globalPos());
}

void TStyleColorPanel::dragEnterEvent(QDragEnterEvent* event) {
    if (Draggable && event->source() != this && event->mimeData()->hasFormat(kMime)) {
        event->acceptProposedAction();
    }
}

void TStyleColorPanel::dropEvent(QDropEvent* event) {
    SetColorText(event->mimeData()->data(QString::fromLatin1(kMime)).toStdString());
    event->acceptProposedAction();
}

} // namespace zn::structure::ui
