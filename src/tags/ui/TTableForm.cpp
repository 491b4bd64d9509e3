// "Nová tabulka": up-down controls, caption, border, end tags and the grid of cell contents.
#include "tags/ui/TTableForm.h"

#include "base/Cp1250.h"
#include "base/ui/DialogButtons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSlider>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace zn::tags::ui {

namespace {

/// Header cells blue with white text (red when selected), body cells white with black text
/// (silver when selected); lines as wide as the border; the text at the top left.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(TTableForm& form) : QStyledItemDelegate(&form), form_(form) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QTableWidget* grid = form_.TableStringGrid;
        const TTableCounts counts = form_.Counts();
        const bool header = IsHeaderCell(grid->verticalHeader()->visualIndex(index.row()),
                                         grid->horizontalHeader()->visualIndex(index.column()),
                                         counts.HeaderRows(), counts.HeaderCols());
        const bool selected = option.state & QStyle::State_Selected;
        const QColor background = header ? (selected ? QColor(0xFF, 0, 0) : QColor(0, 0, 0xFF))
                                         : (selected ? QColor(0xC0, 0xC0, 0xC0) : Qt::white);
        painter->save();
        painter->fillRect(option.rect, background);
        if (const int line = form_.BorderTrackBar->value(); line > 0) {
            painter->setPen(QPen(Qt::gray, line));
            painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
            painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        }
        painter->setPen(header ? Qt::white : Qt::black);
        painter->drawText(option.rect.adjusted(2, 1, -1, -1), Qt::AlignLeft | Qt::AlignTop,
                          index.data().toString());
        painter->restore();
    }

private:
    TTableForm& form_;
};

QLabel* AddCount(QGridLayout* layout, int row, const char* caption, TUpDown* upDown,
                 QWidget* parent) {
    auto* count = new QLabel(parent);
    count->setMinimumWidth(28);
    count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(new QLabel(QString::fromUtf8(caption), parent), row, 0);
    layout->addWidget(count, row, 1);
    layout->addWidget(upDown, row, 2, Qt::AlignLeft);
    return count;
}

} // namespace

TUpDown::TUpDown(Qt::Orientation orientation, int min, int max, int position, QWidget* parent)
    : QWidget(parent), min_(min), max_(max), position_(position) {
    QBoxLayout* layout = orientation == Qt::Vertical
                             ? static_cast<QBoxLayout*>(new QVBoxLayout(this))
                             : static_cast<QBoxLayout*>(new QHBoxLayout(this));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const bool vertical = orientation == Qt::Vertical;
    // The first button steps down: the lower arrow, or the left one.
    auto* down = new QToolButton(this);
    auto* up = new QToolButton(this);
    down->setArrowType(vertical ? Qt::DownArrow : Qt::LeftArrow);
    up->setArrowType(vertical ? Qt::UpArrow : Qt::RightArrow);
    for (QToolButton* button : {up, down}) {
        button->setAutoRepeat(true);
        button->setFixedSize(vertical ? QSize(22, 12) : QSize(14, 22));
    }
    layout->addWidget(vertical ? up : down);
    layout->addWidget(vertical ? down : up);
    connect(up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down, &QToolButton::clicked, this, [this] { Step(-1); });
}

void TUpDown::SetPosition(int position) {
    position_ = std::clamp(position, min_, max_);
}

void TUpDown::Step(int delta) {
    SetPosition(position_ + delta);
    if (OnClick)
        OnClick();
}

TTableForm::TTableForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TableForm"));
    setWindowTitle(QStringLiteral("Nová tabulka"));
    setMinimumSize(364, 253);
    const TTableCounts defaults;
    RowsUpDown = new TUpDown(Qt::Vertical, 1, 100, defaults.RowsPosition, this);
    HeadRowsUpDown = new TUpDown(Qt::Vertical, 0, 100, defaults.HeadRowsPosition, this);
    ColsUpDown = new TUpDown(Qt::Horizontal, 1, 100, defaults.ColsPosition, this);
    HeadColsUpDown = new TUpDown(Qt::Horizontal, 0, 100, defaults.HeadColsPosition, this);

    auto* counts = new QGridLayout;
    rowsCount_ = AddCount(counts, 0, "Řádky:", RowsUpDown, this);
    headRowsCount_ = AddCount(counts, 1, "Řádky hlavičky:", HeadRowsUpDown, this);
    colsCount_ = AddCount(counts, 2, "Sloupce:", ColsUpDown, this);
    headColsCount_ = AddCount(counts, 3, "Sloupce hlavičky:", HeadColsUpDown, this);
    for (TUpDown* upDown : {RowsUpDown, HeadRowsUpDown, ColsUpDown, HeadColsUpDown})
        upDown->OnClick = [this] { UpdateGrid(); };

    CaptionEdit = new QLineEdit(this);
    CaptionEdit->setObjectName(QStringLiteral("CaptionEdit"));
    BorderTrackBar = new QSlider(Qt::Horizontal, this);
    BorderTrackBar->setObjectName(QStringLiteral("BorderTrackBar"));
    BorderTrackBar->setRange(0, 10);
    BorderTrackBar->setValue(1);
    BorderTrackBar->setTickPosition(QSlider::TicksBelow);
    CloseTagCheckBox = new QCheckBox(QStringLiteral("Uzavírat všechny tagy"), this);
    CloseTagCheckBox->setObjectName(QStringLiteral("CloseTagCheckBox"));
    auto* options = new QGridLayout;
    options->addWidget(new QLabel(QStringLiteral("Titulek:"), this), 0, 0);
    options->addWidget(CaptionEdit, 0, 1);
    options->addWidget(new QLabel(QStringLiteral("Velikost okraje:"), this), 1, 0);
    options->addWidget(BorderTrackBar, 1, 1);
    options->addWidget(CloseTagCheckBox, 2, 0, 1, 2);
    options->setRowStretch(3, 1);

    TableStringGrid = new QTableWidget(this);
    TableStringGrid->setObjectName(QStringLiteral("TableStringGrid"));
    TableStringGrid->setShowGrid(false);
    TableStringGrid->setItemDelegate(new CellDelegate(*this));
    // The numbered headers are only handles for dragging rows and columns to new places.
    for (QHeaderView* header :
         {TableStringGrid->horizontalHeader(), TableStringGrid->verticalHeader()}) {
        header->setSectionsMovable(true);
        header->setDefaultSectionSize(header == TableStringGrid->horizontalHeader() ? 64 : 22);
    }
    connect(BorderTrackBar, &QSlider::valueChanged, TableStringGrid->viewport(),
            qOverload<>(&QWidget::update));

    QDialogButtonBox* buttons = base::ui::OkCancelButtons(this);

    auto* top = new QHBoxLayout;
    top->addLayout(counts);
    top->addSpacing(12);
    top->addLayout(options, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(TableStringGrid, 1);
    layout->addWidget(buttons);
    resize(520, 380);
    UpdateGrid();
}

TTableCounts TTableForm::Counts() const {
    TTableCounts counts;
    counts.RowsPosition = RowsUpDown->Position();
    counts.HeadRowsPosition = HeadRowsUpDown->Position();
    counts.ColsPosition = ColsUpDown->Position();
    counts.HeadColsPosition = HeadColsUpDown->Position();
    return counts;
}

void TTableForm::UpdateGrid() {
    const TTableCounts counts = Counts();
    TableStringGrid->setRowCount(counts.RowCount());
    TableStringGrid->setColumnCount(counts.ColCount());
    rowsCount_->setText(QString::number(counts.RowCount() - counts.HeaderRows()));
    headRowsCount_->setText(QString::number(counts.HeaderRows()));
    colsCount_->setText(QString::number(counts.ColCount() - counts.HeaderCols()));
    headColsCount_->setText(QString::number(counts.HeaderCols()));
    TableStringGrid->viewport()->update();
}

TTableWizard TTableForm::Table() const {
    const TTableCounts counts = Counts();
    TTableWizard table;
    table.HeaderRows = counts.HeaderRows();
    table.HeaderCols = counts.HeaderCols();
    table.Border = BorderTrackBar->value();
    table.Caption = base::Utf8ToCp1250(CaptionEdit->text().toStdString());
    table.CloseTags = CloseTagCheckBox->isChecked();
    const QHeaderView* rows = TableStringGrid->verticalHeader();
    const QHeaderView* cols = TableStringGrid->horizontalHeader();
    for (int r = 0; r < TableStringGrid->rowCount(); ++r) {
        std::vector<std::string>& cells = table.Cells.emplace_back();
        for (int c = 0; c < TableStringGrid->columnCount(); ++c) {
            const QTableWidgetItem* item =
                TableStringGrid->item(rows->logicalIndex(r), cols->logicalIndex(c));
            cells.push_back(item ? base::Utf8ToCp1250(item->text().toStdString()) : std::string());
        }
    }
    return table;
}

void TTableForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CaptionEdit->setFocus();
}

} // namespace zn::tags::ui
