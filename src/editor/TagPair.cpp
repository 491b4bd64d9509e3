// Finding the partner of the tag under the caret within a bounded stretch of text.
#include "editor/TagPair.h"

#include "base/TextCase.h"

#include <algorithm>

namespace zn::editor {
namespace {

/// The model seen as a text that ends at `end`, so that NextTag never searches beyond it.
struct WindowSource {
    const TextModel& model;
    Position end;
    Position Length() const { return end; }
    Position FindChar(char c, Position from, Position to) const {
        return from >= to ? -1 : model.FindChar(c, from, std::min(to, end));
    }
};

bool IsBlank(char c) {
    return c == ' ' || c == '\r' || c == '\n';
}

/// The name of a tag in upper case: from its first non-blank character to the next blank, as
/// ParseTag takes it. Only the name is read, so a long search stays cheap.
std::string UpperTagName(const TextModel& model, Position contentStart, Position length) {
    constexpr Position kLongestName = 64; // longer names match nothing we look for
    const std::string head = model.GetText(contentStart, std::min(length, kLongestName + 8));
    std::size_t from = 0;
    while (from < head.size() && IsBlank(head[from])) {
        ++from;
    }
    std::size_t to = from;
    while (to < head.size() && !IsBlank(head[to])) {
        ++to;
    }
    return base::UpperCaseCZ(std::string_view(head).substr(from, to - from));
}

std::string UpperTagName(std::string_view tagText) {
    std::string name;
    Position offset = 0;
    TTagParameters ignored;
    ParseTag(tagText, name, offset, ignored);
    return base::UpperCaseCZ(name);
}

std::optional<TagPairRanges> FindClosing(const TextModel& model, const TagPairRanges& tag,
                                         const std::string& name, Position window) {
    const WindowSource source{model, std::min(model.Length(), tag.tagEnd + window)};
    const std::string closing = "/" + name;
    int depth = 0;
    for (auto found = NextTag(source, tag.tagEnd); found;
         found = NextTag(source, found->contentStart + 1)) {
        const std::string other = UpperTagName(model, found->contentStart, found->TextLength());
        if (other == name) {
            ++depth;
        } else if (other == closing && depth-- == 0) {
            TagPairRanges pair = tag;
            pair.pairOpen = found->contentStart - 1;
            pair.pairEnd = found->close + 1;
            return pair;
        }
    }
    return std::nullopt;
}

std::optional<TagPairRanges> FindOpening(const TextModel& model, const TagPairRanges& tag,
                                         const std::string& name, Position window) {
    const Position floor = std::max<Position>(0, tag.tagOpen - window);
    const std::string closing = "/" + name;
    const TextStore& store = model.Store();
    int depth = 0;
    Position before = tag.tagOpen;
    while (before > floor) {
        const Position gt = store.FindLastOf('>', '>', before);
        if (gt < floor) {
            return std::nullopt;
        }
        const Position lt = store.FindLastOf('<', '>', gt);
        if (lt < floor) {
            return std::nullopt;
        }
        before = lt;
        if (model.CharAt(lt) != '<') {
            continue; // a ">" with no "<" before it: the next step starts at that ">"
        }
        const std::string other = UpperTagName(model, lt + 1, gt - lt - 1);
        if (other == closing) {
            ++depth;
        } else if (other == name && depth-- == 0) {
            TagPairRanges pair = tag;
            pair.pairOpen = lt;
            pair.pairEnd = gt + 1;
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
