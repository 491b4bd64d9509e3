// The glyph and advance of every Windows-1250 byte in one font, and of UTF-8 text, for layout
// and painting.
#pragma once

#include <QFont>
#include <QString>

#include <array>

class QPaintDevice;

namespace zn::editor::ui {

/// Text is single-byte: 256 advances give every x by addition. Kerning and shaping are off, so
/// Qt draws a run exactly as wide as the sum of its advances. Control characters show as their
/// Unicode control pictures (or a replacement mark when the font lacks them).
class FontTable {
public:
    explicit FontTable(const QFont& font, QPaintDevice* device = nullptr);

    const QFont& Font() const { return font_; }
    const std::array<double, 256>& Advances() const { return advances_; }
    double TabWidth() const { return tabWidth_; }
    double LineHeight() const { return lineHeight_; }
    double Ascent() const { return ascent_; }
    QChar Glyph(unsigned char byte) const { return glyphs_[byte]; }
    /// The glyphs of a run of bytes.
    QString Decode(const char* bytes, qsizetype length) const;
    /// The glyphs of a run of UTF-8 text: ASCII as in Decode, each broken byte as U+FFFD.
    QString DecodeUtf8(const char* bytes, qsizetype length) const;
    /// The glyph shown for a code point of UTF-8 text, and its advance.
    QString CodePointGlyph(char32_t c) const;
    double CodePointAdvance(char32_t c) const;

    /// The font used for editing: kerning and shaping switched off.
    static QFont EditingFont(QFont font);

private:
    QFont font_;
    QPaintDevice* device_ = nullptr;
    std::array<QChar, 256> glyphs_{};
    std::array<double, 256> advances_{};
    double tabWidth_ = 0;
    double lineHeight_ = 0;
    double ascent_ = 0;
};

} // namespace zn::editor::ui
