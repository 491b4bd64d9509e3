// The partner of the tag under the caret, looked for within a window of text around it.
#pragma once

#include "editor/THTMLRichEdit.h"

#include <optional>

namespace zn::editor {

/// A tag and its partner, each as the position of its "<" and the position just past its ">".
struct TagPairRanges {
    Position tagOpen = 0;
    Position tagEnd = 0;
    Position pairOpen = 0;
    Position pairEnd = 0;
};

/// How far from the tag under the caret its partner is looked for, as the tag walker does: the
/// search costs the same on a short page and on a 10 MB page written in one line.
constexpr Position kTagPairWindow = 65535;

/// The partner of the tag around the caret: the closing tag of an opening one (equal tags nested
/// in between are skipped) or the opening tag of a closing one, names compared without regard
/// to case. Nothing outside a tag, for comments, declarations and self-closing tags, or when the
/// partner does not start within `window` characters of the tag.
std::optional<TagPairRanges> FindTagPair(const THTMLRichEdit& edit, Position caret,
                                         Position window = kTagPairWindow);

} // namespace zn::editor
