// The offer to convert a page into its real encoding.
#include "app/ui/EncodingOfferBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace zn::app::ui {

EncodingOfferBar::EncodingOfferBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("EncodingOfferBar"));
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, QColor(255, 244, 200));
    setPalette(look);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 6, 3);
    label_ = new QLabel(this);
    label_->setTextFormat(Qt::PlainText);
    label_->setWordWrap(true);
    auto* convert = new QPushButton(QStringLiteral("Převést"), this);
    convert->setObjectName(QStringLiteral("ConvertButton"));
    auto* keep = new QPushButton(QStringLiteral("Ponechat"), this);
    keep->setObjectName(QStringLiteral("KeepButton"));
    layout->addWidget(label_, 1);
    layout->addWidget(convert);
    layout->addWidget(keep);
    connect(convert, &QPushButton::clicked, this, [this] {
        hide();
        if (OnConvert) {
            OnConvert(found_);
        }
    });
    connect(keep, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void EncodingOfferBar::Offer(editor::PageEncoding found,
                             const std::vector<editor::SuspiciousWord>& words) {
    found_ = found;
    QString text = QStringLiteral("Stránka je zřejmě v kódování %1.")
                       .arg(QString::fromStdString(editor::PageEncodingName(found)));
    for (const editor::SuspiciousWord& word : words) {
        text += QStringLiteral("  %1 → %2")
                    .arg(QString::fromStdString(word.shown), QString::fromStdString(word.repaired));
    }
    label_->setText(text);
    show();
}

QString EncodingOfferBar::Text() const {
    return label_->text();
}

} // namespace zn::app::ui
