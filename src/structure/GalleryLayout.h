// The picture gallery without its window: the look of a gallery (its schema), the entries of the
// picture list, thumbnail names and the HTML table of the gallery.
#pragma once

#include "base/Color.h"
#include "base/Links.h"
#include "base/Prompter.h"
#include "structure/RgbImage.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zn::structure {

/// The look of a gallery, stored by name as a "schema". Members are named after the values
/// they are stored as; all sizes are pixels.
struct TGallerySchema {
    int SirkaRamecku = 120;   ///< frame width
    int VyskaRamecku = 90;    ///< frame height, caption included
    int SirkaNahledu = 100;   ///< largest thumbnail width
    int VyskaNahledu = 50;    ///< largest thumbnail height
    int VyskaTitulku = 20;    ///< caption height
    int HVR = 10;             ///< horizontal gap between frames
    int VVR = 10;             ///< vertical gap between frames
    int HVO = 10;             ///< horizontal distance from the edge
    int VVO = 10;             ///< vertical distance from the edge
    int PocetSloupcu = 3;     ///< columns, at least 1
    bool NahledOdkaz = true;  ///< the thumbnail is a link
    bool TitulekOdkaz = true; ///< the caption is a link
    bool NahledBorder = true; ///< a linked thumbnail keeps its border
    bool Bold = false;
    bool Italic = false;
    int FontSize = 3; ///< HTML font size 1-7
    std::string Font; ///< caption font face (UTF-8), empty for none
    base::TColor FontColor = base::RGBColor(0, 0, 0);
    base::TColor BackGround = base::RGBColor(0xC0, 0xC0, 0xC0);
    base::TColor Ramecek = base::RGBColor(0x80, 0x80, 0x80);
    base::TColor Titulek = base::RGBColor(0xFF, 0xFF, 0xFF);

    bool operator==(const TGallerySchema&) const = default;
};

/// One entry of the picture list. Links are as written into the document (UTF-8).
struct TGalleryPicture {
    std::string Picture;   ///< link to the picture file
    std::string Link;      ///< where the thumbnail and the caption lead
    std::string Caption;   ///< caption text (UTF-8), written as typed
    std::string Thumbnail; ///< link to the thumbnail file
};

/// Thumbnail name pattern at start: picture name without extension, then its extension.
inline constexpr std::string_view kThumbnailPattern = "%sicon.%s";
/// Caption numbering pattern at start.
inline constexpr std::string_view kCaptionPattern = "obr č.%d";

/// The thumbnail file of a picture file: the picture's folder + "/" + the pattern, its first
/// "%s" filled with the name without extension, the second with the extension without the
/// dot ("%%" is one "%", any other "%" is kept). "/a/photo.jpg" gives "/a/photoicon.jpg".
std::string ThumbnailFileName(std::string_view pictureFile, std::string_view pattern);

/// The pattern with every "%d" replaced by the number ("%%" is one "%").
std::string NumberedCaption(std::string_view pattern, int number);

/// The list entry of a newly added picture (full file name, UTF-8): its link, the same link to
/// follow, the file's name as caption and the link of its thumbnail beside the picture the
/// link resolves to (a copied picture gets its thumbnail beside the copy). `prompter` is asked
/// only when the picture is copied next to the document and the name is taken; an entry with
/// an empty Picture means the user cancelled that question.
TGalleryPicture NewGalleryPicture(const std::string& fileName, std::string_view pattern,
                                  const base::LinkSettings& settings, base::Prompter& prompter);

/// The gallery table, in document text (Windows-1250, CR LF after every line): a grid of
/// PocetSloupcu framed thumbnail cells with a caption row under each row of thumbnails, margins
/// and gaps as empty cells, colours as "#RRGGBB". `sizes` holds the size of each picture's
/// thumbnail; a picture without one (its thumbnail could not be made) still gets its cell, its
/// IMG tag without WIDTH and HEIGHT. Tag and attribute names follow `upperCaseTags`; links,
/// file names, captions and attribute values keep their case.
std::string GalleryTableText(const std::vector<TGalleryPicture>& pictures,
                             const std::vector<std::optional<TPictureSize>>& sizes,
                             const TGallerySchema& schema, bool upperCaseTags);

} // namespace zn::structure
