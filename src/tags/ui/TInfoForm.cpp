// The document parameters dialog: the tree, the editor of the selected parameter, the colour
// sample and the scheme buttons.
#include "tags/ui/TInfoForm.h"

#include "base/HtmlColor.h"
#include "tags/ui/DialogButtons.h"
#include "tags/ui/TagPanelPanels.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zn::tags::ui {
namespace {

QString SampleStyle(base::TColor text, base::TColor background) {
    auto name = [](base::TColor c) {
        return QColor(base::RedOf(c), base::GreenOf(c), base::BlueOf(c)).name();
    };
    return QStringLiteral("QLabel { color: %1; background: %2; border: 1px solid gray; }")
        .arg(name(text), name(background));
}

bool IsColor(int index) {
    return index >= TextColor && index <= BackgroundColor;
}

} // namespace

TInfoForm::TInfoForm(TInfoFormHost host, QWidget* parent)
    : QDialog(parent), host_(std::move(host)) {
    setWindowTitle(QStringLiteral("Parametry dokumentu"));
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout();
    layout->addLayout(columns, 1);
    InfoTV = new QTreeWidget(this);
    InfoTV->setObjectName(QStringLiteral("InfoTV"));
    InfoTV->setHeaderHidden(true);
    InfoTV->setMinimumWidth(200);
    for (int i = 0; i < kParameterCount; ++i) {
        const QString caption = QString::fromUtf8(ParameterCaptions()[i]);
        items_[i] = IsColor(i) ? new QTreeWidgetItem(items_[ColorsNode], {caption})
                               : new QTreeWidgetItem(InfoTV, {caption});
        items_[i]->setData(0, Qt::UserRole, i);
    }
    InfoTV->expandAll();
    columns->addWidget(InfoTV);

    auto* right = new QVBoxLayout();
    columns->addLayout(right, 1);
    Lbl = new QLabel(this);
    Edt = new QLineEdit(this);
    Edt->setObjectName(QStringLiteral("Edt"));
    CB = new QComboBox(this);
    CB->setObjectName(QStringLiteral("CB"));
    CB->setEditable(true);
    CB->addItems({QStringLiteral("ISO-8859-1"), QStringLiteral("ISO-8859-2"),
                  QStringLiteral("Windows-1250")});
    ColorPanel = new QLabel(this);
    ColorPanel->setObjectName(QStringLiteral("ColorPanel"));
    ColorPanel->setToolTip(QStringLiteral("Ťuknout k editaci"));
    ColorPanel->setAlignment(Qt::AlignCenter);
    ColorPanel->setMinimumHeight(60);
    ColorPanel->installEventFilter(this);
    Img = new QLabel(this);
    Img->setScaledContents(true);
    Img->setFixedSize(160, 120);
    presmhint = new QLabel(QStringLiteral("počet sekund; url=URL dokumentu"), this);
    auto* buttons = new QHBoxLayout();
    OpenButton = new QToolButton(this);
    OpenButton->setObjectName(QStringLiteral("OpenButton"));
    OpenButton->setIcon(QIcon::fromTheme(QStringLiteral("document-open")));
    OpenButton->setText(QStringLiteral("Otevřít"));
    SaveButton = new QToolButton(this);
    SaveButton->setObjectName(QStringLiteral("SaveButton"));
    SaveButton->setIcon(QIcon::fromTheme(QStringLiteral("document-save")));
    SaveButton->setText(QStringLiteral("Uložit"));
    SaveButton->setToolTip(QStringLiteral("Uložit barevné schéma"));
    buttons->addWidget(OpenButton);
    buttons->addWidget(SaveButton);
    buttons->addStretch();
    for (QWidget* w : {static_cast<QWidget*>(Lbl), static_cast<QWidget*>(Edt),
                       static_cast<QWidget*>(CB), static_cast<QWidget*>(ColorPanel),
                       static_cast<QWidget*>(Img), static_cast<QWidget*>(presmhint)}) {
        right->addWidget(w);
    }
    right->addLayout(buttons);
    right->addStretch();
    layout->addWidget(OkStornoButtons(this, QStringLiteral("Zapsat"), QStringLiteral("Konec")));
    resize(520, 340);

    connect(InfoTV, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item != nullptr) {
            SelectNode(item->data(0, Qt::UserRole).toInt());
        }
    });
    connect(Edt, &QLineEdit::textChanged, this, &TInfoForm::EdtChange);
    connect(CB, &QComboBox::editTextChanged, this, &TInfoForm::EdtChange);
    connect(OpenButton, &QToolButton::clicked, this, &TInfoForm::OpenButtonClick);
    connect(SaveButton, &QToolButton::clicked, this, &TInfoForm::SaveButtonClick);
    SelectNode(ColorsNode);
}

void TInfoForm::ReadDocument(const editor::THTMLRichEdit& edit) {
    values_ = ReadParameters(edit);
    selected_ = -1;
    SelectNode(ColorsNode);
}

void TInfoForm::SelectNode(int index) {
    const bool changed = selected_ != index;
    selected_ = index;
    if (changed) {
        InfoTV->setCurrentItem(items_[index]);
    }
    showing_ = true;
    const QString caption = QString::fromUtf8(ParameterCaptions()[index]);
    Lbl->setText(caption + QStringLiteral(":"));
    for (QWidget* w :
         {static_cast<QWidget*>(Edt), static_cast<QWidget*>(CB), static_cast<QWidget*>(ColorPanel),
          static_cast<QWidget*>(Img), static_cast<QWidget*>(presmhint),
          static_cast<QWidget*>(OpenButton), static_cast<QWidget*>(SaveButton)}) {
        w->hide();
    }
    if (index == ColorsNode) {
        OpenButton->setToolTip(QStringLiteral("Načíst barevné schéma"));
        OpenButton->show();
        SaveButton->show();
    } else if (IsColor(index)) {
        Edt->show();
        ColorPanel->setText(index == BackgroundColor ? QString() : caption);
        ColorPanel->show();
    } else if (index == Charset) {
        CB->setEditText(FromBytes(values_[Charset]));
        CB->show();
    } else if (index == BackgroundPicture) {
        OpenButton->setToolTip(QStringLiteral("Najít soubor"));
        OpenButton->show();
        Edt->show();
    } else {
        Edt->show();
        presmhint->setVisible(index == Redirection);
    }
    if (index != Charset) {
        Edt->setText(FromBytes(values_[index]));
    }
    showing_ = false;
    Refresh();
}

void TInfoForm::EdtChange(const QString& text) {
    if (showing_ || selected_ <= ColorsNode) {
        return;
    }
    const bool fromCombo = sender() == CB;
    if (fromCombo != (selected_ == Charset)) {
        return;
    }
    values_[selected_] = ToBytes(text);
    Refresh();
}

void TInfoForm::Refresh() {
    const base::TColor background = base::HtmlToColor(values_[BackgroundColor]);
    const base::TColor text = selected_ >= TextColor && selected_ < BackgroundColor
                                  ? base::HtmlToColor(values_[selected_])
                                  : background;
    ColorPanel->setStyleSheet(SampleStyle(text, background));
    if (selected_ == BackgroundPicture && !values_[BackgroundPicture].empty() &&
        host_.LoadPicture) {
        const QImage picture = host_.LoadPicture(values_[BackgroundPicture]);
        Img->setPixmap(QPixmap::fromImage(picture));
        Img->setVisible(!picture.isNull());
    }
}

void TInfoForm::ShowValues() {
    const int index = selected_;
    selected_ = -1;
    SelectNode(index);
}

void TInfoForm::ColorPanelClick() {
    if (!IsColor(selected_) || !host_.EditColor) {
        return;
    }
    if (std::optional<std::string> color = host_.EditColor(values_[selected_])) {
        values_[selected_] = *color;
        ShowValues();
    }
}

void TInfoForm::OpenButtonClick() {
    if (selected_ == BackgroundPicture) {
        if (host_.ChoosePicture) {
            if (std::optional<std::string> link = host_.ChoosePicture(values_[selected_])) {
                Edt->setText(FromBytes(*link));
            }
        }
        return;
    }
    const QString file = host_.SchemeFileName ? host_.SchemeFileName(false) : QString();
    if (file.isEmpty()) {
        return;
    }
    const std::string path = file.toStdString();
    const base::FileResult result =
        IsPageFileName(path) ? LoadColorsFromPage(path, values_) : LoadScheme(path, values_);
    if (!result.ok && host_.Prompter != nullptr) {
        host_.Prompter->Tell(result.message, base::Severity::Error);
    }
    ShowValues();
}

void TInfoForm::SaveButtonClick() {
    const QString file = host_.SchemeFileName ? host_.SchemeFileName(true) : QString();
    if (file.isEmpty()) {
        return;
    }
    const base::FileResult result = SaveScheme(file.toStdString(), values_);
    if (!result.ok && host_.Prompter != nullptr) {
        host_.Prompter->Tell(result.message, base::Severity::Error);
    }
}

bool TInfoForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ColorPanel && event->type() == QEvent::MouseButtonRelease) {
        ColorPanelClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zn::tags::ui
