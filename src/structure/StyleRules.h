// The rule list of the style selector: adding, finding and deleting rules, and the name lists
// offered for new rules.
#pragma once

#include "structure/DocumentStructure.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zn::structure {

/// The kinds of a new rule, in the order of the "Typ stylu" choice.
enum class TStyleKind { Own, Tag, Selector };

/// The kinds' captions, in the order of `TStyleKind`.
const std::vector<const char*>& StyleKindCaptions();
/// The name-list file of a kind inside the data folder ("custom/styles.txt" for a tag,
/// "custom/sstyles.txt" for a selector); empty for the user's own class.
std::string NameListFile(TStyleKind kind);
/// The names of a list file's text: one a line, CR LF or LF, blank lines left out.
std::vector<std::string> SplitNameList(std::string_view text);

/// The selector of a new rule: "." + name for an own class, else the name; the name trimmed.
std::string NewRuleSelector(TStyleKind kind, std::string_view name);
/// Adds a rule with an empty body unless one already has its selector; the index of the entry
/// to select. Nothing for an empty name.
std::optional<std::size_t> AddStyleRule(StyleList& styles, TStyleKind kind, std::string_view name);
/// Removes the rule at `index` (rules of the same selector are told apart by their place);
/// the entry to select next: the same place, else the last, else none.
std::optional<std::size_t> DeleteStyleRule(StyleList& styles, std::size_t index);

/// True when the style block that writing the rules replaces holds more rules than the scan
/// reads from it (rules outside its HTML comment), which writing would lose.
bool WritingLosesRules(std::string_view text);

} // namespace zn::structure
