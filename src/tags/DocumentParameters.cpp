// Document parameters: the walk over the head and BODY tag, "Zapsat", and colour schemes.
#include "tags/DocumentParameters.h"

#include "base/TextCase.h"
#include "editor/TREhook.h"
#include "tags/TagPanelWrite.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace zn::tags {
namespace {

using editor::Position;
using editor::THTMLRichEdit;
/// Reads the text on a pass over its tags; made anew after each change of the text.
using Scanner = editor::TextStore::Scanner;

constexpr std::array<const char*, kParameterCount> kCaptions{
    "Barvy",          "Text",
    "Odkaz",          "Aktivní odkaz",
    "Použitý odkaz",  "Pozadí",
    "Charset",        "Klíčová slova",
    "Obrázek pozadí", "Titulek stránky",
    "Základní URL",   "Autor",
    "Popis",          "Klasifikace",
    "Generator",      "Automatické přesměrování"};

/// The BODY attributes of the five colours, in parameter order 1-5.
constexpr const char* kColorAttributes[] = {"TEXT", "LINK", "ALINK", "VLINK", "BGCOLOR"};

/// The META names and the parameters they hold, in the order "Zapsat" inserts them.
constexpr std::pair<const char*, Parameter> kMetaNames[] = {{"KEYWORDS", Keywords},
                                                            {"AUTHOR", Author},
                                                            {"DESCRIPTION", Description},
                                                            {"CLASSIFICATION", Classification},
                                                            {"GENERATOR", Generator}};

constexpr std::size_t kSchemeColorLength = 7;

/// One tag met on a walk: where its text starts, its upper-case name and its attributes.
struct Tag {
    Position start = 0;
    std::string text;
    std::string name;
    editor::TTagParameters attributes;

    Position End() const { return start + static_cast<Position>(text.size()) + 1; }
    /// An attribute's value as the user types it; nothing when the attribute is absent.
    std::optional<std::string> Value(std::string_view attribute) const {
        std::string value;
        if (!editor::AttributeValue(attributes, attribute, value)) {
            return std::nullopt;
        }
        return ValueToField(value);
    }
};

/// The upper-case name of a tag text, as ParseTag finds it, without taking the attributes.
std::string NameOf(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && editor::IsTagBlank(text[i])) {
        ++i;
    }
    std::size_t end = i;
    while (end < text.size() && !editor::IsTagBlank(text[end])) {
        ++end;
    }
    return base::UpperCaseCZ(text.substr(i, end - i));
}

/// The tag at or after `from`; nothing after the last one. The attributes are parsed only for
/// the tags whose values are read (most tags of a page are passed by name).
std::optional<Tag> NextTag(const Scanner& scan, Position from) {
    const std::optional<editor::FoundTag> found = editor::NextTag(scan, from);
    if (!found) {
        return std::nullopt;
    }
    Tag tag;
    tag.start = found->contentStart;
    scan.CopyText(found->contentStart, found->TextLength(), tag.text);
    tag.name = NameOf(tag.text);
    if (tag.name == "META" || tag.name == "BODY" || tag.name == "BASE") {
        std::string name;
        Position offset = 0;
        editor::ParseTag(tag.text, name, offset, tag.attributes);
    }
    return tag;
}

/// The first tag of a name: its "<" (`after` false) or the position past its ">".
std::optional<Position> FindTag(const THTMLRichEdit& edit, std::string_view name, bool after) {
    const Scanner scan(edit.Model().Store());
    for (std::optional<Tag> tag = NextTag(scan, 0); tag; tag = NextTag(scan, tag->End())) {
        if (tag->name == name) {
            return after ? tag->End() : tag->start - 1;
        }
    }
    return std::nullopt;
}

std::string Upper(const std::optional<std::string>& value) {
    return value ? base::UpperCaseCZ(*value) : std::string();
}

/// The charset named in a Content-Type CONTENT: what follows "charset" and one more character
/// ("="), without the double quotes a quoted value leaves around it.
std::optional<std::string> CharsetOf(const std::string& content) {
    const std::size_t at = base::UpperCaseCZ(content).find("CHARSET");
    if (at == std::string::npos) {
        return std::nullopt;
    }
    std::string_view rest = std::string_view(content).substr(std::min(content.size(), at + 8));
    while (!rest.empty() && rest.back() == '"') {
        rest.remove_suffix(1);
    }
    while (!rest.empty() && rest.front() == '"') {
        rest.remove_prefix(1);
    }
    return std::string(rest);
}

/// A META tag's parameter: the content-type charset, the redirection or one of the five names.
void ReadMeta(const Tag& tag, TParameters& values) {
    const std::optional<std::string> content = tag.Value("CONTENT");
    const std::string equiv = Upper(tag.Value("HTTP-EQUIV"));
    if (equiv == "CONTENT-TYPE") {
        if (content) {
            if (std::optional<std::string> charset = CharsetOf(*content)) {
                values[Charset] = *charset;
            }
        }
        return;
    }
    if (equiv == "REFRESH") {
        values[Redirection] = content.value_or("");
        return;
    }
    const std::string name = Upper(tag.Value("NAME"));
    for (const auto& [meta, index] : kMetaNames) {
        if (content && name == meta) {
            values[index] = *content;
        }
    }
}

/// What the head holds, up to and including the first BODY tag.
struct Survey {
    bool html = false, head = false, title = false, body = false, base = false;
    bool contentType = false, refresh = false;
    bool meta[std::size(kMetaNames)] = {};
    /// The "<" of the first "/HTML" tag; -1 when none. Known only without BODY, when the survey
    /// has seen every tag.
    Position closeHtml = -1;
};

Survey TakeSurvey(const THTMLRichEdit& edit) {
    Survey s;
    const Scanner scan(edit.Model().Store());
    for (std::optional<Tag> tag = NextTag(scan, 0); tag; tag = NextTag(scan, tag->End())) {
        const std::string& n = tag->name;
        s.html |= n == "HTML";
        s.head |= n == "HEAD";
        s.title |= n == "TITLE";
        s.base |= n == "BASE";
        if (n == "/HTML" && s.closeHtml < 0) {
            s.closeHtml = tag->start - 1;
        }
        if (n == "META") {
            const std::string equiv = Upper(tag->Value("HTTP-EQUIV"));
            s.contentType |= equiv == "CONTENT-TYPE";
            s.refresh |= equiv == "REFRESH";
            const std::string name = Upper(tag->Value("NAME"));
            for (std::size_t i = 0; i < std::size(kMetaNames); ++i) {
                s.meta[i] |= name == kMetaNames[i].first;
            }
        }
        if (n == "BODY") {
            s.body = true;
            break;
        }
    }
    return s;
}

/// Inserts skeleton text next to the first tag of a name. It follows one position through its
/// insertions (the "/HTML" tag the survey found), so that no second pass over a long page is
/// needed to find it again.
class Skeleton {
public:
    Skeleton(THTMLRichEdit& edit, bool upper, Position followed)
        : Followed(followed), edit_(edit), upper_(upper) {}

    void At(Position p, std::string_view text) {
        const std::string inserted = base::TagCase(text, upper_);
        edit_.Model().SetCaret(p);
        edit_.InsertText(inserted);
        if (Followed >= p) {
            Followed += static_cast<Position>(inserted.size());
        }
    }
    void After(std::string_view name, std::string_view text) {
        if (std::optional<Position> p = FindTag(edit_, name, true)) {
            At(*p, text);
        }
    }
    void Before(std::string_view name, std::string_view text) {
        if (std::optional<Position> p = FindTag(edit_, name, false)) {
            At(*p, text);
        }
    }

    Position Followed;

private:
    THTMLRichEdit& edit_;
    bool upper_;
};

void InsertSkeleton(THTMLRichEdit& edit, const TParameters& values, bool upper) {
    const Survey s = TakeSurvey(edit);
    Skeleton skeleton(edit, upper, s.closeHtml);
    if (!s.html) {
        if (edit.Model().Length() == 0) {
            skeleton.At(0, "<HTML>\r\n</HTML>");
        } else {
            skeleton.At(0, "<HTML>\r\n");
            skeleton.At(edit.Model().Length(), "\r\n</HTML>");
        }
        if (skeleton.Followed < 0) {
            skeleton.Followed = edit.Model().Length() - 7; // the "</HTML>" just added
        }
    }
    if (!s.head) {
        if (s.title) {
            skeleton.Before("TITLE", "<HEAD>\r\n");
            skeleton.After("/TITLE", "\r\n</HEAD>");
        } else {
            skeleton.After("HTML", "\r\n  <HEAD>\r\n  </HEAD>\r\n");
        }
    }
    if (!s.title) {
        skeleton.After("HEAD", "\r\n    <TITLE></TITLE>");
    }
    if (!s.body) {
        skeleton.After("/HEAD", "\r\n<BODY>");
        if (skeleton.Followed >= 0) { // before "/HTML"
            skeleton.At(skeleton.Followed, "\r\n</BODY>\r\n");
        }
    }
    if (!s.base && !values[BaseUrl].empty()) {
        skeleton.After("/TITLE", "\r\n    <BASE>");
    }
    if (!s.contentType && !values[Charset].empty()) {
        skeleton.After("HEAD", "\r\n    <META HTTP-EQUIV=\"Content-Type\">");
    }
    if (!s.refresh && !values[Redirection].empty()) {
        skeleton.After("HEAD", "\r\n    <META HTTP-EQUIV=\"Refresh\">");
    }
    for (std::size_t i = 0; i < std::size(kMetaNames); ++i) {
        const auto& [name, index] = kMetaNames[i];
        if (!s.meta[i] && !values[index].empty()) {
            skeleton.After("HEAD", std::string("\r\n    <META NAME=\"") + name + "\">");
        }
    }
}

/// Puts the values into the tags of the head and the BODY tag; returns at BODY.
void Fill(THTMLRichEdit& edit, const TParameters& values, bool upper) {
    auto set = [&](const char* attribute, const std::string& value) {
        edit.SetAttribute(attribute, FieldToValue(value), upper);
    };
    for (std::optional<Tag> tag = NextTag(Scanner(edit.Model().Store()), 0); tag;) {
        edit.Model().SetCaret(tag->start);
        const std::string& n = tag->name;
        // The walk goes on after the title just written: a title that holds tags itself must
        // not be read as the next tags of the page (it would be written into again, forever).
        Position resume = 0;
        if (n == "TITLE") {
            edit.SelectTagPair(tag->start, false);
            if (edit.Model().SelStart() != tag->start) {
                edit.InsertText(values[Title]);
                resume = edit.Model().SelEnd();
            }
        } else if (n == "BODY") {
            for (int i = 0; i < 5; ++i) {
                set(kColorAttributes[i], values[TextColor + i]);
            }
            if (!values[BackgroundPicture].empty()) {
                set("BACKGROUND", values[BackgroundPicture]);
            }
            return;
        } else if (n == "BASE") {
            set("HREF", values[BaseUrl]);
        } else if (n == "META") {
            const std::string equiv = Upper(tag->Value("HTTP-EQUIV"));
            const std::string name = Upper(tag->Value("NAME"));
            if (equiv == "CONTENT-TYPE") {
                set("CONTENT", "text/html; charset=" + values[Charset]);
            } else if (equiv == "REFRESH") {
                set("CONTENT", values[Redirection]);
            }
            for (const auto& [meta, index] : kMetaNames) {
                if (name == meta) {
                    set("CONTENT", values[index]);
                }
            }
        }
        // The tag may have changed: its end is read again.
        const Scanner scan(edit.Model().Store());
        std::optional<Tag> now = NextTag(scan, tag->start - 1);
        tag = now ? NextTag(scan, std::max(now->End(), resume)) : std::nullopt;
    }
}

} // namespace

const std::array<const char*, kParameterCount>& ParameterCaptions() {
    return kCaptions;
}

TParameters DefaultParameters() {
    TParameters values;
    values[TextColor] = "#000000";
    values[LinkColor] = "#0000FF";
    values[ALinkColor] = "#FF0000";
    values[VLinkColor] = "#FF00FF";
    values[BackgroundColor] = "#C0C0C0";
    return values;
}

TParameters ReadParameters(const THTMLRichEdit& edit) {
    TParameters values = DefaultParameters();
    const Scanner scan(edit.Model().Store());
    for (std::optional<Tag> tag = NextTag(scan, 0); tag; tag = NextTag(scan, tag->End())) {
        const std::string& n = tag->name;
        if (n == "BODY") {
            for (int i = 0; i < 5; ++i) {
                if (std::optional<std::string> v = tag->Value(kColorAttributes[i])) {
                    values[TextColor + i] = *v;
                }
            }
            if (std::optional<std::string> v = tag->Value("BACKGROUND")) {
                values[BackgroundPicture] = *v;
            }
            break;
        }
        if (n == "TITLE") {
            std::optional<Tag> end = NextTag(scan, tag->End());
            while (end && end->name != "/TITLE") {
                end = NextTag(scan, end->End());
            }
            if (!end) {
                continue; // a TITLE never closed gives no title; the BODY is still read
            }
            values[Title] = edit.Model().GetText(tag->End(), end->start - 1 - tag->End());
            tag = std::move(end);
        } else if (n == "META") {
            ReadMeta(*tag, values);
        } else if (n == "BASE") {
            if (std::optional<std::string> v = tag->Value("HREF")) {
                values[BaseUrl] = *v;
            }
        }
    }
    return values;
}

void WriteParameters(THTMLRichEdit& edit, const TParameters& values, bool upperCaseTags) {
    editor::UndoGroup group(edit.Model());
    InsertSkeleton(edit, values, upperCaseTags);
    Fill(edit, values, upperCaseTags);
}

std::string SchemeBytes(const TParameters& values) {
    std::string bytes;
    for (int i = TextColor; i <= BackgroundColor; ++i) {
        bytes += values[i];
    }
    return bytes;
}

bool ApplyScheme(std::string_view bytes, TParameters& values) {
    const bool control = std::any_of(bytes.begin(), bytes.end(),
                                     [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (control || bytes.size() > 5 * kSchemeColorLength) {
        return false;
    }
    for (int i = 0; i < 5 && bytes.size() >= kSchemeColorLength * (i + 1); ++i) {
        values[TextColor + i] = bytes.substr(kSchemeColorLength * i, kSchemeColorLength);
    }
    return true;
}

base::FileResult SaveScheme(const std::string& path, const TParameters& values) {
    return base::WriteFileAtomically(path, SchemeBytes(values));
}

base::FileResult LoadScheme(const std::string& path, TParameters& values) {
    std::string bytes;
    base::FileResult result = base::ReadDocumentFile(path, bytes);
    if (result.ok && !ApplyScheme(bytes, values)) {
        return {false, "Soubor " + path + " není barevné schéma."};
    }
    return result;
}

bool IsPageFileName(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    const std::string ext =
        dot == std::string_view::npos ? std::string() : base::UpperCaseCZ(path.substr(dot));
    return ext == ".HTML" || ext == ".HTM";
}

void ColorsFromPage(std::string_view page, TParameters& values) {
    THTMLRichEdit hidden;
    hidden.Model().Load(page);
    editor::TREhook walker;
    walker.SetRichEd(&hidden);
    while (walker.FindNext()) {
        if (base::UpperCaseCZ(walker.TagName()) != "BODY") {
            continue;
        }
        for (int i = 0; i < 5; ++i) {
            std::string value;
            // "text = red" splits into the words "text", "=" and "red": the bare name would
            // read as an empty colour, so only a real value replaces the colour.
            if (walker.GetParam(kColorAttributes[i], value) && !value.empty()) {
                values[TextColor + i] = value;
            }
        }
        return;
    }
}

base::FileResult LoadColorsFromPage(const std::string& path, TParameters& values) {
    std::string bytes;
    base::FileResult result = base::ReadDocumentFile(path, bytes);
    if (result.ok) {
        ColorsFromPage(bytes, values);
    }
    return result;
}

} // namespace zn::tags
