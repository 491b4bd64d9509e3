// The Go-to-picture dialog with its owner-drawn list of pictures.
#include "structure/ui/TGOTOIMGForm.h"

#include "base/Cp1250.h"
#include "base/Links.h"
#include "structure/PictureType.h"
#include "structure/ui/PictureImage.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace zn::structure::ui {
namespace {

constexpr int kPictureRole = Qt::UserRole + 1;

/// Silver entries, teal when selected or focused; the picture stretched into a square of
/// height × 4/3 at the left, the text after it.
class EntryDelegate : public QStyledItemDelegate {
public:
    EntryDelegate(QSpinBox* height, QObject* parent)
        : QStyledItemDelegate(parent), height_(height) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), height_->value()};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool marked = (option.state & (QStyle::State_Selected | QStyle::State_HasFocus)) != 0;
        painter->fillRect(option.rect,
                          marked ? QColor(0x00, 0x80, 0x80) : QColor(0xC0, 0xC0, 0xC0));
        const int h = option.rect.height();
        const QImage picture = index.data(kPictureRole).value<QImage>();
        if (!picture.isNull()) {
            painter->drawImage(QRect(option.rect.left(), option.rect.top(), h * 4 / 3, h), picture);
        }
        const int textLeft = (h - 2) * 4 / 3 + 3;
        painter->setPen(marked ? Qt::white : Qt::black);
        painter->drawText(option.rect.adjusted(textLeft, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                          index.data(Qt::DisplayRole).toString());
    }

private:
    QSpinBox* height_;
};

} // namespace

TGOTOIMGForm::TGOTOIMGForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("GOTOIMGForm"));
    setWindowTitle(QStringLiteral("Jít na obrázek"));
    auto* layout = new QVBoxLayout(this);
    ImageLB = new QListWidget(this);
    ImageLB->setObjectName(QStringLiteral("ImageLB"));
    ImageLB->setLayoutDirection(Qt::RightToLeft);
    layout->addWidget(ImageLB, 1);
    UpDown1 = new QSpinBox(this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setRange(18, 200);
    UpDown1->setValue(32);
    Edit1 = UpDown1->findChild<QLineEdit*>();
    auto* form = new QFormLayout();
    form->addRow(QStringLiteral("Výška položky:"), UpDown1);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    ImageLB->setItemDelegate(new EntryDelegate(UpDown1, ImageLB));

    connect(UpDown1, &QSpinBox::valueChanged, this, [this] { ApplyItemHeight(); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        chosen_ = ImageLB->currentRow();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ImageLB, &QListWidget::itemDoubleClicked, this, [this] {
        chosen_ = ImageLB->currentRow();
        accept();
    });
    resize(420, 360);
}

void TGOTOIMGForm::ApplyItemHeight() {
    // Items are laid out again with the delegate's new height.
    ImageLB->doItemsLayout();
    ImageLB->viewport()->update();
}

void TGOTOIMGForm::Fill(const std::vector<TIMG>& pictures, const std::string& documentFileName,
                        bool loadPictures) {
    chosen_ = -1;
    ImageLB->clear();
    for (const TIMG& picture : pictures) {
        auto* item = new QListWidgetItem(
            QString::fromStdString(base::Cp1250ToUtf8(GotoEntryText(picture))), ImageLB);
        if (!loadPictures) {
            continue;
        }
        const std::string file =
            base::LinkToFileName(base::Cp1250ToUtf8(picture.Src), documentFileName);
        if (IsJpegFile(file) || IsGifFile(file)) {
            const QImage image = LoadPictureFile(QString::fromStdString(file), nullptr);
            if (!image.isNull()) {
                item->setData(kPictureRole, QVariant::fromValue(image));
            }
        }
    }
    ApplyItemHeight();
}

std::optional<editor::Position> TGOTOIMGForm::ChosenPosition() const {
    if (chosen_ < 0 || chosen_ >= ImageLB->count()) {
        return std::nullopt;
    }
    const std::string entry = base::Utf8ToCp1250(ImageLB->item(chosen_)->text().toStdString());
    const std::optional<editor::Position> number = GotoEntryPosition(entry);
    if (!number) {
        return std::nullopt;
    }
    return *number - 1;
}

} // namespace zn::structure::ui
