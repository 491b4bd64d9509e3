// Connecting the inspector's controls to the writers of the core.
#include "tags/ui/TagPanelWriters.h"

#include "base/HtmlColor.h"
#include "tags/ui/TColorForm.h"
#include "tags/ui/TFontForm.h"
#include "tags/ui/TagPanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>

namespace zn::tags::ui {
namespace {

constexpr const char* kColorMime = "application/x-znackar-body-color";
constexpr const char* kBodyLabels[] = {"TextL", "LinkL", "AlinkL", "VlinkL"};

bool IsBodyLabel(const std::string& name) {
    for (const char* label : kBodyLabels) {
        if (name == label) {
            return true;
        }
    }
    return false;
}

/// The preview a picture field feeds.
const char* PreviewOf(std::string_view field) {
    return field == "IMGSRC" ? "IMGImage" : field == "BGPicture" ? "BGImage" : "InputImage";
}

} // namespace

TInspectorWriters::TInspectorWriters(TTagInspector& inspector)
    : QObject(&inspector), inspector_(inspector) {
    for (const TWriterRow& row : InspectorWriters()) {
        Connect(row);
    }
}

TInspectorWriters::~TInspectorWriters() = default;

TColorForm& TInspectorWriters::ColorForm() {
    if (colorForm_ == nullptr) {
        colorForm_ = new TColorForm(inspector_.Host().DialogParent());
    }
    return *colorForm_;
}

TWriteContext TInspectorWriters::Context() {
    TWriteContext context;
    context.Edit = inspector_.Host().InspectedEdit();
    context.WriteGuard = inspector_.WriteGuard;
    context.UpperCaseTags = inspector_.Host().InspectorSettings().UpperCaseTags;
    context.ComboWriteFlag = &inspector_.ComboWriteFlag;
    TInspectorPanels& panels = inspector_.Panels();
    context.RefComboText = panels.TextOf("RefCombo");
    if (auto* type = panels.Control("AType")) {
        if (auto* group = type->findChild<QButtonGroup*>()) {
            context.LinkType = std::max(0, group->checkedId());
        }
    }
    return context;
}

void TInspectorWriters::Write(const TWriterRow& row, const TControlValue& value) {
    TWriteContext context = Context();
    if (!WriteControl(row, value, context)) {
        return;
    }
    if (context.NewRefComboText) {
        if (auto* ref = inspector_.Panels().As<QComboBox>("RefCombo")) {
            const bool guard = inspector_.WriteGuard;
            inspector_.WriteGuard = true;
            ref->setEditText(FromBytes(*context.NewRefComboText));
            inspector_.WriteGuard = guard;
        }
    }
}

void TInspectorWriters::Connect(const TWriterRow& row) {
    QWidget* widget = inspector_.Panels().Control(row.Control);
    if (widget == nullptr) {
        return;
    }
    const TWriterRow* r = &row;
    const auto writeText = [this, r](const QString& text) {
        TControlValue value;
        value.Text = ToBytes(text);
        Write(*r, value);
    };
    switch (row.Kind) {
    case WriterKind::Edit:
    case WriterKind::Combo:
    case WriterKind::Link:
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            connect(edit, &QLineEdit::textChanged, this, writeText);
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            connect(combo, &QComboBox::editTextChanged, this, writeText);
        }
        break;
    case WriterKind::TextType:
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            connect(combo, &QComboBox::textActivated, this, writeText);
        }
        break;
    case WriterKind::Check:
        if (auto* check = qobject_cast<QCheckBox*>(widget)) {
            connect(check, &QCheckBox::clicked, this, [this, r](bool checked) {
                TControlValue value;
                value.Checked = checked;
                Write(*r, value);
            });
        }
        break;
    case WriterKind::Enumerated:
    case WriterKind::LinkType:
        if (auto* group = widget->findChild<QButtonGroup*>()) {
            connect(group, &QButtonGroup::idClicked, this, [this, r](int id) {
                TControlValue value;
                value.Index = id;
                Write(*r, value);
            });
        }
        break;
    case WriterKind::HeadingSize:
        if (auto* bar = qobject_cast<QSlider*>(widget)) {
            connect(bar, &QSlider::valueChanged, this, [this, r](int position) {
                TControlValue value;
                value.Index = position;
                Write(*r, value);
            });
        }
        break;
    case WriterKind::Color:
        widget->installEventFilter(this);
        widget->setCursor(Qt::PointingHandCursor);
        if (IsBodyLabel(row.Control)) {
            widget->setAcceptDrops(true);
        }
        break;
    default:
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            connect(button, &QAbstractButton::clicked, this, [this, r] { ButtonClick(*r); });
        }
        break;
    }
}

void TInspectorWriters::ColorClick(const TWriterRow& row, bool dropped) {
    TWriteContext context = Context();
    if (context.Edit == nullptr || context.WriteGuard) {
        return;
    }
    const std::string shown = base::ColorToHtml(inspector_.Panels().ColorOf(row.Control));
    TColorForm& form = ColorForm();
    std::string text;
    if (dropped) {
        form.SetColorText(shown);
        text = form.ColorText();
    } else if (std::optional<std::string> chosen = form.Edit(shown)) {
        text = *chosen;
    } else {
        return;
    }
    TControlValue value;
    value.Color = base::HtmlToColor(text);
    Write(row, value);
}

void TInspectorWriters::DropColor(const std::string& source, const std::string& target) {
    const TWriterRow* row = FindWriter(target);
    if (source == target || row == nullptr || !IsBodyLabel(source) || !IsBodyLabel(target)) {
        return;
    }
    inspector_.Panels().SetControlColor(target, inspector_.Panels().ColorOf(source));
    ColorDropFlag = true;
    ColorClick(*row, ColorDropFlag);
    ColorDropFlag = false;
}

bool TInspectorWriters::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    const std::string name = widget != nullptr ? widget->objectName().toStdString() : "";
    const TWriterRow* row = FindWriter(name);
    if (row == nullptr || row->Kind != WriterKind::Color) {
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        pressPos_ = static_cast<QMouseEvent*>(event)->position().toPoint();
        return true;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            widget->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            ColorClick(*row, false);
            return true;
        }
        break;
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!IsBodyLabel(name) || !(mouse->buttons() & Qt::LeftButton) ||
            (mouse->position().toPoint() - pressPos_).manhattanLength() <
                QApplication::startDragDistance()) {
            break;
        }
        auto* drag = new QDrag(widget);
        auto* data = new QMimeData();
        data->setData(QString::fromLatin1(kColorMime), QByteArray::fromStdString(name));
        drag->setMimeData(data);
        // A drag that ends on no label counts as a click on the dragged one.
        if (drag->exec(Qt::CopyAction) == Qt::IgnoreAction) {
            ColorClick(*row, false);
        }
        return true;
    }
    case QEvent::DragEnter: {
        auto* drag = static_cast<QDragEnterEvent*>(event);
        const std::string source =
            drag->mimeData()->data(QString::fromLatin1(kColorMime)).toStdString();
        if (IsBodyLabel(name) && IsBodyLabel(source) && source != name) {
            drag->acceptProposedAction();
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const std::string source =
            drop->mimeData()->data(QString::fromLatin1(kColorMime)).toStdString();
        drop->acceptProposedAction();
        DropColor(source, name);
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void TInspectorWriters::ButtonClick(const TWriterRow& row) {
    TInspectorPanels& panels = inspector_.Panels();
    InspectorHost& host = inspector_.Host();
    const std::string field = panels.TextOf(row.Field);
    switch (row.Kind) {
    case WriterKind::Browse: {
        const std::string chosen = host.ChooseLinkFor(field, static_cast<int>(row.Browse));
        if (chosen == field) {
            return;
        }
        if (auto* edit = panels.As<QLineEdit>(row.Field)) {
            edit->setText(FromBytes(chosen));
        } else if (auto* combo = panels.As<QComboBox>(row.Field)) {
            combo->setEditText(FromBytes(chosen));
        }
        return;
    }
    case WriterKind::Reload:
        inspector_.SimplePreview(PreviewOf(row.Field), field);
        return;
    case WriterKind::View:
    case WriterKind::EditPicture:
        if (!field.empty()) {
            host.OpenInPictureProgram(inspector_.FileOfLink(field),
                                      row.Kind == WriterKind::EditPicture);
        }
        return;
    case WriterKind::Dimensions: {
        auto* image = panels.As<TPreviewImage>("IMGImage");
        if (image == nullptr || image->Picture().isNull() || inspector_.WriteGuard) {
            return;
        }
        panels.As<QLineEdit>("IMGWidth")->setText(QString::number(image->Picture().width()));
        panels.As<QLineEdit>("IMGHeight")->setText(QString::number(image->Picture().height()));
        return;
    }
    case WriterKind::Fonts: {
        if (host.InspectedEdit() == nullptr || inspector_.WriteGuard) {
            return;
        }
        if (fontForm_ == nullptr) {
            fontForm_ = new TFontForm(host.DialogParent());
        }
        if (std::optional<QString> faces =
                fontForm_->ChooseFaces(panels.ColorOf("FontColor"), host.DocumentBodyColor())) {
            if (auto* combo = panels.As<QComboBox>("FaceCombo")) {
                combo->setEditText(*faces);
            }
        }
        return;
    }
    case WriterKind::StyleEditor: {
        if (host.InspectedEdit() == nullptr || inspector_.WriteGuard) {
            return;
        }
        // The edit's own writer puts the rebuilt rule into the STYLE attribute.
        if (std::optional<std::string> css = host.EditStyleText(field)) {
            if (auto* edit = panels.As<QLineEdit>(row.Field)) {
                edit->setText(FromBytes(*css));
            }
        }
        return;
    }
    default:
        Write(row, TControlValue{});
        return;
    }
}

} // namespace zn::tags::ui
