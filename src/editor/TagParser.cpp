// Parsing of tag texts and scanning of strings for tags.
#include "editor/TagParser.h"

#include "base/TextCase.h"

#include <cstring>

namespace zn::editor {

Position TTagParameter::EndOffset() const {
    if (ValueOffset >= 0) {
        return ValueOffset + static_cast<Position>(ParamValue.size());
    }
    if (EqualsOffset >= 0) {
        return EqualsOffset + 1;
    }
    return NameOffset + static_cast<Position>(ParamName.size());
}

void ParseTagLayout(std::string_view text, TagLayout& layout) {
    layout.nameOffset = 0;
    layout.nameLength = 0;
    layout.attributes.clear();
    const auto n = static_cast<Position>(text.size());
    auto at = [&](Position i) { return text[static_cast<std::size_t>(i)]; };
    Position i = 0;
    while (i < n && IsTagBlank(at(i))) {
        ++i;
    }
    if (i == n) {
        return;
    }
    layout.nameOffset = i;
    while (i < n && !IsTagBlank(at(i))) {
        ++i;
    }
    layout.nameLength = i - layout.nameOffset;
    for (;;) {
        while (i < n && IsTagBlank(at(i))) {
            ++i;
        }
        if (i == n) {
            return;
        }
        TagLayout::Attribute attr;
        attr.nameOffset = i;
        while (i < n && !IsTagBlank(at(i)) && at(i) != '=') {
            ++i;
        }
        attr.nameLength = i - attr.nameOffset;
        while (i < n && (IsTagBlank(at(i)) || at(i) == '=')) {
            if (at(i) == '=') {
                attr.equalsOffset = i;
            }
            ++i;
        }
        if (attr.equalsOffset >= 0 && i < n) {
            attr.valueOffset = i;
            if (at(i) == '"') {
                const void* quote =
                    std::memchr(text.data() + i + 1, '"', static_cast<std::size_t>(n - i - 1));
                i = quote ? static_cast<const char*>(quote) - text.data() + 1 : n;
            } else {
                while (i < n && !IsTagBlank(at(i))) {
                    ++i;
                }
            }
            attr.valueLength = i - attr.valueOffset;
        }
        layout.attributes.push_back(attr);
    }
}

void ParseTag(std::string_view tagText, std::string& name, Position& nameOffset,
              TTagParameters& parameters) {
    TagLayout layout;
    ParseTagLayout(tagText, layout);
    auto piece = [&](Position offset, Position length) {
        return std::string(
            tagText.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(length)));
    };
    name = piece(layout.nameOffset, layout.nameLength);
    nameOffset = layout.nameOffset;
    parameters.clear();
    for (const TagLayout::Attribute& attr : layout.attributes) {
        TTagParameter p;
        p.ParamName = piece(attr.nameOffset, attr.nameLength);
        p.NameOffset = attr.nameOffset;
        p.EqualsOffset = attr.equalsOffset;
        p.ValueOffset = attr.valueOffset;
        if (attr.valueOffset >= 0) {
            p.ParamValue = piece(attr.valueOffset, attr.valueLength);
        }
        parameters.push_back(std::move(p));
    }
}

bool AttributeValue(const TTagParameters& parameters, std::string_view name, std::string& value) {
    for (const TTagParameter& p : parameters) {
        if (base::SameTextCZ(p.ParamName, name)) {
            std::string_view v = p.ParamValue;
            if (!v.empty() && v.front() == '"') {
                v.remove_prefix(1);
            }
            if (!v.empty() && v.back() == '"') {
                v.remove_suffix(1);
            }
            value.assign(v);
            return true;
        }
    }
    value.clear();
    return false;
}

Position StringSource::FindChar(char c, Position from, Position to) const {
    from = std::max<Position>(from, 0);
    to = std::min(to, Length());
    if (from >= to) {
        return -1;
    }
    const void* hit = std::memchr(text.data() + from, c, static_cast<std::size_t>(to - from));
    return hit ? static_cast<const char*>(hit) - text.data() : -1;
}

std::optional<Position> NextTagInText(std::string_view text, Position start, std::string& tagText) {
    tagText.clear();
    const std::optional<FoundTag> tag = NextTag(StringSource{text}, start);
    if (!tag) {
        return std::nullopt;
    }
    tagText.assign(text.substr(static_cast<std::size_t>(tag->contentStart),
                               static_cast<std::size_t>(tag->TextLength())));
    return tag->contentStart;
}

} // namespace zn::editor
