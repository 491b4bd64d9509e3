// Listing, naming and changing the areas of a map; the generated map texts.
#include "structure/MapAreas.h"

#include "base/Cp1250.h"
#include "base/TextCase.h"

#include <algorithm>

namespace zn::structure {

std::optional<std::size_t> FindMapPair(const MapList& pairs, std::string_view name) {
    const std::string reference = "#" + std::string(name);
    std::optional<std::size_t> found;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (pairs[i].Name == reference) {
            found = i;
        }
    }
    return found;
}

std::vector<std::string> AreaNames(const AreaList& areas, std::string_view map) {
    std::vector<std::string> names;
    for (const TArea& area : areas) {
        if (area.Map == map) {
            names.push_back(area.Alt);
        }
    }
    return names;
}

TArea* FindArea(AreaList& areas, std::string_view map, std::string_view name) {
    const auto found = std::find_if(areas.begin(), areas.end(), [&](const TArea& area) {
        return area.Map == map && area.Alt == name;
    });
    return found != areas.end() ? &*found : nullptr;
}

TAreaFields FieldsOf(const TArea& area) {
    return {area.Shape,    area.Coords, area.Href,  area.AccessKey,
            area.TabIndex, area.Target, area.NoHref};
}

void StoreFields(TArea& area, const TAreaFields& fields) {
    area.Shape = fields.Shape;
    area.Coords = fields.Coords;
    area.Href = fields.Href;
    area.AccessKey = fields.AccessKey;
    area.TabIndex = fields.TabIndex;
    area.Target = fields.Target;
    area.NoHref = fields.NoHref;
}

std::optional<std::string> AskAreaName(base::Prompter& prompter, const AreaList& areas,
                                       std::string_view map, std::string_view own) {
    const std::vector<std::string> names = AreaNames(areas, map);
    std::string initial(own);
    while (true) {
        const std::optional<std::string> answer =
            prompter.InputLine("Jméno oblasti", "Jméno oblasti", base::Cp1250ToUtf8(initial));
        if (!answer) {
            return std::nullopt;
        }
        const std::string name = base::Utf8ToCp1250(*answer);
        const bool taken =
            std::any_of(names.begin(), names.end(),
                        [&](const std::string& n) { return base::SameTextCZ(n, name); }) &&
            !(!own.empty() && base::SameTextCZ(name, own));
        if (!taken) {
            return name;
        }
        prompter.Tell("Oblast se jménem " + *answer + " již existuje!", base::Severity::Warning);
        initial = name;
    }
}

TArea& AddArea(AreaList& areas, std::string_view map, std::string name, int shape) {
    TArea area;
    area.Shape = shape;
    area.Map = std::string(map);
    area.Alt = std::move(name);
    areas.push_back(std::move(area));
    return areas.back();
}

std::optional<std::size_t> DeleteArea(AreaList& areas, std::string_view map,
                                      std::string_view name) {
    std::size_t row = 0;
    for (auto it = areas.begin(); it != areas.end(); ++it) {
        if (it->Map != map) {
            continue;
        }
        if (it->Alt == name) {
            areas.erase(it);
            break;
        }
        ++row;
    }
    const std::size_t left = AreaNames(areas, map).size();
    if (left == 0) {
        return std::nullopt;
    }
    return std::min(row, left - 1);
}

std::string MapWizardText(std::string_view picture, std::string_view width, std::string_view height,
                          std::string_view name, bool upper) {
    using base::TagCase;
    std::string text = "<" + TagCase("A HREF=\" \"><IMG SRC=\"", upper);
    text += picture;
    text += TagCase("\" WIDTH=\"" + std::string(width) + "\" HEIGHT=\"" + std::string(height) +
                        "\" USEMAP=\"#",
                    upper);
    text += std::string(name) + "\" ";
    text += TagCase("ISMAP></A>\r\n<MAP NAME=\"", upper);
    text += std::string(name) + "\">\r\n</" + TagCase("MAP>", upper) + "\r\n";
    return text;
}

std::string EmptyMapText(std::string_view name, bool upper) {
    using base::TagCase;
    return "\r\n<" + TagCase("MAP NAME=\"", upper) + std::string(name) + "\"></" +
           TagCase("MAP", upper) + ">";
}

TTextReplacement ChangedStretch(std::string_view before, std::string_view after) {
    std::size_t head = 0;
    const std::size_t shorter = std::min(before.size(), after.size());
    while (head < shorter && before[head] == after[head]) {
        ++head;
    }
    // A CR LF pair is never split: the text control replaces whole pairs.
    if (head > 0 && before[head - 1] == '\r') {
        --head;
    }
    std::size_t tail = 0;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
    }
    if (tail > 0 && before[before.size() - tail] == '\n') {
        --tail;
    }
    return {static_cast<editor::Position>(head),
            static_cast<editor::Position>(before.size() - head - tail),
            std::string(after.substr(head, after.size() - head - tail))};
}

} // namespace zn::structure
