// Glyphs and advances of the 256 bytes.
#include "editor/ui/FontTable.h"

#include "base/Cp1250.h"
#include "base/Utf8.h"

#include <QFontMetricsF>

namespace zn::editor::ui {

QFont FontTable::EditingFont(QFont font) {
    font.setKerning(false);
    font.setStyleStrategy(
        static_cast<QFont::StyleStrategy>(QFont::PreferNoShaping | QFont::PreferAntialias));
    return font;
}

FontTable::FontTable(const QFont& font, QPaintDevice* device)
    : font_(EditingFont(font)), device_(device) {
    const QFontMetricsF metrics = device ? QFontMetricsF(font_, device) : QFontMetricsF(font_);
    for (int b = 0; b < 256; ++b) {
        const char32_t u = base::Cp1250ToUnicode(static_cast<std::uint8_t>(b));
        QChar glyph(static_cast<char16_t>(u));
        if (u < 0x20 || u == 0x7F) {
            const QChar picture(static_cast<char16_t>(u == 0x7F ? 0x2421 : 0x2400 + u));
            glyph = metrics.inFont(picture) ? picture : QChar(0xFFFD);
        } else if (u >= 0x80 && u < 0xA0) {
            glyph = QChar(0xFFFD); // the bytes the code page leaves undefined
        }
        glyphs_[b] = glyph;
        advances_[b] = metrics.horizontalAdvance(glyph);
    }
    tabWidth_ = 8 * advances_[' '];
    glyphs_['\t'] = QChar(' ');
    advances_['\t'] = tabWidth_;
    lineHeight_ = metrics.lineSpacing();
    ascent_ = metrics.ascent();
}

QString FontTable::Decode(const char* bytes, qsizetype length) const {
    QString text(length, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < length; ++i) {
        out[i] = glyphs_[static_cast<unsigned char>(bytes[i])];
    }
    return text;
}

QString FontTable::CodePointGlyph(char32_t c) const {
    if (c < 0x80) {
        return QString(glyphs_[c]);
    }
    if (c < 0xA0) {
        return QString(QChar(0xFFFD)); // C1 controls
    }
    return QString::fromUcs4(&c, 1);
}

double FontTable::CodePointAdvance(char32_t c) const {
    const QFontMetricsF metrics = device_ ? QFontMetricsF(font_, device_) : QFontMetricsF(font_);
    return metrics.horizontalAdvance(CodePointGlyph(c));
}

QString FontTable::DecodeUtf8(const char* bytes, qsizetype length) const {
    const std::string_view text(bytes, static_cast<std::size_t>(length));
    QString out;
    out.reserve(length);
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = 0;
        const std::size_t n = base::Utf8Unit(text, i, c);
        if (c < 0x80) {
            out += glyphs_[c];
        } else {
            out += CodePointGlyph(c);
        }
        i += n;
    }
    return out;
}

} // namespace zn::editor::ui
