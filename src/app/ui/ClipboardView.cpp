// The clipboard view: the best format is shown first (picture, HTML, text), any other format
// can be picked from the list and is shown as text or as a hexadecimal dump.
#include "app/ui/ClipboardView.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QTextBrowser>

namespace zn::app::ui {

namespace {

/// Bytes shown of a format that is neither text nor a picture.
constexpr int DumpLimit = 4096;

QString HexDump(const QByteArray& bytes) {
    QString text;
    const int shown = int(qMin<qsizetype>(bytes.size(), DumpLimit));
    for (int row = 0; row < shown; row += 16) {
        text += QStringLiteral("%1  ").arg(row, 8, 16, QLatin1Char('0'));
        QString ascii;
        for (int i = row; i < row + 16 && i < shown; ++i) {
            auto byte = uint8_t(bytes[i]);
            text += QStringLiteral("%1 ").arg(byte, 2, 16, QLatin1Char('0'));
            ascii += byte >= 32 && byte < 127 ? QChar(byte) : QLatin1Char('.');
        }
        text += QStringLiteral("  ") + ascii + QLatin1Char('\n');
    }
    if (bytes.size() > shown)
        text += QStringLiteral("… (celkem %1 bajtů)\n").arg(bytes.size());
    return text;
}

} // namespace

TClipboardView::TClipboardView(QWidget* parent) : QWidget(parent) {
    FormatList = new QListWidget;
    FormatList->setObjectName(QStringLiteral("FormatList"));
    TextView = new QPlainTextEdit;
    TextView->setReadOnly(true);
    HtmlView = new QTextBrowser;
    HtmlView->setOpenLinks(false);
    PictureView = new QLabel;
    PictureView->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pictureScroll_ = new QScrollArea;
    pictureScroll_->setWidget(PictureView);
    pictureScroll_->setWidgetResizable(false);
    EmptyView = new QLabel(QStringLiteral("Schránka je prázdná."));
    EmptyView->setAlignment(Qt::AlignCenter);
    bytesView_ = new QPlainTextEdit;
    bytesView_->setReadOnly(true);
    bytesView_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    pages_ = new QStackedWidget;
    pages_->addWidget(EmptyView);      // TPage::Empty
    pages_->addWidget(TextView);       // TPage::Text
    pages_->addWidget(HtmlView);       // TPage::Html
    pages_->addWidget(pictureScroll_); // TPage::Picture
    pages_->addWidget(bytesView_);     // TPage::Bytes

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(FormatList);
    splitter->addWidget(pages_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({140, 400});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &TClipboardView::Refresh);
    connect(FormatList, &QListWidget::currentTextChanged, this, [this](const QString& format) {
        if (!format.isEmpty())
            ShowFormat(format);
    });
    Refresh();
}

TClipboardView::TPage TClipboardView::CurrentPage() const {
    return TPage(pages_->currentIndex());
}

void TClipboardView::Refresh() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QStringList formats = data != nullptr ? data->formats() : QStringList();
    const QSignalBlocker quiet(FormatList);
    FormatList->clear();
    FormatList->addItems(formats);
    if (formats.isEmpty()) {
        pages_->setCurrentIndex(int(TPage::Empty));
        return;
    }
    // The richest form first: a picture, then formatted HTML, then plain text.
    QString best = formats.constFirst();
    if (data->hasImage())
        best = QStringLiteral("application/x-qt-image");
    else if (data->hasHtml())
        best = QStringLiteral("text/html");
    else if (data->hasText())
        best = QStringLiteral("text/plain");
    const auto found = FormatList->findItems(best, Qt::MatchExactly);
    if (!found.isEmpty())
        FormatList->setCurrentItem(found.constFirst());
    ShowFormat(best);
}

void TClipboardView::ShowFormat(const QString& format) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr) {
        pages_->setCurrentIndex(int(TPage::Empty));
        return;
    }
    if (data->hasImage() &&
        (format.startsWith(QLatin1String("image/")) || format.contains(QLatin1String("image")))) {
        QImage picture = qvariant_cast<QImage>(data->imageData());
        PictureView->setPixmap(QPixmap::fromImage(picture));
        PictureView->resize(picture.size());
        pages_->setCurrentIndex(int(TPage::Picture));
        return;
    }
    if (format == QLatin1String("text/html")) {
        HtmlView->setHtml(data->html());
        pages_->setCurrentIndex(int(TPage::Html));
        return;
    }
    if (format == QLatin1String("text/plain") || format.startsWith(QLatin1String("text/plain;"))) {
        TextView->setPlainText(data->text());
        pages_->setCurrentIndex(int(TPage::Text));
        return;
    }
    ShowBytes(format, data->data(format));
}

void TClipboardView::ShowBytes(const QString& format, const QByteArray& bytes) {
    bool textual = format.startsWith(QLatin1String("text/"));
    bytesView_->setPlainText(textual ? QString::fromUtf8(bytes.left(DumpLimit * 4))
                                     : HexDump(bytes));
    pages_->setCurrentIndex(int(TPage::Bytes));
}

} // namespace zn::app::ui
