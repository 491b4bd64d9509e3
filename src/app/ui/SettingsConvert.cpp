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

QFont FontFromSpec(const FontSpec& spec) {
    QFont font = IsSystemFamily(spec.Family) ? QFontDatabase::systemFont(QFontDatabase::FixedFont)
                                             : QFont(FromStored(spec.Family));
    font.setPixelSize(spec.PixelHeight > 0 ? spec.PixelHeight : 11);
    font.setBold(spec.Bold);
    font.setItalic(spec.Italic);
    font.setUnderline(spec.Underline);
    font.setStrikeOut(spec.StrikeOut);
    return font;
}

FontSpec SpecFromFont(const QFont& font, const FontSpec& previous) {
    FontSpec spec = previous;
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const bool stillSystem = IsSystemFamily(previous.Family) && font.family() == fixed.family();
    spec.Family = stillSystem ? previous.Family : ToStored(font.family());
    spec.PixelHeight = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    spec.Bold = font.bold();
    spec.Italic = font.italic();
    spec.Underline = font.underline();
    spec.StrikeOut = font.strikeOut();
    return spec;
}

} // namespace zn::app::ui
