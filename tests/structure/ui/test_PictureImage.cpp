// Pictures as Qt images: our GIF reader and writer checked against Qt's own GIF and BMP
// readers, and loading/saving by file type with messages naming the file.
#include "structure/GifBitmap.h"
#include "structure/GifFile.h"
#include "structure/GifWriter.h"
#include "structure/JpegFile.h"
#include "structure/ui/PictureImage.h"

#include <QBuffer>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

using namespace zn::structure;
using namespace zn::structure::ui;

namespace {

/// Largest difference of red, green and blue between two images of the same size.
int MaxDifference(const QImage& a, const QImage& b) {
    QImage x = a.convertToFormat(QImage::Format_RGB32);
    QImage y = b.convertToFormat(QImage::Format_RGB32);
    int worst = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            worst = qMax(worst, qAbs(qRed(p) - qRed(q)));
            worst = qMax(worst, qAbs(qGreen(p) - qGreen(q)));
            worst = qMax(worst, qAbs(qBlue(p) - qBlue(q)));
        }
    return worst;
}

QImage QtDecode(const std::vector<uint8_t>& bytes, const char* format) {
    QByteArray data(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    return QImage::fromData(data, format);
}

TRgbImage Photo(int width, int height) {
    TRgbImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = image.Pixel(x, y);
            p[0] = uint8_t(x * 255 / width);
            p[1] = uint8_t((x * y) % 251);
            p[2] = uint8_t(y * 255 / height);
        }
    return image;
}

} // namespace

class TestPictureImage : public QObject {
    Q_OBJECT
private slots:
    void gifFixturesMatchQtsGifReader() {
        for (const char* name : {"pattern-interlaced.gif", "pattern-animated.gif"}) {
            QString file = QStringLiteral(ZN_TEST_DATA "/pictures/") + QLatin1String(name);
            TGifFile gif;
            gif.LoadFromFile(NativeFileName(file));
            QImage ours = GifFirstImage(gif);
            QImage qt(file, "GIF");
            QCOMPARE(ours.size(), qt.size());
            QCOMPARE(MaxDifference(ours, qt), 0);
        }
    }

    void ourGifWriterIsReadByQt() {
        // A 256-colour picture wide enough to fill the LZW table several times.
        TIndexedImage indexed;
        indexed.Width = 517;
        indexed.Height = 211;
        for (int i = 0; i < 256; ++i)
            indexed.Palette.push_back({uint8_t(i), uint8_t(i * 3), uint8_t(255 - i)});
        for (int y = 0; y < indexed.Height; ++y)
            for (int x = 0; x < indexed.Width; ++x)
                indexed.Indices.push_back(uint8_t((x / 5 + y * 3 + (x * y) % 7) % 256));
        auto bytes = MakeGifFile(indexed).SaveToMemory();
        QImage qt = QtDecode(bytes, "GIF");
        TGifFile gif;
        gif.LoadFromMemory(bytes);
        QCOMPARE(qt.size(), QSize(517, 211));
        QCOMPARE(MaxDifference(GifFirstImage(gif), qt), 0);
        // True colour through the median cut, also readable by Qt.
        QImage reduced = QtDecode(EncodeBitmapAsGif(Photo(300, 200)), "GIF");
        QCOMPARE(reduced.size(), QSize(300, 200));
        QVERIFY(MaxDifference(reduced, RgbToImage(Photo(300, 200))) < 64);
    }

    void dibIsAValidBmpFile() {
        TGifFile gif;
        gif.LoadFromFile(ZN_TEST_DATA "/pictures/pattern-interlaced.gif");
        auto dib = FirstImageAsDib(gif);
        QVERIFY(dib.has_value());
        QImage viaQt = QtDecode(*dib, "BMP");
        QCOMPARE(viaQt.size(), QSize(40, 30));
        QCOMPARE(MaxDifference(viaQt, DibToImage(*dib)), 0);
        QVERIFY(DibToImage({'B', 'M', 0}).isNull());
    }

    void loadsByTypeAndNamesTheFileOnFailure() {
        QTemporaryDir dir;
        const QString jpeg = dir.filePath(QStringLiteral("fotka.JPG"));
        JpegSaveFile(Photo(64, 48), NativeFileName(jpeg));
        QString error;
        QCOMPARE(LoadPictureFile(jpeg, &error).size(), QSize(64, 48));
        const QString bmp = dir.filePath(QStringLiteral("obr.bmp"));
        QVERIFY(RgbToImage(Photo(20, 10)).save(bmp, "BMP"));
        QCOMPARE(LoadPictureFile(bmp, &error).size(), QSize(20, 10));
        QCOMPARE(
            LoadPictureFile(QStringLiteral(ZN_TEST_DATA "/pictures/pattern-animated.gif"), &error)
                .size(),
            QSize(40, 30));

        const QString broken = dir.filePath(QStringLiteral("rozbitý.gif"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("GIF88a");
        file.close();
        QVERIFY(LoadPictureFile(broken, &error).isNull());
        QVERIFY2(error.contains(broken), qPrintable(error));
        QVERIFY2(error.contains(QStringLiteral("Gif Version must be 87a or 89a")),
                 qPrintable(error));
        QVERIFY(LoadPictureFile(dir.filePath(QStringLiteral("chybí.jpg")), &error).isNull());
        QVERIFY(error.contains(QStringLiteral("chybí.jpg")));
    }

    void savesJpegAndBmpWhole() {
        QTemporaryDir dir;
        QImage picture = RgbToImage(Photo(50, 40));
        QString error;
        const QString jpeg = dir.filePath(QStringLiteral("a.jpg"));
        QVERIFY(SaveJpegFile(picture, jpeg, &error));
        QCOMPARE(JpegFileSize(NativeFileName(jpeg)), (TPictureSize{50, 40}));
        const QString bmp = dir.filePath(QStringLiteral("a.bmp"));
        QVERIFY(SaveBmpFile(picture, bmp, &error));
        QCOMPARE(MaxDifference(QImage(bmp, "BMP"), picture), 0);
        const QString missing = dir.filePath(QStringLiteral("není/a.bmp"));
        QVERIFY(!SaveBmpFile(picture, missing, &error));
        QVERIFY(error.contains(missing));
        QVERIFY(!SaveJpegFile(picture, dir.filePath(QStringLiteral("není/a.jpg")), &error));
        QVERIFY(error.contains(QStringLiteral("není/a.jpg")));
    }
};

QTEST_MAIN(TestPictureImage)
#include "test_PictureImage.moc"
