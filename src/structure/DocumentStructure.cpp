// The flat tag-by-tag pass over a document that lists its maps, areas, pictures and styles.
#include "structure/DocumentStructure.h"

#include "base/HtmlColor.h"
#include "base/TextCase.h"
#include "editor/TagParser.h"

#include <charconv>
#include <cstring>

namespace zn::structure {
namespace {

using editor::Position;

constexpr const char* kCrLf = "\r\n";

Position Find(std::string_view text, char c, Position from) {
    if (from < 0) {
        from = 0;
    }
    if (from >= static_cast<Position>(text.size())) {
        return -1;
    }
    const void* hit =
        std::memchr(text.data() + from, c, text.size() - static_cast<std::size_t>(from));
    return hit ? static_cast<const char*>(hit) - text.data() : -1;
}

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && blank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

std::string AsciiUpper(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

/// One tag of the walk with its upper-case name and, on demand, its attributes.
struct WalkTag {
    TScanTag tag;
    std::string name;                 ///< ASCII upper case
    Position nameOffset = 0;          ///< where the name starts in the tag text
    mutable editor::TagLayout layout; ///< the attributes, parsed on the first question
    mutable bool parsed = false;

    std::string_view Body() const { return tag.Text; }
    bool Value(std::string_view attribute, std::string& value) const {
        if (!parsed) {
            editor::ParseTagLayout(tag.Text, layout);
            parsed = true;
        }
        for (const auto& a : layout.attributes) {
            const std::string_view n = tag.Text.substr(static_cast<std::size_t>(a.nameOffset),
                                                       static_cast<std::size_t>(a.nameLength));
            if (!base::SameTextCZ(n, attribute)) {
                continue;
            }
            std::string_view v;
            if (a.valueOffset >= 0) {
                v = tag.Text.substr(static_cast<std::size_t>(a.valueOffset),
                                    static_cast<std::size_t>(a.valueLength));
            }
            if (!v.empty() && v.front() == '"') {
                v.remove_prefix(1);
            }
            if (!v.empty() && v.back() == '"') {
                v.remove_suffix(1);
            }
            value.assign(v);
            return true;
        }
        value.clear();
        return false;
    }
    std::string Value(std::string_view attribute) const {
        std::string v;
        Value(attribute, v);
        return v;
    }
    bool Has(std::string_view attribute) const {
        std::string v;
        return Value(attribute, v);
    }
};

/// Walks the tags of a text in order. Inside a TEXT/CSS style block an HTML comment runs to its
/// "-->", so that a ">" in the rules neither cuts them off nor hides the closing "/STYLE".
class TagWalker {
public:
    explicit TagWalker(std::string_view text) : text_(text) {}

    bool Next(WalkTag& out) {
        const std::optional<TScanTag> tag = NextScanTag(text_, next_);
        if (!tag) {
            return false;
        }
        out.tag = *tag;
        out.parsed = false;
        // The name is the first word, as the tag parser reads it; attributes wait until asked.
        const std::string_view text = tag->Text;
        std::size_t start = 0;
        while (start < text.size() && editor::IsTagBlank(text[start])) {
            ++start;
        }
        std::size_t end = start;
        while (end < text.size() && !editor::IsTagBlank(text[end])) {
            ++end;
        }
        out.nameOffset = static_cast<Position>(start);
        out.name = AsciiUpper(text.substr(start, end - start));
        next_ = tag->Position + 1;
        if (out.name == "!--" && inStyle_) {
            const std::size_t end = text_.find("-->", static_cast<std::size_t>(tag->Position + 2));
            if (end != std::string_view::npos) {
                const auto start = static_cast<std::size_t>(tag->Position - 1);
                out.tag.Text = text_.substr(start, end + 2 - start);
                out.tag.Close = static_cast<Position>(end + 2);
                next_ = out.tag.Close + 2;
            }
        } else if (out.name == "STYLE" && AsciiUpper(out.Value("TYPE")) == "TEXT/CSS") {
            inStyle_ = true;
        } else if (out.name == "/STYLE") {
            inStyle_ = false;
        }
        return true;
    }

    /// Continues the walk from a 1-based position.
    void Restart(Position from) { next_ = from; }

private:
    std::string_view text_;
    Position next_ = 1;
    bool inStyle_ = false;
};

void AddRules(std::string_view css, StyleList& styles) {
    for (;;) {
        const std::size_t open = css.find('{');
        const std::size_t close = css.find('}');
        if (open == std::string_view::npos || close == std::string_view::npos) {
            return;
        }
        TStyle style;
        style.Selector = std::string(Trim(css.substr(0, open)));
        style.Body = open < close ? std::string(Trim(css.substr(open + 1, close - open - 1))) : "";
        styles.push_back(std::move(style));
        css.remove_prefix(close + 1);
    }
}

int ShapeOf(const WalkTag& tag) {
    std::string shape;
    if (!tag.Value("SHAPE", shape)) {
        return 0;
    }
    shape = AsciiUpper(shape);
    if (shape == "RECT" || shape == "RECTANGLE") {
        return 1;
    }
    return shape == "CIRCLE" ? 2 : 0;
}

void ReadColor(const WalkTag& tag, const char* attribute, std::optional<base::TColor>& color) {
    std::string value;
    if (tag.Value(attribute, value)) {
        color = base::HtmlToColor(value);
    }
}

std::string AreaLine(const TArea& area, bool upper) {
    static const char* const kShapes[] = {"poly", "rect", "circle"};
    const auto tc = [upper](std::string_view s) { return base::TagCase(s, upper); };
    std::string line = tc("<AREA ALT=\"") + area.Alt + tc("\" SHAPE=\"");
    line += kShapes[area.Shape >= 0 && area.Shape <= 2 ? area.Shape : 0];
    line += "\" ";
    if (area.NoHref) {
        line += tc("NOHREF ");
    }
    const auto option = [&](const char* name, const std::string& value) {
        if (!value.empty()) {
            line += tc(name) + value + "\" ";
        }
    };
    option("TARGET=\"", area.Target);
    option("ACCESSKEY=\"", area.AccessKey);
    option("TABINDEX=\"", area.TabIndex);
    line += tc("COORDS=\"");
    for (char c : area.Coords) {
        if (c != ' ') {
            line += c;
        }
    }
    line += "\"" + tc(" HREF=\"") + area.Href + "\">";
    return line;
}

} // namespace

std::optional<TScanTag> NextScanTag(std::string_view text, Position from) {
    const Position start = from - 1;
    Position lt = Find(text, '<', start);
    Position gt = Find(text, '>', start);
    if (lt < 0 || gt < 0) {
        return std::nullopt;
    }
    if (gt < lt) {
        lt = Find(text, '<', gt + 1);
        if (lt < 0) {
            return std::nullopt;
        }
    }
    gt = Find(text, '>', lt);
    if (gt < 0) {
        return std::nullopt;
    }
    TScanTag tag;
    tag.Text = text.substr(static_cast<std::size_t>(lt + 1), static_cast<std::size_t>(gt - lt - 1));
    tag.Position = lt + 2;
    tag.Close = gt;
    return tag;
}

TStructure ScanStructure(std::string_view text) {
    TStructure result;
    MapList found;
    MapList usage;
    std::string currentMap;
    TagWalker walker(text);
    WalkTag tag;
    bool inStyle = false;
    while (walker.Next(tag)) {
        const std::string& n = tag.name;
        if (n == "!--") {
            if (inStyle) {
                const std::string_view body = tag.Body();
                AddRules(body.substr(static_cast<std::size_t>(tag.nameOffset) + 3), result.Styles);
            }
        } else if (n == "STYLE") {
            if (AsciiUpper(tag.Value("TYPE")) == "TEXT/CSS") {
                inStyle = true;
            }
        } else if (n == "/STYLE") {
            inStyle = false;
        } else if (n == "BODY") {
            ReadColor(tag, "BGCOLOR", result.BodyColor);
            ReadColor(tag, "TEXT", result.TextColor);
            ReadColor(tag, "LINK", result.LinkColor);
        } else if (n == "MAP") {
            std::string name;
            currentMap = tag.Value("NAME", name) ? "#" + name : kUnknownMap;
            found.push_back({"", currentMap});
        } else if (n == "/MAP") {
            currentMap.clear();
        } else if (n == "AREA") {
            TArea area;
            area.Coords = tag.Value("COORDS");
            area.Shape = ShapeOf(tag);
            area.Map = currentMap;
            area.Target = tag.Value("TARGET");
            area.Href = tag.Value("HREF");
            area.Alt = tag.Value("ALT");
            area.AccessKey = tag.Value("ACCESSKEY");
            area.TabIndex = tag.Value("TABINDEX");
            area.NoHref = tag.Has("NOHREF");
            result.Areas.push_back(std::move(area));
        } else if (n == "IMG" || n == "IMAGE") {
            std::string src;
            std::string usemap;
            const bool hasSrc = tag.Value("SRC", src);
            if (hasSrc && tag.Value("USEMAP", usemap)) {
                usage.push_back({src, usemap});
            }
            result.Pictures.push_back({hasSrc ? src : "Unnamed picture", tag.tag.Position});
        }
    }
    for (const TMap& map : found) {
        result.MapNames.push_back(map.Name);
    }
    for (const TMap& pair : usage) {
        for (const std::string& name : result.MapNames) {
            if (name == pair.Name) {
                result.Maps.push_back(pair);
            }
        }
    }
    for (const TMap& pair : result.Maps) {
        result.MapEntries.push_back(pair.Name + " - [" + pair.Src + "]");
    }
    for (const TStyle& style : result.Styles) {
        if (!style.Selector.empty() && style.Selector.front() == '.') {
            result.Classes.push_back(style.Selector.substr(1));
        }
    }
    return result;
}

std::string GotoEntryText(const TIMG& picture) {
    return picture.Src + "[" + std::to_string(picture.Position + 1) + "]";
}

std::optional<Position> GotoEntryPosition(std::string_view entry) {
    const std::size_t open = entry.rfind('[');
    if (open == std::string_view::npos || entry.size() < open + 3 || entry.back() != ']') {
        return std::nullopt;
    }
    const std::string_view digits = entry.substr(open + 1, entry.size() - open - 2);
    long long number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() || number < 2) {
        return std::nullopt;
    }
    return static_cast<Position>(number - 1);
}

std::string WriteMaps(std::string_view original, const AreaList& areas, bool upper,
                      std::vector<std::string>* hrefs) {
    std::string text(original);
    TagWalker walker(text);
    WalkTag tag;
    while (walker.Next(tag)) {
        if (tag.name != "MAP") {
            continue;
        }
        const Position s = tag.tag.Position - 2; // 0-based index of the "<"
        std::string name;
        const bool named = tag.Value("NAME", name);
        WalkTag end;
        bool closed = false;
        while (walker.Next(end)) {
            if (end.name == "/MAP") {
                closed = true;
                break;
            }
        }
        if (!closed) {
            break;
        }
        std::string block;
        if (named) {
            block = base::TagCase("<MAP NAME=\"", upper) + name + "\">" + kCrLf;
        } else {
            block = base::TagCase("<MAP>", upper) + kCrLf;
        }
        const std::string key = named ? "#" + name : kUnknownMap;
        for (const TArea& area : areas) {
            if (area.Map == key) {
                block += AreaLine(area, upper) + kCrLf;
                if (hrefs != nullptr) {
                    hrefs->push_back(area.Href);
                }
            }
        }
        block += base::TagCase("</MAP>", upper);
        text.replace(static_cast<std::size_t>(s), static_cast<std::size_t>(end.tag.Close - s + 1),
                     block);
        walker = TagWalker(text);
        walker.Restart(s + 3);
    }
    return text;
}

std::string StyleBlock(const StyleList& styles, bool upper) {
    std::string block = base::TagCase("<STYLE TYPE=\"text/css\">", upper) + kCrLf + "<!--" + kCrLf;
    for (const TStyle& style : styles) {
        block += style.Selector + " {" + style.Body + "}" + kCrLf;
    }
    block += std::string("-->") + kCrLf + base::TagCase("</STYLE>", upper);
    return block;
}

std::optional<TTextReplacement> WriteStyles(std::string_view text, const StyleList& styles,
                                            bool upper) {
    const std::string block = StyleBlock(styles, upper);
    std::optional<Position> headEnd;
    std::optional<Position> body;
    TagWalker walker(text);
    WalkTag tag;
    while (walker.Next(tag)) {
        const Position lt = tag.tag.Position - 2;
        if (tag.name == "STYLE" && AsciiUpper(tag.Value("TYPE")) == "TEXT/CSS") {
            WalkTag end;
            while (walker.Next(end)) {
                if (end.name == "/STYLE") {
                    return TTextReplacement{lt, end.tag.Close - lt + 1, block};
                }
            }
            return std::nullopt;
        }
        if (tag.name == "/HEAD" && !headEnd) {
            headEnd = lt;
        } else if (tag.name == "BODY" && !body) {
            body = lt;
        }
    }
    if (headEnd) {
        return TTextReplacement{*headEnd, 0, block + kCrLf};
    }
    const std::string head = base::TagCase("<HEAD>", upper) + kCrLf + block + kCrLf +
                             base::TagCase("</HEAD>", upper) + kCrLf;
    return TTextReplacement{body.value_or(0), 0, head};
}

} // namespace zn::structure
