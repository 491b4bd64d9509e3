// Thumbnail names, new list entries and the HTML table of the picture gallery.
#include "structure/GalleryLayout.h"

#include "base/Cp1250.h"
#include "base/HtmlColor.h"
#include "base/TextCase.h"

#include <algorithm>

namespace zn::structure {

namespace {

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

/// Fixed tag text of this file in the chosen case: a run of letters is a tag name when it
/// follows "<" or "</", an attribute name when "=" follows it; values keep their case.
std::string Names(std::string_view fixed, bool upper) {
    std::string out;
    std::size_t i = 0;
    while (i < fixed.size()) {
        if (!IsLetter(fixed[i])) {
            out += fixed[i++];
            continue;
        }
        std::size_t end = i;
        while (end < fixed.size() && IsLetter(fixed[end]))
            ++end;
        const char before = i > 0 ? fixed[i - 1] : '\0';
        const bool name = before == '<' || (before == '/' && i > 1 && fixed[i - 2] == '<') ||
                          (end < fixed.size() && fixed[end] == '=');
        const std::string_view run = fixed.substr(i, end - i);
        out += name ? base::AsciiCase(run, upper) : std::string(run);
        i = end;
    }
    return out;
}

/// A link as document text; a double quote would end the attribute value early.
std::string LinkText(std::string_view link) {
    std::string safe;
    for (char c : link)
        safe += c == '"' ? std::string("%22") : std::string(1, c);
    return base::Utf8ToCp1250(safe);
}

/// Fills the pattern: each `marker` in turn takes the next of `values` (kept when none is
/// left), "%%" becomes "%".
std::string FillPattern(std::string_view pattern, char marker,
                        const std::vector<std::string>& values) {
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size()) {
            if (pattern[i + 1] == '%') {
                out += '%';
                ++i;
                continue;
            }
            if (pattern[i + 1] == marker && next < values.size()) {
                out += values[next++];
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

/// Writes the lines of one table; every fixed piece passes through Names().
class TGalleryWriter {
public:
    TGalleryWriter(const TGallerySchema& schema, bool upper) : s_(schema), upper_(upper) {}

    std::string Table(const std::vector<TGalleryPicture>& pictures,
                      const std::vector<std::optional<TPictureSize>>& sizes);

private:
    std::string N(std::string_view fixed) const { return Names(fixed, upper_); }
    static std::string I(int value) { return std::to_string(value); }
    void Line(const std::string& text) { text_ += text + "\r\n"; }
    /// An empty cell of the given size.
    std::string Spacer(int width, int height) const {
        return N("<td width=") + I(width) + N(" height=") + I(height) + N("></td>");
    }
    std::string Wrapped(const std::string& inner, const std::string& link) const {
        return N("<a href=\"") + LinkText(link) + N("\">") + inner + N("</a>");
    }
    std::string ThumbnailCell(const TGalleryPicture* picture,
                              const std::optional<TPictureSize>& size) const;
    std::string CaptionCell(const TGalleryPicture* picture) const;
    void GalleryRow(const std::vector<TGalleryPicture>& pictures,
                    const std::vector<std::optional<TPictureSize>>& sizes, std::size_t first);

    const TGallerySchema& s_;
    bool upper_;
    int columns_ = 1;
    std::string text_;
};

std::string TGalleryWriter::ThumbnailCell(const TGalleryPicture* picture,
                                          const std::optional<TPictureSize>& size) const {
    const int height = s_.VyskaRamecku - s_.VyskaTitulku;
    std::string cell = N("<td align=center valign=middle ");
    std::string content;
    if (picture) {
        cell += N(" bgcolor=") + base::ColorToHtml(s_.Ramecek);
        content = N("<img src=\"") + LinkText(base::BackslashToSlash(picture->Thumbnail)) + "\"";
        if (size)
            content += N(" width=") + I(size->Width) + N(" height=") + I(size->Height);
        if (!s_.NahledBorder)
            content += N(" border=0");
        content += ">";
        if (s_.NahledOdkaz)
            content = Wrapped(content, picture->Link);
    }
    return cell + N(" width=") + I(s_.SirkaRamecku) + N(" height=") + I(height) + ">" + content +
           N("</td>");
}

std::string TGalleryWriter::CaptionCell(const TGalleryPicture* picture) const {
    std::string cell = N("<td align=center valign=middle");
    std::string text;
    if (picture) {
        cell += N(" bgcolor=") + base::ColorToHtml(s_.Titulek);
        text = base::Utf8ToCp1250(picture->Caption);
        if (s_.Bold)
            text = N("<b>") + text + N("</b>");
        if (s_.Italic)
            text = N("<i>") + text + N("</i>");
        std::string attributes;
        if (!s_.TitulekOdkaz)
            attributes += N(" color=") + base::ColorToHtml(s_.FontColor);
        if (!s_.Font.empty()) {
            std::string face = s_.Font;
            std::erase(face, '"');
            attributes += N(" face=\"") + base::Utf8ToCp1250(face) + "\"";
        }
        if (s_.FontSize != 3)
            attributes += N(" size=") + I(s_.FontSize);
        if (!attributes.empty())
            text = N("<font") + attributes + ">" + text + N("</font>");
        if (s_.TitulekOdkaz)
            text = Wrapped(text, picture->Link);
    }
    return cell + N(" width=") + I(s_.SirkaRamecku) + N(" height=") + I(s_.VyskaTitulku) + ">" +
           text + N("</td>");
}

void TGalleryWriter::GalleryRow(const std::vector<TGalleryPicture>& pictures,
                                const std::vector<std::optional<TPictureSize>>& sizes,
                                std::size_t first) {
    const int height = s_.VyskaRamecku - s_.VyskaTitulku;
    auto pictureAt = [&](int column) -> const TGalleryPicture* {
        const std::size_t index = first + std::size_t(column);
        return index < pictures.size() ? &pictures[index] : nullptr;
    };
    Line(N("<tr>") + Spacer(s_.HVO, height));
    for (int column = 0; column < columns_; ++column) {
        const std::size_t index = first + std::size_t(column);
        const std::optional<TPictureSize> size = index < sizes.size() ? sizes[index] : std::nullopt;
        Line(ThumbnailCell(pictureAt(column), size));
        if (column + 1 < columns_)
            Line(Spacer(s_.HVR, height));
    }
    Line(Spacer(s_.HVO, height) + N("</tr>"));
    Line(N("<tr>") + Spacer(s_.HVO, s_.VyskaTitulku));
    for (int column = 0; column < columns_; ++column) {
        Line(CaptionCell(pictureAt(column)));
        if (column + 1 < columns_)
            Line(Spacer(s_.HVR, s_.VyskaTitulku));
    }
    Line(Spacer(s_.HVO, s_.VyskaTitulku) + N("</tr>"));
}

std::string TGalleryWriter::Table(const std::vector<TGalleryPicture>& pictures,
                                  const std::vector<std::optional<TPictureSize>>& sizes) {
    columns_ = std::max(1, s_.PocetSloupcu);
    const int spanned = 2 * columns_ + 1;
    const int width = s_.SirkaRamecku * columns_ + 2 * s_.HVO + s_.HVR * (columns_ - 1);
    auto fullRow = [&](int height) {
        Line(N("<tr><td colspan=") + I(spanned) + N(" height=") + I(height) + N("></td></tr>"));
    };
    Line(N("<table border=0 align=center cellpadding=0 cellspacing=0 width=") + I(width) +
         N(" bgcolor=") + base::ColorToHtml(s_.BackGround) + ">");
    fullRow(s_.VVO);
    for (std::size_t first = 0; first < pictures.size(); first += std::size_t(columns_)) {
        if (first > 0)
            fullRow(s_.VVR);
        GalleryRow(pictures, sizes, first);
    }
    fullRow(s_.VVO);
    Line(N("</table>"));
    return text_;
}

} // namespace

std::string ThumbnailFileName(std::string_view pictureFile, std::string_view pattern) {
    const std::string name = base::NamePart(pictureFile);
    const std::size_t dot = name.find_last_of('.');
    const std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
    const std::string extension = dot == std::string::npos ? "" : name.substr(dot + 1);
    const std::string folder = base::FolderOf(pictureFile);
    const std::string filled = FillPattern(pattern, 's', {stem, extension});
    if (folder.empty())
        return filled;
    return folder.back() == '/' ? folder + filled : folder + "/" + filled;
}

std::string NumberedCaption(std::string_view pattern, int number) {
    const std::string text = std::to_string(number);
    return FillPattern(pattern, 'd', std::vector<std::string>(pattern.size(), text));
}

TGalleryPicture NewGalleryPicture(const std::string& fileName, std::string_view pattern,
                                  const base::LinkSettings& settings, base::Prompter& prompter) {
    TGalleryPicture picture;
    picture.Picture = base::MakeLink(fileName, settings, prompter);
    if (picture.Picture.empty())
        return picture;
    picture.Link = picture.Picture;
    picture.Caption = base::NamePart(fileName);
    // The thumbnail does not exist yet, so it is never copied: it is made beside the picture
    // that the link names.
    base::LinkSettings thumbnailSettings = settings;
    thumbnailSettings.CopyFiles = false;
    const std::string source = base::LinkToFileName(picture.Picture, settings.DocumentFileName);
    picture.Thumbnail =
        base::MakeLink(ThumbnailFileName(source, pattern), thumbnailSettings, prompter);
    return picture;
}

std::string GalleryTableText(const std::vector<TGalleryPicture>& pictures,
                             const std::vector<std::optional<TPictureSize>>& sizes,
                             const TGallerySchema& schema, bool upperCaseTags) {
    return TGalleryWriter(schema, upperCaseTags).Table(pictures, sizes);
}

} // namespace zn::structure
