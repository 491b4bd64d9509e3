// Finding the partner of the tag under the caret within a bounded stretch of text.
#include "editor/TagPair.h"

#include "base/TextCase.h"

#include <algorithm>

namespace zn::editor {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\r' || c == '\n';
}

/// The name of a tag text as ParseTag takes it: from the first non-blank to the next blank.
std::string_view NameIn(std::string_view tagText) {
    std::size_t from = 0;
    while (from < tagText.size() && IsBlank(tagText[from])) {
        ++from;
    }
    std::size_t to = from;
    while (to < tagText.size() && !IsBlank(tagText[to])) {
        ++to;
    }
    return tagText.substr(from, to - from);
}

/// Whether a name equals an upper-case name; the case is folded only when the lengths agree.
bool SameName(std::string_view name, const std::string& upper) {
    return name.size() == upper.size() && base::UpperCaseCZ(name) == upper;
}

bool IsClosingOf(std::string_view name, const std::string& upper) {
    return !name.empty() && name.front() == '/' && SameName(name.substr(1), upper);
}

std::string UpperTagName(std::string_view tagText) {
    return base::UpperCaseCZ(NameIn(tagText));
}

// Both searches copy their window once and walk the copy: a few dozen microseconds for the
// whole window, where reading tag by tag from the store would cost milliseconds.

std::optional<TagPairRanges> FindClosing(const TextModel& model, const TagPairRanges& tag,
                                         const std::string& name, Position window) {
    const Position end = std::min(model.Length(), tag.tagEnd + window);
    const std::string text = model.GetText(tag.tagEnd, end - tag.tagEnd);
    const StringSource source{text};
    int depth = 0;
    for (auto found = NextTag(source, 0); found; found = NextTag(source, found->contentStart + 1)) {
        const std::string_view other =
            NameIn(std::string_view(text).substr(static_cast<std::size_t>(found->contentStart),
                                                 static_cast<std::size_t>(found->TextLength())));
        if (SameName(other, name)) {
            ++depth;
        } else if (IsClosingOf(other, name) && depth-- == 0) {
            TagPairRanges pair = tag;
            pair.pairOpen = tag.tagEnd + found->contentStart - 1;
            pair.pairEnd = tag.tagEnd + found->close + 1;
            return pair;
        }
    }
    return std::nullopt;
}

std::optional<TagPairRanges> FindOpening(const TextModel& model, const TagPairRanges& tag,
                                         const std::string& name, Position window) {
    const Position floor = std::max<Position>(0, tag.tagOpen - window);
    const std::string copy = model.GetText(floor, tag.tagOpen - floor);
    const std::string_view text = copy;
    int depth = 0;
    std::size_t before = text.size();
    while (before > 0) {
        const std::size_t gt = text.rfind('>', before - 1);
        if (gt == std::string_view::npos || gt == 0) {
            return std::nullopt;
        }
        const std::size_t lt = text.find_last_of("<>", gt - 1);
        if (lt == std::string_view::npos) {
            return std::nullopt;
        }
        before = lt;
        if (text[lt] != '<') {
            continue; // a ">" with no "<" before it: the next step starts at that ">"
        }
        const std::string_view other = NameIn(text.substr(lt + 1, gt - lt - 1));
        if (IsClosingOf(other, name)) {
            ++depth;
        } else if (SameName(other, name) && depth-- == 0) {
            TagPairRanges pair = tag;
            pair.pairOpen = floor + static_cast<Position>(lt);
            pair.pairEnd = floor + static_cast<Position>(gt) + 1;
            return pair;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<TagPairRanges> FindTagPair(const THTMLRichEdit& edit, Position caret,
                                         Position window) {
    Position start = 0;
    std::string text;
    if (!edit.FindTagAround(caret, start, text) || (!text.empty() && text.back() == '/')) {
        return std::nullopt;
    }
    const std::string name = UpperTagName(text);
    if (name.empty() || name.front() == '!' || name.front() == '?' || name == "/") {
        return std::nullopt;
    }
    TagPairRanges tag;
    tag.tagOpen = start - 1;
    tag.tagEnd = start + static_cast<Position>(text.size()) + 1;
    const TextModel& model = edit.Model();
    if (name.front() == '/') {
        return FindOpening(model, tag, name.substr(1), window);
    }
    return FindClosing(model, tag, name, window);
}

} // namespace zn::editor
