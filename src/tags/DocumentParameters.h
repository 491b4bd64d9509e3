// The page-wide parameters of a document (colours, charset, title, base address, meta data,
// redirection): reading them from the text, writing them back with the missing skeleton, and
// the colour-scheme files.
#pragma once

#include "base/FileIO.h"
#include "editor/THTMLRichEdit.h"

#include <array>
#include <string>
#include <string_view>

namespace zn::tags {

constexpr int kParameterCount = 16;

/// Indexes of the parameters; 0 is the group node of the five colours.
enum Parameter : int {
    ColorsNode = 0,
    TextColor = 1,
    LinkColor = 2,
    ALinkColor = 3,
    VLinkColor = 4,
    BackgroundColor = 5,
    Charset = 6,
    Keywords = 7,
    BackgroundPicture = 8,
    Title = 9,
    BaseUrl = 10,
    Author = 11,
    Description = 12,
    Classification = 13,
    Generator = 14,
    Redirection = 15,
};

using TParameters = std::array<std::string, kParameterCount>;

/// The node captions of the parameters, in index order.
const std::array<const char*, kParameterCount>& ParameterCaptions();
/// The values before anything is read: the five colours, all else empty.
TParameters DefaultParameters();

/// The parameters of a document: the defaults, overwritten by what its head and BODY tag hold.
/// Attribute values come as the user types them ("&quot;" read as a double quote).
TParameters ReadParameters(const editor::THTMLRichEdit& edit);

/// "Zapsat": adds the missing HTML, HEAD, TITLE, BODY, BASE and META tags and fills them with
/// the values, as one undo step. New tag text follows `upperCaseTags`.
void WriteParameters(editor::THTMLRichEdit& edit, const TParameters& values, bool upperCaseTags);

/// A colour scheme: the five colour values one after another (35 bytes for "#RRGGBB" texts).
std::string SchemeBytes(const TParameters& values);
/// Takes seven characters per colour in order; colours for which no seven characters remain keep
/// their values. A longer text or one with control characters is no scheme: false.
bool ApplyScheme(std::string_view bytes, TParameters& values);
/// The same for files; a failure is a Czech message naming the file and changes nothing.
base::FileResult SaveScheme(const std::string& path, const TParameters& values);
base::FileResult LoadScheme(const std::string& path, TParameters& values);

/// Whether a file chosen for colours is an HTML page (".html" or ".htm", any case).
bool IsPageFileName(std::string_view path);
/// The TEXT, LINK, ALINK, VLINK and BGCOLOR of the first BODY tag of an HTML text; absent or
/// empty ones keep their values.
void ColorsFromPage(std::string_view page, TParameters& values);
base::FileResult LoadColorsFromPage(const std::string& path, TParameters& values);

} // namespace zn::tags
