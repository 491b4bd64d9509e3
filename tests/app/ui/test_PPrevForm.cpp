// The picture viewer: zoom, status bar, save rules, clipboard and enabling.
#include "app/ui/PPrevForm.h"
#include "app/ui/StretchImage.h"
#include "structure/JpegFile.h"
#include "structure/ui/PictureImage.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using zn::app::ui::TPPrevForm;

namespace {

QImage Picture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 2, y * 3, 100));
    return image;
}

QByteArray Head(const QString& file, int bytes) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.read(bytes);
}

} // namespace

class TestPPrevForm : public QObject {
    Q_OBJECT
private slots:
    void init() { QGuiApplication::clipboard()->clear(); }

    void emptyPictureDisablesSaveAndCopy() {
        TPPrevForm form;
        form.UpdateCommands();
        QCOMPARE(form.StatusPanel0->text(), QStringLiteral("prázdný"));
        QVERIFY(!form.saveSB->isEnabled() && !form.copySB->isEnabled());
        QVERIFY(!form.SaveAs(QStringLiteral("/tmp/nic"), 1));
    }

    void zoomSizesThePictureAndShowsThePercentage() {
        TPPrevForm form;
        form.ShowPicture(Picture(100, 80));
        form.TrackBar1->setValue(250);
        QCOMPARE(form.Image->size(), QSize(250, 200));
        QCOMPARE(form.StatusPanel1->text(), QStringLiteral("250%"));
        form.SetZoom(33); // 33 % of 100 × 80 = 33 × 26.4, rounded
        QCOMPARE(form.Image->size(), QSize(33, 26));
        form.SetZoom(1000);
        QCOMPARE(form.Zoom(), 500);
        QCOMPARE(form.Image->size(), QSize(500, 400));
        form.UpdateCommands();
        QCOMPARE(form.StatusPanel0->text(), QStringLiteral("100x80"));
        QVERIFY(form.saveSB->isEnabled() && form.copySB->isEnabled());
    }

    void brokenFileKeepsThePictureAndNamesTheFile() {
        QTemporaryDir dir;
        TPPrevForm form;
        form.ShowPicture(Picture(10, 10));
        const QString broken = dir.filePath(QStringLiteral("špatný.gif"));
        QFile f(broken);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("GIF89a\x05\x00");
        f.close();
        QVERIFY(!form.OpenFile(broken));
        QVERIFY2(form.LastError().contains(broken), qPrintable(form.LastError()));
        QCOMPARE(form.Picture().size(), QSize(10, 10));
    }

    void defaultExtensions() {
        struct TCase {
            const char* name;
            int filter;
            const char* expected;
        };
        const TCase cases[] = {
            {"/tmp/obr", 1, "/tmp/obr.jpg"},         {"/tmp/obr", 2, "/tmp/obr.bmp"},
            {"/tmp/obr.jpeg", 1, "/tmp/obr.jpeg"},   {"/tmp/obr.png", 2, "/tmp/obr.png"},
            {"/tmp/a.b/obr", 1, "/tmp/a.b/obr.jpg"}, {"/tmp/obr.", 1, "/tmp/obr."},
        };
        for (const TCase& c : cases)
            QCOMPARE(TPPrevForm::WithDefaultExtension(QString::fromUtf8(c.name), c.filter),
                     QString::fromUtf8(c.expected));
    }

    void gifSavedWithFilterOneIsAJpegWithJpgAppended() {
        QTemporaryDir dir;
        TPPrevForm form;
        QVERIFY(form.OpenFile(QStringLiteral(ZN_TEST_DATA "/pictures/pattern-animated.gif")));
        QVERIFY(form.SaveAs(dir.filePath(QStringLiteral("kopie")), TPPrevForm::JpegFilter));
        const QString written = dir.filePath(QStringLiteral("kopie.jpg"));
        QCOMPARE(Head(written, 2), QByteArray("\xFF\xD8"));
        auto size = zn::structure::JpegFileSize(zn::structure::ui::NativeFileName(written));
        QCOMPARE(size.Width, 40);
        QCOMPARE(size.Height, 30);

        QVERIFY(form.SaveAs(dir.filePath(QStringLiteral("kopie")), TPPrevForm::BmpFilter));
        QCOMPARE(Head(dir.filePath(QStringLiteral("kopie.bmp")), 2), QByteArray("BM"));
        QCOMPARE(QImage(dir.filePath(QStringLiteral("kopie.bmp"))).size(), QSize(40, 30));

        QVERIFY(!form.SaveAs(dir.filePath(QStringLiteral("chybí/x")), TPPrevForm::BmpFilter));
        QVERIFY(form.LastError().contains(dir.filePath(QStringLiteral("chybí/x.bmp"))));
    }

    void copyAndPaste() {
        TPPrevForm form;
        form.ShowPicture(Picture(30, 20));
        form.Copy();
        QVERIFY(QGuiApplication::clipboard()->mimeData()->hasImage());
        TPPrevForm other;
        other.SetZoom(300);
        other.Paste();
        QCOMPARE(other.Picture().size(), QSize(30, 20));
        QCOMPARE(other.Zoom(), 100);
        QCOMPARE(other.Image->size(), QSize(30, 20));
        QCOMPARE(other.Picture().pixel(29, 19), Picture(30, 20).pixel(29, 19));
    }

    void pasteFollowsTheClipboardWithin300ms() {
        TPPrevForm form;
        form.show();
        QGuiApplication::clipboard()->setImage(Picture(5, 5));
        QTRY_VERIFY_WITH_TIMEOUT(form.PasteSB->isEnabled(), 400);
        QVERIFY(form.PasteItem->isEnabled());
        QGuiApplication::clipboard()->clear();
        QTRY_VERIFY_WITH_TIMEOUT(!form.PasteSB->isEnabled(), 400);
        QGuiApplication::clipboard()->setText(QStringLiteral("jen text"));
        QTest::qWait(350);
        QVERIFY(!form.PasteSB->isEnabled());
        form.Paste(); // nothing to paste: the picture stays empty
        QVERIFY(form.Picture().isNull());
    }

    void showPictureChangesNothingWhileVisible() {
        TPPrevForm form;
        form.ShowPicture(Picture(40, 40));
        QVERIFY(form.isVisible());
        form.ShowPicture(Picture(70, 10));
        QCOMPARE(form.Picture().size(), QSize(40, 40));
        form.hide();
        form.ShowPicture(Picture(70, 10));
        QCOMPARE(form.Picture().size(), QSize(70, 10));
    }
};

QTEST_MAIN(TestPPrevForm)
#include "test_PPrevForm.moc"
