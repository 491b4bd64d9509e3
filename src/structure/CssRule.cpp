// Reading a CSS rule into the style editor's controls and writing them back.
#include "structure/CssRule.h"

#include "base/HtmlColor.h"
#include "base/TextCase.h"

#include <algorithm>
#include <cctype>

namespace zn::structure {
namespace {

using K = CssKind;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string Trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') {
        ++begin;
    }
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') {
        --end;
    }
    return std::string(text.substr(begin, end - begin));
}

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') {
            ++i;
        }
        const std::size_t start = i;
        while (i < text.size() && static_cast<unsigned char>(text[i]) > ' ') {
            ++i;
        }
        if (i > start) {
            words.emplace_back(text.substr(start, i - start));
        }
    }
    return words;
}

void Store(TCssList& list, std::string name, std::string value) {
    for (auto& [n, v] : list) {
        if (n == name) {
            v = std::move(value);
            return;
        }
    }
    list.emplace_back(std::move(name), std::move(value));
}

/// The text between "open(" and the first ")" after it (or the end), trimmed; nothing when the
/// value has no "open(".
std::optional<std::string> Inside(std::string_view value, std::string_view open) {
    const std::string lower = base::LowerCaseCZ(value);
    const std::size_t at = lower.find(std::string(open) + "(");
    if (at == std::string::npos) {
        return std::nullopt;
    }
    const std::string_view rest = value.substr(at + open.size() + 1);
    return Trim(rest.substr(0, rest.find(')')));
}

void FillPair(TStyleControls& controls, const char* value, const char* units,
              std::string_view text) {
    TValueUnit split = SplitUnits(text);
    controls.Text[value] = std::move(split.Value);
    controls.Text[units] = std::move(split.Unit);
}

std::string PairText(const TStyleControls& controls, const char* value, const char* units) {
    return controls.TextOf(value) + controls.TextOf(units);
}

void WriteSpecial(const TCssProperty& p, const TStyleControls& c, std::string& css) {
    switch (p.Kind) {
    case K::Decoration: {
        std::string words;
        for (const auto& [box, word] : DecorationBoxes()) {
            words += c.Checked(box) ? std::string(" ") + word : "";
        }
        css += words.empty() ? "" : " text-decoration: " + words + ";";
        return;
    }
    case K::Picture:
        if (!c.TextOf(p.Control).empty()) {
            css += std::string(p.Name) + ": url(" + c.TextOf(p.Control) + ");";
        }
        return;
    case K::Position:
        if (!c.TextOf("HPosCB").empty() || !c.TextOf("VPosCB").empty()) {
            // A lone horizontal value would be read back as the vertical one: CSS's own default
            // for the missing half keeps it where it was put.
            const std::string vertical = PairText(c, "VPosCB", "VPunitsCB");
            css += " background-position: " + PairText(c, "HPosCB", "HPunitsCB") + " " +
                   (vertical.empty() ? "center" : vertical) + ";";
        }
        return;
    case K::BorderColor: {
        std::vector<std::string> colors;
        for (const char* panel : BorderColorPanels()) {
            if (c.ColorOf(panel).empty()) {
                return;
            }
            colors.push_back(PanelColorText(c.ColorOf(panel)));
        }
        const bool same = std::all_of(colors.begin(), colors.end(),
                                      [&](const std::string& one) { return one == colors[0]; });
        css +=
            " border-color: " +
            (same ? colors[0] : colors[0] + " " + colors[1] + " " + colors[2] + " " + colors[3]) +
            ";";
        return;
    }
    case K::Clip: {
        if (c.TextOf("LClipCB").empty()) {
            return;
        }
        std::string rect;
        for (std::size_t i = 0; i < ClipPairs().size(); ++i) {
            rect += (i == 0 ? "" : " ") + PairText(c, ClipPairs()[i].first, ClipPairs()[i].second);
        }
        css += " clip: rect(" + rect + ");";
        return;
    }
    default:
        return;
    }
}

/// The colours of top, right, bottom and left as CSS reads one to four values: all; top and
/// bottom, sides; top, sides, bottom; each. None for an empty value.
std::vector<std::string> BorderWords(std::string_view value) {
    static const std::size_t kWord[4][4] = {{0, 0, 0, 0}, {0, 1, 0, 1}, {0, 1, 2, 1}, {0, 1, 2, 3}};
    const std::vector<std::string> words = Words(value);
    std::vector<std::string> sides;
    for (std::size_t i = 0; i < 4 && !words.empty(); ++i) {
        sides.push_back(words[kWord[std::min<std::size_t>(words.size(), 4) - 1][i]]);
    }
    return sides;
}

/// A value compared for meaning: lower case, single spaces, known colours in one form.
std::string Normal(std::string_view value) {
    std::string result;
    for (const std::string& word : Words(base::LowerCaseCZ(value))) {
        result += (result.empty() ? "" : " ") +
                  (IsKnownColor(word) ? base::ColorToHtml(base::HtmlToColor(word)) : word);
    }
    return base::LowerCaseCZ(result);
}

/// A property's value in a list, background-position rebuilt from its halves.
std::string Joined(const TCssList& list, const std::string& name) {
    if (name == "background-position") {
        return CssValue(list, "bkghp") + " " + CssValue(list, "bkgvp");
    }
    return CssValue(list, name);
}

} // namespace

TCssRead SplitCss(std::string_view css) {
    TCssRead read;
    std::string text;
    for (std::size_t i = 0; i < css.size();) {
        if (css.compare(i, 2, "/*") == 0) {
            const std::size_t end = css.find("*/", i + 2);
            const std::size_t stop = end == std::string_view::npos ? css.size() : end + 2;
            read.Unread.push_back(Trim(css.substr(i, stop - i)));
            text += ' ';
            i = stop;
        } else {
            text += css[i++];
        }
    }
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t semi = rest.find(';');
        const std::string part = Trim(rest.substr(0, semi));
        rest = semi == std::string_view::npos ? std::string_view() : rest.substr(semi + 1);
        const std::size_t colon = part.find(':');
        const std::string name =
            colon == std::string::npos ? "" : base::LowerCaseCZ(Trim(part.substr(0, colon)));
        const std::string value = colon == std::string::npos ? "" : Trim(part.substr(colon + 1));
        // The halves of background-position are the editor's own names, not properties.
        if (name.empty() || value.empty() || name == "bkghp" || name == "bkgvp") {
            if (!part.empty()) {
                read.Unread.push_back(part);
            }
            continue;
        }
        if (name != "background-position") {
            Store(read.List, name, value);
            continue;
        }
        const std::size_t space = value.find(' ');
        Store(read.List, "bkghp", space == std::string::npos ? "" : Trim(value.substr(0, space)));
        Store(read.List, "bkgvp", space == std::string::npos ? value : Trim(value.substr(space)));
    }
    return read;
}

std::string CssValue(const TCssList& list, std::string_view name) {
    for (const auto& [n, v] : list) {
        if (n == name) {
            return v;
        }
    }
    return {};
}

TValueUnit SplitUnits(std::string_view value) {
    std::size_t digits = 0;
    while (digits < value.size() && IsDigit(value[digits])) {
        ++digits;
    }
    if (digits == 0 || digits == value.size()) {
        return {std::string(value), {}};
    }
    return {std::string(value.substr(0, digits)), std::string(value.substr(digits))};
}

std::string AutoUnit(std::string_view value, std::string_view unit) {
    if (value.empty() || !std::all_of(value.begin(), value.end(), IsDigit)) {
        return {};
    }
    return unit.empty() ? "px" : std::string(unit);
}

const std::vector<TCssProperty>& CssProperties() {
    static const std::vector<TCssProperty> properties{
        {"font-family", K::Simple, "FontCB"},
        {"font-size", K::Pair, "SizeCB", "UnitsSizeCB"},
        {"font-weight", K::Simple, "WeightCB"},
        {"font-style", K::Simple, "StyleCB"},
        {"line-height", K::Pair, "LineCB", "UnitsLineCB"},
        {"font-variant", K::Simple, "VariantCB"},
        {"color", K::Color, "FontColorPanel"},
        {"text-transform", K::Simple, "CaseCB"},
        {"text-decoration", K::Decoration},
        {"background-color", K::Color, "BkgColorPanel"},
        {"background-image", K::Picture, "IMGEdit"},
        {"background-repeat", K::Simple, "RepCB"},
        {"background-attachment", K::Simple, "AtachCB"},
        {"background-position", K::Position},
        {"word-spacing", K::Pair, "WspacCB", "WsunitsCB"},
        {"letter-spacing", K::Pair, "lspacCB", "LsUnitsCB"},
        {"vertical-align", K::Pair, "ValCB", "ValUnitsCB"},
        {"text-align", K::Simple, "AlignCB"},
        {"text-indent", K::Pair, "Indent", "IndentUnitsCB"},
        {"white-space", K::Simple, "WSCB"},
        {"float", K::Simple, "FloatCB"},
        {"clear", K::Simple, "ClearCB"},
        {"width", K::Pair, "BWidthCB", "BWunitsCB"},
        {"height", K::Pair, "BHeightCB", "BHunitsCB"},
        {"padding-left", K::Pair, "BPleftCB", "BPLunitsCB"},
        {"padding-right", K::Pair, "BPrightCB", "BPRunitsCB"},
        {"padding-top", K::Pair, "BPtopCB", "BPTunitsCB"},
        {"padding-bottom", K::Pair, "BPbottomCB", "BPBunitsCB"},
        {"margin-left", K::Pair, "BMleftCB", "BMLunitsCB"},
        {"margin-right", K::Pair, "BMrightCB", "BMRunitsCB"},
        {"margin-top", K::Pair, "BMtopCB", "BMTunitsCB"},
        {"margin-bottom", K::Pair, "BMbottomCB", "BMBunitsCB"},
        {"border-style", K::Simple, "MStyle"},
        {"border-left-width", K::Pair, "LMCB", "LMunitsCB"},
        {"border-right-width", K::Pair, "RMCB", "RMunitsCB"},
        {"border-top-width", K::Pair, "TMCB", "TMunitsCB"},
        {"border-bottom-width", K::Pair, "BMCB", "BMunitsCB"},
        {"border-color", K::BorderColor},
        {"list-style-type", K::Simple, "BulTypCB"},
        {"list-style-position", K::Simple, "BulPosCB"},
        {"list-style-image", K::Picture, "BulletEdit"},
        {"left", K::Pair, "LeftCB", "LeftUnitsCB"},
        {"top", K::Pair, "TopCB", "TopUnitsCB"},
        {"width", K::Pair, "WidthCB", "WidthUnitsCB", "BWidthCB"},
        {"height", K::Pair, "HeightCB", "HeightUnitsCB", "BHeightCB"},
        {"position", K::Simple, "typCB"},
        {"visibility", K::Simple, "VisibCB"},
        {"overflow", K::Simple, "overCB"},
        {"z-index", K::Simple, "zindexCB"},
        {"clip", K::Clip},
        {"page-break-before", K::Simple, "PB1CB"},
        {"page-break-after", K::Simple, "PB2CB"},
        {"cursor", K::Simple, "CursorCB"},
        {"filter", K::Simple, "FilterCB"},
    };
    return properties;
}

const std::vector<std::pair<const char*, const char*>>& DecorationBoxes() {
    static const std::vector<std::pair<const char*, const char*>> boxes{
        {"Underline", "underline"},
        {"OverLine", "overline"},
        {"Line-through", "line-through"},
        {"Blink", "blink"},
        {"None", "none"}};
    return boxes;
}

const std::vector<const char*>& BorderColorPanels() {
    static const std::vector<const char*> panels{"TMC", "RMC", "BMC", "LMC"};
    return panels;
}

const std::vector<std::pair<const char*, const char*>>& ClipPairs() {
    static const std::vector<std::pair<const char*, const char*>> pairs{
        {"TClipCB", "TCuCB"}, {"RClipCB", "RCuCB"}, {"BClipCB", "BCuCB"}, {"LClipCB", "LCuCB"}};
    return pairs;
}

std::string TStyleControls::TextOf(const std::string& control) const {
    const auto found = Text.find(control);
    return found == Text.end() ? std::string() : found->second;
}

std::string TStyleControls::ColorOf(const std::string& panel) const {
    const auto found = Colors.find(panel);
    return found == Colors.end() ? std::string() : found->second;
}

bool TStyleControls::Checked(const std::string& box) const {
    const auto found = Checks.find(box);
    return found != Checks.end() && found->second;
}

TStyleControls FillControls(const TCssList& list) {
    TStyleControls c;
    for (const TCssProperty& p : CssProperties()) {
        const std::string value = CssValue(list, p.Name);
        const std::string lower = base::LowerCaseCZ(value);
        switch (p.Kind) {
        case K::Simple:
            c.Text[p.Control] = value;
            break;
        case K::Pair:
            FillPair(c, p.Control, p.Units, value);
            break;
        case K::Color:
            if (!value.empty()) {
                c.Colors[p.Control] = value;
            }
            break;
        case K::Decoration:
            for (const auto& [box, word] : DecorationBoxes()) {
                c.Checks[box] = lower.find(word) != std::string::npos;
            }
            break;
        case K::Picture:
            c.Text[p.Control] = Inside(value, "url").value_or("");
            break;
        case K::Position:
            FillPair(c, "HPosCB", "HPunitsCB", CssValue(list, "bkghp"));
            FillPair(c, "VPosCB", "VPunitsCB", CssValue(list, "bkgvp"));
            break;
        case K::BorderColor: {
            const std::vector<std::string> words = BorderWords(value);
            for (std::size_t i = 0; i < words.size(); ++i) {
                c.Colors[BorderColorPanels()[i]] = words[i];
            }
            break;
        }
        case K::Clip: {
            const std::vector<std::string> words = Words(Inside(value, "rect").value_or(""));
            for (std::size_t i = 0; i < ClipPairs().size(); ++i) {
                FillPair(c, ClipPairs()[i].first, ClipPairs()[i].second,
                         words.size() == 4 ? words[i] : "");
            }
            break;
        }
        }
    }
    return c;
}

std::string WriteCss(const TStyleControls& c) {
    std::string css;
    for (const TCssProperty& p : CssProperties()) {
        const std::string name = p.Name;
        switch (p.Kind) {
        case K::Simple:
            css += c.TextOf(p.Control).empty() ? "" : " " + name + ": " + c.TextOf(p.Control) + ";";
            break;
        case K::Pair:
            if (!c.TextOf(p.Control).empty() && c.TextOf(p.Unless).empty()) {
                css += " " + name + ": " + PairText(c, p.Control, p.Units) + ";";
            }
            break;
        case K::Color:
            if (!c.ColorOf(p.Control).empty()) {
                css += " " + name + ": " + PanelColorText(c.ColorOf(p.Control)) + ";";
            }
            break;
        default:
            WriteSpecial(p, c, css);
            break;
        }
    }
    return css;
}

std::string PanelColorText(std::string_view color) {
    return IsKnownColor(color) ? base::ColorToHtml(base::HtmlToColor(color)) : std::string(color);
}

bool IsKnownColor(std::string_view text) {
    if (text.size() == 7 && text[0] == '#') {
        return std::all_of(text.begin() + 1, text.end(),
                           [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
    }
    return base::IsHtmlColorName(text);
}

std::vector<std::string> DroppedByEditor(std::string_view css) {
    const TCssRead read = SplitCss(css);
    const TCssList written = SplitCss(WriteCss(FillControls(read.List))).List;
    std::vector<std::string> dropped;
    for (const auto& [listed, value] : read.List) {
        if (listed == "bkgvp") {
            continue;
        }
        const std::string name = listed == "bkghp" ? "background-position" : listed;
        const auto meaning = [&name](const std::string& text) {
            if (name != "border-color" || Words(text).size() > 4) {
                return Normal(text);
            }
            std::string sides;
            for (const std::string& word : BorderWords(text)) {
                sides += Normal(word) + " ";
            }
            return sides;
        };
        if (meaning(Joined(read.List, name)) != meaning(Joined(written, name))) {
            dropped.push_back(name);
        }
    }
    dropped.insert(dropped.end(), read.Unread.begin(), read.Unread.end());
    return dropped;
}

} // namespace zn::structure
