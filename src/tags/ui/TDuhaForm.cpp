// The rainbow text dialog.
#include "tags/ui/TDuhaForm.h"

#include "tags/ui/DialogButtons.h"

#include "base/HtmlColor.h"
#include "tags/SmallTools.h"
#include "tags/ui/TRainBowPaintBox.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zn::tags::ui {
namespace {

void Paint(QPushButton* panel, base::TColor c) {
    panel->setStyleSheet(QStringLiteral("background-color: %1; min-width: 48px;")
                             .arg(QString::fromStdString(base::ColorToHtml(c))));
}

} // namespace

TDuhaForm::TDuhaForm(std::function<std::optional<std::string>(const std::string&)> editColor,
                     QWidget* parent)
    : QDialog(parent), editColor_(std::move(editColor)) {
    setWindowTitle(QStringLiteral("Duhový text"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    layout->addLayout(form);
    DuhaText = new QLineEdit(this);
    form->addRow(QStringLiteral("&Text:"), DuhaText);
    StartPanel = new QPushButton(this);
    StopPanel = new QPushButton(this);
    StartPanel->setAccessibleName(QStringLiteral("Počáteční barva"));
    StopPanel->setAccessibleName(QStringLiteral("Koncová barva"));
    form->addRow(QStringLiteral("Počáteční barva:"), StartPanel);
    form->addRow(QStringLiteral("Koncová barva:"), StopPanel);
    PaintBox = new TRainBowPaintBox(this);
    layout->addWidget(PaintBox);
    QDialogButtonBox* buttons =
        OkStornoButtons(this, QStringLiteral("&OK"), QStringLiteral("&Storno"));
    layout->addWidget(buttons);
    connect(StartPanel, &QPushButton::clicked, this, [this] { PanelClick(true); });
    connect(StopPanel, &QPushButton::clicked, this, [this] { PanelClick(false); });
    SetStartColor(start_);
    SetStopColor(stop_);
}

void TDuhaForm::SetStartColor(base::TColor color) {
    start_ = color;
    Paint(StartPanel, color);
    PaintBox->SetStartColor(color);
}

void TDuhaForm::SetStopColor(base::TColor color) {
    stop_ = color;
    Paint(StopPanel, color);
    PaintBox->SetStopColor(color);
}

void TDuhaForm::PanelClick(bool start) {
    if (!editColor_) {
        return;
    }
    if (std::optional<std::string> text = editColor_(base::ColorToHtml(start ? start_ : stop_))) {
        const base::TColor color = base::HtmlToColor(*text);
        start ? SetStartColor(color) : SetStopColor(color);
    }
}

std::string TDuhaForm::Result(const std::string& text, bool upperCaseTags) const {
    return RainbowText(text, start_, stop_, upperCaseTags);
}

} // namespace zn::tags::ui
