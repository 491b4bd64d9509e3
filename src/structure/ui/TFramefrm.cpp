// "Kouzelník dokumentu s rámy": the frame grid, the frame properties and the document inputs.
#include "structure/ui/TFramefrm.h"

#include "base/Cp1250.h"
#include "base/ui/DialogButtons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>

namespace zn::structure::ui {

namespace {

constexpr int kHeaderSize = 4;

std::string DocumentText(const QString& text) {
    return base::Utf8ToCp1250(text.toStdString());
}

QSpinBox* SpinBox(const char* name, int min, int max, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(min, max);
    box->setValue(value);
    return box;
}

} // namespace

TFramefrm::TFramefrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Framefrm"));
    setWindowTitle(QStringLiteral("Kouzelník dokumentu s rámy"));
    Frames = new QTableWidget(this);
    Frames->setObjectName(QStringLiteral("Frames"));
    Frames->setMinimumSize(240, 180);
    // The thin headers are the handles that resize and move rows and columns.
    for (QHeaderView* header : {Frames->horizontalHeader(), Frames->verticalHeader()}) {
        header->setSectionsMovable(true);
        header->setMinimumSectionSize(8);
        header->setSectionResizeMode(QHeaderView::Interactive);
    }
    Frames->horizontalHeader()->setFixedHeight(kHeaderSize);
    Frames->verticalHeader()->setFixedWidth(kHeaderSize);
    Frames->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Frames->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(Frames, &QTableWidget::currentCellChanged, this, [this] { FramesClick(); });

    RowsSp = SpinBox("RowsSp", 1, 5, 2, this);
    ColsSp = SpinBox("ColsSp", 1, 5, 1, this);
    BorderSp = SpinBox("BorderSp", 0, 30, 3, this);
    for (QSpinBox* box : {RowsSp, ColsSp})
        connect(box, &QSpinBox::valueChanged, this, [this] { LayoutGrid(); });
    DocTitle = new QLineEdit(this);
    DocTitle->setObjectName(QStringLiteral("DocTitle"));
    NoFrames = new QPlainTextEdit(this);
    NoFrames->setObjectName(QStringLiteral("NoFrames"));
    NoFrames->setMaximumHeight(70);
    fonly = new QCheckBox(QStringLiteral("Pouze <frameset>"), this);
    fonly->setObjectName(QStringLiteral("fonly"));

    auto* frame = new QGroupBox(QStringLiteral("Vybraný rám"), this);
    FrameName = new QLineEdit(frame);
    FrameName->setObjectName(QStringLiteral("FrameName"));
    FindFileButton = new QPushButton(QStringLiteral("Najít soubor na disku"), frame);
    Scrolling = new QComboBox(frame);
    Scrolling->setObjectName(QStringLiteral("Scrolling"));
    Scrolling->addItems({QStringLiteral("Yes"), QStringLiteral("No"), QStringLiteral("Auto")});
    OpenChb = new QCheckBox(QStringLiteral("Otevřít potom soubor"), frame);
    resizeablechb = new QCheckBox(QStringLiteral("Volitelná velikost"), frame);
    auto* frameLayout = new QFormLayout(frame);
    frameLayout->addRow(QStringLiteral("Jméno rámu:"), FrameName);
    frameLayout->addRow(QStringLiteral("Posuvníky:"), Scrolling);
    frameLayout->addRow(OpenChb);
    frameLayout->addRow(resizeablechb);
    frameLayout->addRow(FindFileButton);
    connect(FrameName, &QLineEdit::textEdited, this, [this] { StoreFrame(); });
    connect(Scrolling, &QComboBox::currentIndexChanged, this, [this] { StoreFrame(); });
    connect(OpenChb, &QCheckBox::toggled, this, [this] { StoreFrame(); });
    connect(resizeablechb, &QCheckBox::toggled, this, [this] { StoreFrame(); });
    connect(FindFileButton, &QPushButton::clicked, this, [this] {
        QTableWidgetItem* item = Frames->currentItem();
        if (!ChooseSource || Frames->currentRow() < 0)
            return;
        const QString source = ChooseSource(item ? item->text() : QString());
        Frames->setItem(Frames->currentRow(), Frames->currentColumn(),
                        new QTableWidgetItem(source));
    });

    auto* inputs = new QFormLayout;
    inputs->addRow(QStringLiteral("Titulek dokumentu:"), DocTitle);
    inputs->addRow(QStringLiteral("Počet řádků:"), RowsSp);
    inputs->addRow(QStringLiteral("Počet sloupců:"), ColsSp);
    inputs->addRow(QStringLiteral("Šířka okraje:"), BorderSp);
    inputs->addRow(fonly);
    auto* side = new QVBoxLayout;
    side->addLayout(inputs);
    side->addWidget(frame);
    side->addStretch(1);

    QDialogButtonBox* buttons = base::ui::OkCancelButtons(this, &Button1);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Frames, 0, 0);
    layout->addLayout(side, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Text pro prohlížeče bez podpory rámců:"), this), 1,
                      0, 1, 2);
    layout->addWidget(NoFrames, 2, 0, 1, 2);
    layout->addWidget(buttons, 3, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(0, 1);
    resize(600, 440);
    LayoutGrid();
}

TFrame& TFramefrm::FrameAt(int row, int column) {
    auto it = frames_.find({row, column});
    if (it == frames_.end())
        it = frames_.emplace(std::pair(row, column), DefaultFrame(column + 1, row + 1)).first;
    return it->second;
}

void TFramefrm::LayoutGrid() {
    Frames->setRowCount(RowsSp->value());
    Frames->setColumnCount(ColsSp->value());
    const QSize area = Frames->viewport()->size();
    const std::vector<int> heights = EqualShares(area.height(), Frames->rowCount());
    const std::vector<int> widths = EqualShares(area.width(), Frames->columnCount());
    for (int r = 0; r < Frames->rowCount(); ++r)
        Frames->verticalHeader()->resizeSection(Frames->verticalHeader()->logicalIndex(r),
                                                heights[std::size_t(r)]);
    for (int c = 0; c < Frames->columnCount(); ++c)
        Frames->horizontalHeader()->resizeSection(Frames->horizontalHeader()->logicalIndex(c),
                                                  widths[std::size_t(c)]);
    for (int r = 0; r < Frames->rowCount(); ++r)
        for (int c = 0; c < Frames->columnCount(); ++c)
            FrameAt(r, c);
    if (Frames->currentRow() < 0)
        Frames->setCurrentCell(0, 0);
    FramesClick();
}

void TFramefrm::FramesClick() {
    if (Frames->currentRow() < 0 || Frames->currentColumn() < 0)
        return;
    const TFrame& frame = FrameAt(Frames->currentRow(), Frames->currentColumn());
    filling_ = true;
    FrameName->setText(QString::fromStdString(base::Cp1250ToUtf8(frame.Name)));
    Scrolling->setCurrentIndex(frame.Scrolling % 3);
    OpenChb->setChecked(frame.OpenAfter);
    resizeablechb->setChecked(frame.Resizable);
    filling_ = false;
}

void TFramefrm::StoreFrame() {
    if (filling_ || Frames->currentRow() < 0 || Frames->currentColumn() < 0)
        return;
    TFrame& frame = FrameAt(Frames->currentRow(), Frames->currentColumn());
    frame.Name = DocumentText(FrameName->text());
    frame.Scrolling = uint8_t(Scrolling->currentIndex());
    frame.OpenAfter = OpenChb->isChecked();
    frame.Resizable = resizeablechb->isChecked();
}

TFrameDocument TFramefrm::Document() const {
    TFrameDocument document;
    document.Title = DocumentText(DocTitle->text());
    document.Border = BorderSp->value();
    document.FramesetOnly = fonly->isChecked();
    QStringList lines = NoFrames->toPlainText().split(QLatin1Char('\n'));
    if (lines.back().isEmpty())
        lines.removeLast(); // a final line break ends the last line, it adds none
    for (const QString& line : lines)
        document.NoFrames.push_back(DocumentText(line));
    const QHeaderView* rows = Frames->verticalHeader();
    const QHeaderView* cols = Frames->horizontalHeader();
    document.Height = Frames->viewport()->height();
    document.Width = Frames->viewport()->width();
    for (int c = 0; c < Frames->columnCount(); ++c)
        document.ColWidths.push_back(cols->sectionSize(cols->logicalIndex(c)));
    for (int r = 0; r < Frames->rowCount(); ++r) {
        const int row = rows->logicalIndex(r);
        document.RowHeights.push_back(rows->sectionSize(row));
        std::vector<TFrameCell>& cells = document.Cells.emplace_back();
        for (int c = 0; c < Frames->columnCount(); ++c) {
            const int column = cols->logicalIndex(c);
            const QTableWidgetItem* item = Frames->item(row, column);
            const auto frame = frames_.find({row, column});
            cells.push_back(
                {item ? DocumentText(item->text()) : std::string(),
                 frame != frames_.end() ? frame->second : DefaultFrame(column + 1, row + 1)});
        }
    }
    return document;
}

void TFramefrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The viewport has its final size once the layout has run.
    QTimer::singleShot(0, this, [this] { LayoutGrid(); });
    LayoutGrid();
}

void TFramefrm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    LayoutGrid();
}

} // namespace zn::structure::ui
