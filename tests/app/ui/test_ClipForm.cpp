// The clipboard viewer: follows the clipboard and shows text, HTML, pictures and other data.
#include "app/ui/ClipForm.h"
#include "app/ui/ClipboardView.h"

#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QtTest>

using zn::app::ui::TClipboardView;
using zn::app::ui::TClipForm;
using TPage = TClipboardView::TPage;

namespace {

QStringList Formats(const TClipboardView& view) {
    QStringList names;
    for (int i = 0; i < view.FormatList->count(); ++i)
        names << view.FormatList->item(i)->text();
    return names;
}

} // namespace

class TestClipForm : public QObject {
    Q_OBJECT
private slots:
    void followsTheClipboard() {
        TClipForm form;
        form.show();
        TClipboardView& view = *form.View;
        QClipboard* clipboard = QGuiApplication::clipboard();

        clipboard->clear();
        QTRY_COMPARE(view.CurrentPage(), TPage::Empty);
        QVERIFY(Formats(view).isEmpty());

        clipboard->setText(QStringLiteral("Příliš žluťoučký kůň"));
        QTRY_COMPARE(view.CurrentPage(), TPage::Text);
        QCOMPARE(view.TextView->toPlainText(), QStringLiteral("Příliš žluťoučký kůň"));
        QVERIFY(Formats(view).contains(QStringLiteral("text/plain")));

        auto* html = new QMimeData;
        html->setHtml(QStringLiteral("<b>tučně</b>"));
        html->setText(QStringLiteral("tučně"));
        clipboard->setMimeData(html);
        QTRY_COMPARE(view.CurrentPage(), TPage::Html);
        QCOMPARE(view.HtmlView->toPlainText(), QStringLiteral("tučně"));

        QImage picture(33, 22, QImage::Format_RGB32);
        picture.fill(Qt::red);
        clipboard->setImage(picture);
        QTRY_COMPARE(view.CurrentPage(), TPage::Picture);
        QCOMPARE(view.PictureView->pixmap().size(), QSize(33, 22));

        auto* other = new QMimeData;
        other->setData(QStringLiteral("application/x-znackar-area"), QByteArray("\x01\x02OK", 4));
        clipboard->setMimeData(other);
        QTRY_COMPARE(view.CurrentPage(), TPage::Bytes);
        QCOMPARE(Formats(view), QStringList{QStringLiteral("application/x-znackar-area")});
    }
};

QTEST_MAIN(TestClipForm)
#include "test_ClipForm.moc"
