// The events table and the reading and writing of a tag's reactions.
#include "tags/ScriptEvents.h"

#include "base/TextCase.h"
#include "tags/TagPanelWrite.h"

namespace zn::tags {
namespace {

constexpr std::uint32_t kMouseKeys = 0x3FF; ///< "onclick" through "onkeyup"
constexpr std::uint32_t kFocus = 0xFFF;     ///< and "onfocus", "onblur"
constexpr std::uint32_t kBody = 0x33FF;     ///< and "onload", "onunload"
constexpr std::uint32_t kForm = 0x283FF;    ///< and "onreset", "onsubmit"
constexpr std::uint32_t kFrameset = 0x3000;
constexpr std::uint32_t kInput = 0x14FFF; ///< focus events, "onchange", "onselect"
constexpr std::uint32_t kSelect = 0x4FFF; ///< focus events, "onchange"

std::vector<TEventTag> BuildTags() {
    std::vector<TEventTag> tags;
    auto add = [&](std::uint32_t mask, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            tags.push_back({name, mask});
        }
    };
    add(kFocus, {"a"});
    add(kMouseKeys, {"abbr", "em", "strong", "dfn", "code", "samp", "kbd", "var", "cite", "acronym",
                     "address"});
    add(kFocus, {"area"});
    add(kMouseKeys, {"tt", "i", "b", "big", "small", "blockquote"});
    add(kBody, {"body"});
    add(kFocus, {"button"});
    add(kMouseKeys,
        {"caption", "col", "colgroup", "dd", "del", "dir", "div", "dl", "dt", "fieldset"});
    add(kForm, {"form"});
    add(kFrameset, {"frameset"});
    add(kMouseKeys, {"h1", "h2", "h3", "h4", "h5", "h6", "hr", "img"});
    add(kInput, {"input"});
    add(kMouseKeys, {"ins"});
    add(kFocus, {"label"});
    add(kMouseKeys, {"legend", "li", "ul", "ol", "link"});
    add(kFocus, {"map"});
    add(kMouseKeys, {"menu", "noframes", "noscript", "object"});
    add(kSelect, {"optgroup", "option"});
    add(kMouseKeys, {"p", "pre", "q", "s", "small"});
    add(kSelect, {"select"});
    add(kMouseKeys,
        {"span", "strike", "sub", "sup", "table", "tbody", "tfoot", "thead", "th", "td", "tr"});
    add(kInput, {"textarea"});
    add(kMouseKeys, {"u"});
    return tags;
}

} // namespace

const std::array<const char*, 18>& EventNames() {
    static constexpr std::array<const char*, 18> kNames{
        "onclick",    "ondblclick", "onmousedown", "onmouseup", "onmouseover", "onmousemove",
        "onmouseout", "onkeypress", "onkeydown",   "onkeyup",   "onfocus",     "onblur",
        "onload",     "onunload",   "onchange",    "onreset",   "onselect",    "onsubmit"};
    return kNames;
}

const std::vector<TEventTag>& EventTags() {
    static const std::vector<TEventTag> tags = BuildTags();
    return tags;
}

std::uint32_t EventMask(std::string_view tagName) {
    std::uint32_t mask = 0;
    for (const TEventTag& tag : EventTags()) {
        if (base::SameTextCZ(tag.Name, tagName)) {
            mask = tag.Mask;
        }
    }
    return mask;
}

std::vector<TEventRow> ReadEvents(const editor::THTMLRichEdit& edit) {
    std::vector<TEventRow> rows;
    const std::uint32_t mask = edit.InTag ? EventMask(edit.CurrentTagName) : 0;
    for (std::size_t k = 0; k < EventNames().size(); ++k) {
        if ((mask >> k) & 1U) {
            std::string value;
            edit.GetAttributeValue(EventNames()[k], value);
            value = ValueToField(value);
            rows.push_back({EventNames()[k], value, value});
        }
    }
    return rows;
}

void WriteEvents(editor::THTMLRichEdit& edit, const std::vector<TEventRow>& rows,
                 bool upperCaseTags) {
    editor::UndoGroup group(edit.Model());
    for (const TEventRow& row : rows) {
        if (row.Value == row.OldValue) {
            continue;
        }
        if (row.Value.empty()) {
            edit.RemoveAttribute(row.Event);
        } else {
            // A reaction's double quotes become "&quot;" so that they cannot end the value.
            edit.SetAttribute(row.Event, FieldToValue(row.Value), upperCaseTags);
        }
    }
}

} // namespace zn::tags
