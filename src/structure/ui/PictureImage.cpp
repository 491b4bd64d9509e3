// Conversions between core pictures and QImage, and loading/saving pictures by file type.
#include "structure/ui/PictureImage.h"

#include "base/FileIO.h"
#include "structure/GifBitmap.h"
#include "structure/GifException.h"
#include "structure/JpegFile.h"
#include "structure/PictureType.h"

#include <QFile>
#include <QSaveFile>

#include <cstring>

namespace zn::structure::ui {

namespace {

uint32_t Read32(const std::vector<uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}

QString Quoted(const QString& fileName) {
    return QStringLiteral("„%1“").arg(fileName);
}

void SetError(QString* error, const QString& text) {
    if (error != nullptr)
        *error = text;
}

QImage LoadWithCore(const QString& fileName) {
    std::string native = NativeFileName(fileName);
    if (IsJpegFile(native))
        return RgbToImage(JpegLoadFile(native));
    TGifFile gif;
    gif.LoadFromFile(native);
    if (gif.Images.empty())
        throw EGifException("Soubor GIF neobsahuje žádný obrázek.");
    return GifFirstImage(gif);
}

} // namespace

std::string NativeFileName(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

QImage RgbToImage(const TRgbImage& image) {
    if (image.Empty())
        return {};
    QImage result(image.Width, image.Height, QImage::Format_RGB888);
    for (int y = 0; y < image.Height; ++y)
        std::memcpy(result.scanLine(y), image.Pixel(0, y), std::size_t(image.Width) * 3);
    return result;
}

TRgbImage ImageToRgb(const QImage& image) {
    if (image.isNull())
        return {};
    QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    TRgbImage result(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(result.Pixel(0, y), rgb.constScanLine(y), std::size_t(rgb.width()) * 3);
    return result;
}

QImage DibToImage(const std::vector<uint8_t>& dib) {
    if (dib.size() < DibPixelOffset || dib[0] != 'B' || dib[1] != 'M')
        return {};
    const int width = int(Read32(dib, 18));
    const int height = int(Read32(dib, 22));
    const std::size_t stride = (std::size_t(width) + 3) & ~std::size_t(3);
    if (width <= 0 || height <= 0 || dib.size() < DibPixelOffset + stride * height)
        return {};
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> colors(256);
    for (int i = 0; i < 256; ++i) {
        const uint8_t* entry = dib.data() + 54 + i * 4;
        colors[i] = qRgb(entry[2], entry[1], entry[0]);
    }
    image.setColorTable(colors);
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), dib.data() + DibPixelOffset + (height - 1 - y) * stride,
                    std::size_t(width));
    return image;
}

QImage GifFirstImage(const TGifFile& gif) {
    auto dib = FirstImageAsDib(gif);
    return dib ? DibToImage(*dib) : QImage();
}

QImage LoadPictureFile(const QString& fileName, QString* error) {
    const std::string native = NativeFileName(fileName);
    const QString cannot = QStringLiteral("Obrázek %1 nelze načíst.\n").arg(Quoted(fileName));
    if (IsBmpFile(native)) {
        QImage image(fileName, "BMP");
        if (image.isNull())
            SetError(error, cannot + QStringLiteral("Soubor není platný obrázek BMP."));
        return image;
    }
    if (!IsJpegFile(native) && !IsGifFile(native)) {
        SetError(error, cannot + QStringLiteral("Soubor neexistuje nebo není obrázek JPEG, "
                                                "GIF ani BMP."));
        return {};
    }
    try {
        QImage image = LoadWithCore(fileName);
        if (image.isNull())
            SetError(error, cannot + QStringLiteral("Obrázek je prázdný."));
        return image;
    } catch (const std::exception& e) {
        SetError(error, cannot + QString::fromUtf8(e.what()));
        return {};
    }
}

bool SaveJpegFile(const QImage& picture, const QString& fileName, QString* error) {
    try {
        JpegSaveFile(ImageToRgb(picture), NativeFileName(fileName));
        return true;
    } catch (const std::exception& e) {
        SetError(error, QStringLiteral("Obrázek %1 nelze uložit.\n%2")
                            .arg(Quoted(fileName), QString::fromUtf8(e.what())));
        return false;
    }
}

bool SaveBmpFile(const QImage& picture, const QString& fileName, QString* error) {
    // Drawn into a new true-colour bitmap of the picture's size, as the picture shows it.
    QImage bitmap = picture.convertToFormat(QImage::Format_RGB888);
    QSaveFile file(fileName);
    if (!bitmap.isNull() && file.open(QIODevice::WriteOnly) && bitmap.save(&file, "BMP") &&
        file.commit())
        return true;
    file.cancelWriting();
    SetError(
        error,
        QStringLiteral("Obrázek %1 nelze uložit.\n%2").arg(Quoted(fileName), file.errorString()));
    return false;
}

} // namespace zn::structure::ui
