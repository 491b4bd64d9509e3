// The colour editor dialog.
#include "tags/ui/TColorForm.h"

#include "tags/ui/DialogButtons.h"

#include "base/HtmlColor.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QVBoxLayout>

namespace zn::tags::ui {
namespace {

QScrollBar* ComponentBar(QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setRange(0, 255);
    bar->setPageStep(16);
    bar->setMinimumWidth(256);
    return bar;
}

} // namespace

TColorForm::TColorForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Barva"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout();
    layout->addLayout(grid);
    RedScrollBar = ComponentBar(this);
    GreenScrollBar = ComponentBar(this);
    BlueScrollBar = ComponentBar(this);
    LRed = new QLabel(this);
    LGreen = new QLabel(this);
    LBlue = new QLabel(this);
    const QString captions[] = {QStringLiteral("Červená"), QStringLiteral("Zelená"),
                                QStringLiteral("Modrá")};
    QScrollBar* bars[] = {RedScrollBar, GreenScrollBar, BlueScrollBar};
    QLabel* labels[] = {LRed, LGreen, LBlue};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(new QLabel(captions[i], this), i, 0);
        grid->addWidget(bars[i], i, 1);
        grid->addWidget(labels[i], i, 2);
        bars[i]->setAccessibleName(captions[i]);
        connect(bars[i], &QScrollBar::valueChanged, this, [this] { ScrollBarChange(); });
    }
    LightBar = new QSlider(Qt::Horizontal, this);
    LightBar->setRange(0, 255);
    LightBar->setAccessibleName(QStringLiteral("Světelnost"));
    LightBar->installEventFilter(this);
    grid->addWidget(new QLabel(QStringLiteral("Světelnost"), this), 3, 0);
    grid->addWidget(LightBar, 3, 1);
    connect(LightBar, &QSlider::valueChanged, this, [this] { LightBarChange(); });
    ColorPanel = new QLabel(this);
    ColorPanel->setMinimumSize(120, 48);
    ColorPanel->setAutoFillBackground(true);
    ColorPanel->setFrameShape(QFrame::Panel);
    ColorPanel->setFrameShadow(QFrame::Sunken);
    grid->addWidget(ColorPanel, 4, 1);
    codel = new QLabel(this);
    codel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(new QLabel(QStringLiteral("kód:"), this), 5, 0);
    grid->addWidget(codel, 5, 1);
    QDialogButtonBox* buttons = OkStornoButtons(this);
    QPushButton* choose =
        buttons->addButton(QStringLiteral("Vybrat"), QDialogButtonBox::ActionRole);
    connect(choose, &QPushButton::clicked, this, [this] { ChooseSystemColor(); });
    layout->addWidget(buttons);
    ScrollBarChange();
}

void TColorForm::SetSample(base::TColor color) {
    sample_ = color;
    QPalette palette = ColorPanel->palette();
    palette.setColor(QPalette::Window,
                     QColor(base::RedOf(color), base::GreenOf(color), base::BlueOf(color)));
    ColorPanel->setPalette(palette);
    colorText_ = base::ColorToHtml(color);
}

void TColorForm::SetColorText(const std::string& text) {
    colorText_ = NormalizeColorText(text);
    SetSample(base::HtmlToColor(colorText_));
    scrolling_ = lighting_ = true;
    RedScrollBar->setValue(base::RedOf(sample_));
    GreenScrollBar->setValue(base::GreenOf(sample_));
    BlueScrollBar->setValue(base::BlueOf(sample_));
    LightBar->setValue(255 - ColorToHLS(sample_).L);
    scrolling_ = lighting_ = false;
    ScrollBarChange();
}

std::optional<std::string> TColorForm::Edit(const std::string& text) {
    SetColorText(text);
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return colorText_;
}

void TColorForm::ScrollBarChange() {
    LRed->setText(QString::fromStdString(ColorValueLabel(RedScrollBar->value())));
    LGreen->setText(QString::fromStdString(ColorValueLabel(GreenScrollBar->value())));
    LBlue->setText(QString::fromStdString(ColorValueLabel(BlueScrollBar->value())));
    const base::TColor color = base::RGBColor(static_cast<std::uint8_t>(RedScrollBar->value()),
                                              static_cast<std::uint8_t>(GreenScrollBar->value()),
                                              static_cast<std::uint8_t>(BlueScrollBar->value()));
    codel->setText(QString::fromStdString(ColorCodeLabel(color)));
    if (lighting_) {
        return;
    }
    SetSample(color);
    scrolling_ = true;
    LightBar->setValue(255 - ColorToHLS(color).L);
    scrolling_ = false;
}

void TColorForm::LightBarChange() {
    if (scrolling_) {
        return;
    }
    SetSample(LightnessColor(remembered_, LightBar->value()));
    lighting_ = true;
    RedScrollBar->setValue(base::RedOf(sample_));
    GreenScrollBar->setValue(base::GreenOf(sample_));
    BlueScrollBar->setValue(base::BlueOf(sample_));
    ScrollBarChange(); // the labels only
    lighting_ = false;
}

bool TColorForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == LightBar && event->type() == QEvent::FocusIn) {
        remembered_ = ColorToHLS(sample_);
    }
    return QDialog::eventFilter(watched, event);
}

void TColorForm::ChooseSystemColor() {
    const QColor chosen = QColorDialog::getColor(
        QColor(base::RedOf(sample_), base::GreenOf(sample_), base::BlueOf(sample_)), this);
    if (chosen.isValid()) {
        RedScrollBar->setValue(chosen.red());
        GreenScrollBar->setValue(chosen.green());
        BlueScrollBar->setValue(chosen.blue());
    }
}

} // namespace zn::tags::ui
