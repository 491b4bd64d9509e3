// Building the inspector's sub-panels from the panel table and filling them.
#include "tags/ui/TagPanelPanels.h"

#include "base/Cp1250.h"
#include "editor/ui/TComboBox98.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace zn::tags::ui {
namespace {

QString Caption(const char* text) {
    return QString::fromUtf8(text);
}

QColor ToQColor(base::TColor c) {
    return QColor(base::RedOf(c), base::GreenOf(c), base::BlueOf(c));
}

/// Radio groups with short captions lie in two columns, longer ones one under another.
QGroupBox* RadioGroup(const TControlRow& row, QWidget* parent) {
    auto* box = new QGroupBox(Caption(row.Caption), parent);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(0);
    auto* group = new QButtonGroup(box);
    group->setObjectName(QString::fromLatin1(row.Control) + QStringLiteral("Group"));
    const int columns = row.Items.size() > 3 ? 2 : static_cast<int>(row.Items.size());
    for (std::size_t i = 0; i < row.Items.size(); ++i) {
        auto* radio = new QRadioButton(Caption(row.Items[i]), box);
        group->addButton(radio, static_cast<int>(i));
        grid->addWidget(radio, static_cast<int>(i) / columns, static_cast<int>(i) % columns);
    }
    return box;
}

QButtonGroup* GroupOf(QWidget* box) {
    return box->findChild<QButtonGroup*>();
}

QWidget* ColorSwatch(const char* name, QWidget* parent) {
    auto* swatch = new QLabel(parent);
    swatch->setObjectName(QString::fromLatin1(name));
    swatch->setFixedSize(36, 18);
    swatch->setFrameShape(QFrame::Panel);
    swatch->setFrameShadow(QFrame::Sunken);
    swatch->setAutoFillBackground(true);
    return swatch;
}

} // namespace

void TDropCombo::showPopup() {
    if (BeforePopup) {
        BeforePopup();
    }
    QComboBox::showPopup();
}

TPreviewImage::TPreviewImage(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::StyledPanel);
    setFixedSize(160, 120);
    setCursor(Qt::PointingHandCursor);
    hide();
}

void TPreviewImage::SetPicture(const QImage& picture) {
    picture_ = picture;
    if (picture.isNull()) {
        clear();
        return;
    }
    QImage shown = picture;
    if (picture.width() > width() - 4 || picture.height() > height() - 4) {
        shown = picture.scaled(width() - 4, height() - 4, Qt::KeepAspectRatio,
                               Qt::SmoothTransformation);
    }
    setPixmap(QPixmap::fromImage(shown));
}

void TPreviewImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !picture_.isNull()) {
        emit clicked();
    }
    QLabel::mousePressEvent(event);
}

QString FromBytes(const std::string& text) {
    return QString::fromStdString(base::Cp1250ToUtf8(text));
}

std::string ToBytes(const QString& text) {
    return base::Utf8ToCp1250(text.toStdString());
}

bool HasFocusWithin(const QWidget* widget) {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && widget != nullptr &&
           (focus == widget || widget->isAncestorOf(focus));
}

TInspectorPanels::TInspectorPanels(QStackedWidget* pages) {
    for (const TPanelRow& row : InspectorPanels()) {
        QWidget* panel = BuildPanel(row, pages);
        pages->addWidget(panel);
    }
}

QWidget* TInspectorPanels::BuildPanel(const TPanelRow& row, QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(row.Panel));
    panel->setProperty("Tag", 1);
    auto* outer = new QVBoxLayout(panel);
    outer->setContentsMargins(6, 4, 6, 4);
    auto* title = new QLabel(Caption(row.Title), panel);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    outer->addWidget(title);
    auto* form = new QFormLayout();
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setVerticalSpacing(3);
    outer->addLayout(form);

    // Mirrored 3D colour panels stand beside the panel they mirror.
    std::map<std::string, const char*> mirrorOf;
    for (const TControlRow& c : row.Controls) {
        if (c.Kind == ReaderKind::Mirror) {
            mirrorOf[c.Attribute] = c.Control;
        }
    }
    for (const TControlRow& c : row.Controls) {
        const QString name = QString::fromLatin1(c.Control);
        QWidget* widget = nullptr;
        switch (c.Kind) {
        case ReaderKind::Edit:
            widget = new QLineEdit(panel);
            form->addRow(Caption(c.Caption) + QLatin1Char(':'), widget);
            break;
        case ReaderKind::Combo: {
            auto* combo = new TDropCombo(panel);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            const std::vector<const char*>& items =
                std::string_view(c.Control) == "TTCB" ? TextTypes() : c.Items;
            for (const char* item : items) {
                combo->addItem(Caption(item));
            }
            if (std::string_view(c.Control) == "TTCB") {
                combo->setEditable(false);
            }
            combo->setCurrentIndex(-1);
            widget = combo;
            form->addRow(Caption(c.Caption) + (std::string_view(c.Caption).ends_with(":")
                                                   ? QString()
                                                   : QStringLiteral(":")),
                         widget);
            break;
        }
        case ReaderKind::Check:
            widget = new QCheckBox(Caption(c.Caption), panel);
            form->addRow(QString(), widget);
            break;
        case ReaderKind::Enumerated:
            widget = RadioGroup(c, panel);
            form->addRow(widget);
            break;
        case ReaderKind::Color: {
            widget = ColorSwatch(c.Control, panel);
            auto* line = new QHBoxLayout();
            line->addWidget(widget);
            if (auto m = mirrorOf.find(c.Control); m != mirrorOf.end()) {
                QWidget* mirror = ColorSwatch(m->second, panel);
                mirror->setToolTip(QStringLiteral("3D"));
                line->addWidget(mirror);
                controls_[m->second] = mirror;
            }
            line->addStretch(1);
            form->addRow(Caption(c.Caption) + QLatin1Char(':'), line);
            break;
        }
        case ReaderKind::LabelColor: {
            auto* label = new QLabel(Caption(c.Caption), panel);
            QFont f = label->font();
            f.setBold(true);
            label->setFont(f);
            widget = label;
            form->addRow(QString(), widget);
            break;
        }
        case ReaderKind::Mirror:
            continue; // built beside its source
        case ReaderKind::Label: {
            auto* label = new QLabel(panel);
            widget = label;
            if (c.Caption[0] != '\0') {
                form->addRow(Caption(c.Caption) + QLatin1Char(':'), widget);
            } else {
                label->setAlignment(Qt::AlignCenter);
                form->addRow(widget);
            }
            break;
        }
        case ReaderKind::Bar: {
            auto* bar = new QSlider(Qt::Horizontal, panel);
            bar->setRange(1, 6);
            bar->setTickPosition(QSlider::TicksBelow);
            widget = bar;
            form->addRow(Caption(c.Caption) + QLatin1Char(':'), widget);
            break;
        }
        case ReaderKind::Picture: {
            auto* image = new TPreviewImage(panel);
            widget = image;
            outer->addWidget(widget, 0, Qt::AlignHCenter);
            break;
        }
        case ReaderKind::Button:
            widget = new QPushButton(Caption(c.Caption), panel);
            form->addRow(QString(), widget);
            break;
        }
        widget->setObjectName(name);
        // Screen readers name the control after its caption (without the accelerator mark).
        if (c.Caption[0] != '\0') {
            QString caption = Caption(c.Caption);
            widget->setAccessibleName(caption.remove(QLatin1Char('&')).remove(QLatin1Char(':')));
        }
        controls_[c.Control] = widget;
    }
    outer->addStretch(1);
    panels_[row.Panel] = panel;
    return panel;
}

QWidget* TInspectorPanels::Panel(const std::string& name) const {
    auto it = panels_.find(name);
    return it != panels_.end() ? it->second : nullptr;
}

QWidget* TInspectorPanels::Control(const std::string& name) const {
    auto it = controls_.find(name);
    return it != controls_.end() ? it->second : nullptr;
}

void TInspectorPanels::SetColor(QWidget* widget, ReaderKind kind, base::TColor color) {
    colors_[widget->objectName().toStdString()] = color;
    QPalette palette = widget->palette();
    if (kind == ReaderKind::LabelColor) {
        palette.setColor(QPalette::WindowText, ToQColor(color));
    } else {
        palette.setColor(QPalette::Window, ToQColor(color));
    }
    widget->setPalette(palette);
}

void TInspectorPanels::SetControlColor(const std::string& control, base::TColor color) {
    if (QWidget* w = Control(control)) {
        SetColor(w,
                 qobject_cast<QLabel*>(w) != nullptr && !w->autoFillBackground()
                     ? ReaderKind::LabelColor
                     : ReaderKind::Color,
                 color);
    }
}

base::TColor TInspectorPanels::ColorOf(const std::string& control) const {
    auto it = colors_.find(control);
    return it != colors_.end() ? it->second : 0;
}

std::string TInspectorPanels::TextOf(const std::string& control) const {
    QWidget* w = Control(control);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        return ToBytes(edit->text());
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        return ToBytes(combo->currentText());
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        return ToBytes(label->text());
    }
    return {};
}

void TInspectorPanels::Apply(const TInspectorRead& read) {
    for (const TControlValue& v : read.Values) {
        QWidget* w = Control(v.Control);
        if (w == nullptr) {
            continue;
        }
        w->setEnabled(v.Enabled);
        if (v.FocusGuarded && HasFocusWithin(w)) {
            continue;
        }
        switch (v.Kind) {
        case ReaderKind::Edit:
            if (auto* edit = qobject_cast<QLineEdit*>(w);
                edit && edit->text() != FromBytes(v.Text)) {
                edit->setText(FromBytes(v.Text));
            }
            break;
        case ReaderKind::Combo:
            if (auto* combo = qobject_cast<QComboBox*>(w)) {
                if (!combo->isEditable()) {
                    combo->setCurrentIndex(v.Index);
                } else if (combo->currentText() != FromBytes(v.Text)) {
                    combo->setEditText(FromBytes(v.Text));
                }
            }
            break;
        case ReaderKind::Check:
            if (auto* check = qobject_cast<QCheckBox*>(w)) {
                check->setChecked(v.Checked);
            }
            break;
        case ReaderKind::Enumerated:
            if (QButtonGroup* group = GroupOf(w)) {
                if (QAbstractButton* b = group->button(v.Index)) {
                    b->setChecked(true);
                }
            }
            break;
        case ReaderKind::Color:
        case ReaderKind::LabelColor:
        case ReaderKind::Mirror:
            SetColor(w, v.Kind, v.Color);
            break;
        case ReaderKind::Label:
            if (auto* label = qobject_cast<QLabel*>(w)) {
                label->setText(FromBytes(v.Text));
                if (v.FontSize > 0) {
                    QFont f = label->font();
                    f.setPointSize(v.FontSize);
                    label->setFont(f);
                }
            }
            break;
        case ReaderKind::Bar:
            if (auto* bar = qobject_cast<QSlider*>(w)) {
                bar->setValue(v.Index);
            }
            break;
        default:
            break;
        }
    }
}

} // namespace zn::tags::ui
