// Conversions between the toolkit-free setting types and Qt's: colours, fonts, texts.
#include "app/ui/SettingsConvert.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace zn::app::ui {

QColor ColorFromNumber(ColorNumber number) {
    return QColor(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF);
}

ColorNumber NumberFromColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return static_cast<ColorNumber>(rgb.red()) | (static_cast<ColorNumber>(rgb.green()) << 8) |
           (static_cast<ColorNumber>(rgb.blue()) << 16);
}

namespace {

bool IsSystemFamily(const std::string& family) {
    return QString::fromStdString(family).compare(QLatin1String(SystemFontFamily),
                                                  Qt::CaseInsensitive) == 0;
}

} // namespace

QFont FontFromStored(const StoredFont& stored) {
    QFont font = IsSystemFamily(stored.Family) ? QFontDatabase::systemFont(QFontDatabase::FixedFont)
                                               : QFont(FromStored(stored.Family));
    font.setPixelSize(stored.PixelHeight > 0 ? stored.PixelHeight : 11);
    font.setBold(stored.Bold);
    font.setItalic(stored.Italic);
    font.setUnderline(stored.Underline);
    font.setStrikeOut(stored.StrikeOut);
    return font;
}

StoredFont StoredFromFont(const QFont& font, const StoredFont& previous) {
    StoredFont stored = previous;
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const bool stillSystem = IsSystemFamily(previous.Family) && font.family() == fixed.family();
    stored.Family = stillSystem ? previous.Family : ToStored(font.family());
    stored.PixelHeight = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    stored.Bold = font.bold();
    stored.Italic = font.italic();
    stored.Underline = font.underline();
    stored.StrikeOut = font.strikeOut();
    return stored;
}

} // namespace zn::app::ui
