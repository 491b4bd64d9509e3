// The font list dialog.
#include "tags/ui/TFontForm.h"

#include "tags/ui/DialogButtons.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

namespace zn::tags::ui {

TFontForm::TFontForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Vybrat font"));
    auto* layout = new QVBoxLayout(this);
    FLB = new QListWidget(this);
    FLB->setObjectName(QStringLiteral("FLB"));
    FLB->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const QString& family : QFontDatabase::families()) {
        auto* item = new QListWidgetItem(family, FLB);
        const QFont face(family);
        item->setFont(face);
        item->setSizeHint(QSize(0, QFontMetrics(face).height() + 2));
    }
    layout->addWidget(FLB);
    QDialogButtonBox* buttons = OkStornoButtons(this);
    layout->addWidget(buttons);
    resize(300, 400);
}

std::optional<QString> TFontForm::ChooseFaces(base::TColor fontColor, base::TColor background) {
    QPalette palette = FLB->palette();
    palette.setColor(QPalette::Text, QColor(base::RedOf(fontColor), base::GreenOf(fontColor),
                                            base::BlueOf(fontColor)));
    palette.setColor(QPalette::Base, QColor(base::RedOf(background), base::GreenOf(background),
                                            base::BlueOf(background)));
    FLB->setPalette(palette);
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    QStringList faces;
    for (int i = 0; i < FLB->count(); ++i) {
        if (FLB->item(i)->isSelected()) {
            faces << FLB->item(i)->text();
        }
    }
    return faces.join(QLatin1Char(','));
}

} // namespace zn::tags::ui
