// The Tag Inspector's sub-panels as widgets, built from the panel table, and the filling of
// their controls from a read of the current tag.
#pragma once

#include "tags/TagPanelRead.h"

#include <QComboBox>
#include <QLabel>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <string>

class QStackedWidget;

namespace zn::tags::ui {

/// A combo box that asks for its items just before its list drops down.
class TDropCombo : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    std::function<void()> BeforePopup;
    void showPopup() override;
};

/// A preview picture: scaled into a small box, a click reports the full picture.
class TPreviewImage : public QLabel {
    Q_OBJECT
public:
    explicit TPreviewImage(QWidget* parent = nullptr);
    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage picture_;
};

/// Every sub-panel of the table, each a page of the inspector's stack (property "Tag" = 1).
class TInspectorPanels {
public:
    /// Builds the panels as pages of `pages`.
    explicit TInspectorPanels(QStackedWidget* pages);

    QWidget* Panel(const std::string& name) const;
    QWidget* Control(const std::string& name) const;
    template <typename T>
    T* As(const std::string& name) const {
        return qobject_cast<T*>(Control(name));
    }

    /// Fills the controls from a read. A control that has the keyboard focus keeps its state
    /// unless its reader ignores the focus (colours, labels).
    void Apply(const TInspectorRead& read);
    /// The colour a colour panel or label shows.
    base::TColor ColorOf(const std::string& control) const;
    /// Gives a colour panel or label a colour.
    void SetControlColor(const std::string& control, base::TColor color);
    /// Text of an edit, combo box or label.
    std::string TextOf(const std::string& control) const;

private:
    QWidget* BuildPanel(const TPanelRow& row, QWidget* parent);
    void SetColor(QWidget* widget, ReaderKind kind, base::TColor color);

    std::map<std::string, QWidget*> panels_;
    std::map<std::string, QWidget*> controls_;
    std::map<std::string, base::TColor> colors_;
};

/// Text of the core (Windows-1250 bytes) for a widget, and back.
QString FromBytes(const std::string& text);
std::string ToBytes(const QString& text);

/// True when the widget or one of its children has the keyboard focus.
bool HasFocusWithin(const QWidget* widget);

} // namespace zn::tags::ui
