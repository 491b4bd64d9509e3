// The intrinsic script events of HTML 4: which event attributes each tag takes, and reading and
// writing a tag's reactions.
#pragma once

#include "editor/THTMLRichEdit.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zn::tags {

/// The 18 event attributes; event k is bit k of a mask.
const std::array<const char*, 18>& EventNames();

struct TEventTag {
    const char* Name; ///< lower case
    std::uint32_t Mask;
};

/// The tags that take events, in the table's order (one tag may stand twice).
const std::vector<TEventTag>& EventTags();
/// The events of a tag name (any case): the mask of the last entry of that name; 0 when none.
std::uint32_t EventMask(std::string_view tagName);

/// One event of the current tag: the reaction shown (double quotes as typed) and the one read.
struct TEventRow {
    std::string Event;
    std::string OldValue;
    std::string Value;
};

/// The events the current tag takes, with its reactions; empty outside a tag or for a tag that
/// takes none.
std::vector<TEventRow> ReadEvents(const editor::THTMLRichEdit& edit);
/// Writes the rows whose value changed (an empty one removes its attribute) as one undo step.
void WriteEvents(editor::THTMLRichEdit& edit, const std::vector<TEventRow>& rows,
                 bool upperCaseTags);

} // namespace zn::tags
