// Adding and deleting the rules of the style selector; the name lists for new rules.
#include "structure/StyleRules.h"

#include <algorithm>

namespace zn::structure {
namespace {

std::string Trim(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string_view::npos) {
        return {};
    }
    const std::size_t end = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(begin, end - begin + 1));
}

} // namespace

const std::vector<const char*>& StyleKindCaptions() {
    static const std::vector<const char*> captions{"Vlastní styl", "Modifikace HTML tagu",
                                                   "HTML selektor"};
    return captions;
}

std::string NameListFile(TStyleKind kind) {
    switch (kind) {
    case TStyleKind::Tag:
        return "custom/styles.txt";
    case TStyleKind::Selector:
        return "custom/sstyles.txt";
    default:
        return {};
    }
}

std::vector<std::string> SplitNameList(std::string_view text) {
    std::vector<std::string> names;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string line = Trim(text.substr(0, end));
        if (!line.empty()) {
            names.push_back(std::move(line));
        }
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return names;
}

std::string NewRuleSelector(TStyleKind kind, std::string_view name) {
    const std::string trimmed = Trim(name);
    return kind == TStyleKind::Own ? "." + trimmed : trimmed;
}

std::optional<std::size_t> AddStyleRule(StyleList& styles, TStyleKind kind, std::string_view name) {
    if (Trim(name).empty()) {
        return std::nullopt;
    }
    const std::string selector = NewRuleSelector(kind, name);
    const auto found = std::find_if(styles.begin(), styles.end(), [&](const TStyle& style) {
        return style.Selector == selector;
    });
    if (found != styles.end()) {
        return static_cast<std::size_t>(found - styles.begin());
    }
    styles.push_back({selector, ""});
    return styles.size() - 1;
}

std::optional<std::size_t> DeleteStyleRule(StyleList& styles, std::size_t index) {
    if (index < styles.size()) {
        styles.erase(styles.begin() + static_cast<std::ptrdiff_t>(index));
    }
    if (styles.empty()) {
        return std::nullopt;
    }
    return std::min(index, styles.size() - 1);
}

bool WritingLosesRules(std::string_view text) {
    const std::optional<TTextReplacement> block = WriteStyles(text, {}, true);
    if (!block || block->Length == 0) {
        return false;
    }
    const std::string_view old = text.substr(static_cast<std::size_t>(block->Start),
                                             static_cast<std::size_t>(block->Length));
    const auto braces = static_cast<std::size_t>(std::count(old.begin(), old.end(), '{'));
    return braces > ScanStructure(old).Styles.size();
}

} // namespace zn::structure
