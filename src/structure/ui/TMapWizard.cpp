// The map wizard: its fields, the picture preview and the enabling of OK.
#include "structure/ui/TMapWizard.h"

#include "base/Cp1250.h"
#include "base/Links.h"
#include "structure/MapAreas.h"
#include "structure/ui/PictureImage.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace zn::structure::ui {

TMapWizard::TMapWizard(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("MapWizard"));
    setWindowTitle(QStringLiteral("Kouzelník pro novou mapu"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    IMG = new QLineEdit(this);
    IMG->setObjectName(QStringLiteral("IMG"));
    SpeedButton2 = new QToolButton(this);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setText(QStringLiteral("..."));
    SpeedButton2->setToolTip(QStringLiteral("Najít soubor"));
    auto* picture = new QHBoxLayout();
    picture->addWidget(IMG, 1);
    picture->addWidget(SpeedButton2);
    form->addRow(QStringLiteral("Obrázek:"), picture);
    Name = new QLineEdit(this);
    Name->setObjectName(QStringLiteral("Name"));
    form->addRow(QStringLiteral("Jméno mapy:"), Name);
    layout->addLayout(form);
    Image = new QLabel(this);
    Image->setObjectName(QStringLiteral("Image"));
    Image->setAlignment(Qt::AlignCenter);
    layout->addWidget(Image, 1);
    auto* buttons = new QDialogButtonBox(this);
    OKButton = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(IMG, &QLineEdit::textChanged, this, &TMapWizard::IMGChange);
    connect(SpeedButton2, &QToolButton::clicked, this, [this] {
        const QString link = ChooseImage ? ChooseImage(IMG->text()) : QString();
        if (!link.isEmpty() && link != IMG->text()) {
            IMG->setText(link);
        }
    });
    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this,
            [this] { OKButton->setEnabled(!IMG->text().isEmpty() && !Name->text().isEmpty()); });
    Timer1->start();
    OKButton->setEnabled(false);
    resize(420, 360);
}

void TMapWizard::Clear() {
    IMG->clear();
    Name->clear();
    Image->clear();
    OKButton->setEnabled(false);
}

void TMapWizard::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    IMG->setFocus();
}

void TMapWizard::IMGChange() {
    if (IMG->text().isEmpty()) {
        return;
    }
    const QString file =
        QString::fromStdString(base::LinkToFileName(IMG->text().toStdString(), DocumentFileName));
    const QImage picture = QFileInfo(file).isFile() ? LoadPictureFile(file, nullptr) : QImage();
    if (picture.isNull()) {
        Image->clear();
        Image->hide();
        return;
    }
    const QPixmap shown = QPixmap::fromImage(picture);
    Image->setPixmap(shown.width() > 400 || shown.height() > 300
                         ? shown.scaled(400, 300, Qt::KeepAspectRatio)
                         : shown);
    Image->show();
    width_ = QString::number(picture.width());
    height_ = QString::number(picture.height());
}

std::string TMapWizard::Text(bool upperCaseTags) const {
    auto bytes = [](const QString& s) { return base::Utf8ToCp1250(s.toStdString()); };
    return MapWizardText(bytes(IMG->text()), bytes(width_), bytes(height_), bytes(Name->text()),
                         upperCaseTags);
}

} // namespace zn::structure::ui
