// The Tag Inspector's reader: dispatch on the tag name and the field readers of its panel.
#include "tags/TagPanelRead.h"

#include "base/HtmlColor.h"
#include "base/TextCase.h"
#include "editor/TagParser.h"
#include "tags/TagPanelWrite.h"

#include <algorithm>

namespace zn::tags {
namespace {

bool IsHeading(std::string_view n) {
    return n.size() == 2 && n[0] == 'H' && n[1] >= '1' && n[1] <= '6';
}

/// The text-type item of a name, or -1; FONT, A, the lists and headings have panels of their own.
int TextTypeIndex(std::string_view n) {
    if (n == "FONT" || n == "A" || n == "OL" || n == "UL" || n == "DL" || IsHeading(n)) {
        return -1;
    }
    const auto& items = TextTypes();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (base::AsciiCase(items[i], true) == n) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

class Reader {
public:
    Reader(const editor::TTagParameters& params, TInspectorRead& out)
        : params_(params), out_(out) {}

    bool Value(std::string_view attribute, std::string& value) const {
        return editor::AttributeValue(params_, attribute, value);
    }

    TControlValue& Add(const TControlRow& row) {
        TControlValue v;
        v.Control = row.Control;
        v.Kind = row.Kind;
        out_.Values.push_back(std::move(v));
        return out_.Values.back();
    }

    void Fill(const TControlRow& row) {
        if (row.Attribute[0] == '\0') {
            return; // filled by the panel's own rule
        }
        std::string value;
        const bool present = Value(row.Attribute, value);
        switch (row.Kind) {
        case ReaderKind::Edit:
        case ReaderKind::Combo:
            Add(row).Text = ValueToField(value);
            break;
        case ReaderKind::Check:
            Add(row).Checked = present;
            break;
        case ReaderKind::Enumerated:
            Add(row).Index = EnumIndex(value, present, row.EnumKind, row.DefaultIndex,
                                       static_cast<int>(row.Items.size()));
            break;
        case ReaderKind::Color:
        case ReaderKind::LabelColor: {
            TControlValue& v = Add(row);
            v.Color = present ? base::HtmlToColor(value) : row.DefaultColor;
            v.FocusGuarded = false;
            break;
        }
        case ReaderKind::Mirror: {
            const TControlValue* source = out_.Find(row.Attribute);
            const base::TColor color = source != nullptr ? source->Color : 0;
            TControlValue& v = Add(row);
            v.Color = color;
            v.FocusGuarded = false;
            break;
        }
        default:
            break;
        }
    }

    TControlValue& Rule(const char* control, ReaderKind kind) {
        TControlRow row{control, "", kind, 0, 0, 0, "", {}};
        TControlValue& v = Add(row);
        v.FocusGuarded = false;
        return v;
    }

private:
    const editor::TTagParameters& params_;
    TInspectorRead& out_;
};

void ReadHeading(std::string_view n, Reader& reader) {
    const int digit = n[1] - '0';
    const int position = 7 - digit;
    reader.Rule("SizeBar", ReaderKind::Bar).Index = position;
    TControlValue& preview = reader.Rule("HPreview", ReaderKind::Label);
    preview.Text = std::string(1, n[1]);
    preview.FontSize = 2 * position + 6;
}

void ReadLink(Reader& reader, const TInspectorContext& context, TInspectorRead& out) {
    std::string value;
    int type = 0;
    std::string ref;
    if (reader.Value("HREF", value)) {
        ref = value;
    } else if (reader.Value("NAME", value)) {
        type = 1;
        ref = value;
    } else {
        // Selecting "HREF" runs the link-type writer, which acts only while the combo box still
        // holds an address from an earlier tag.
        ref = context.RefComboText;
        if (!context.RefComboText.empty()) {
            out.Writes.push_back({"HREF", "http://"});
            ref = "http://";
        }
    }
    reader.Rule("AType", ReaderKind::Enumerated).Index = type;
    TControlValue& combo = reader.Rule("RefCombo", ReaderKind::Combo);
    combo.Text = ValueToField(ref);
    combo.FocusGuarded = true;
}

} // namespace

const TControlValue* TInspectorRead::Find(std::string_view control) const {
    for (const TControlValue& v : Values) {
        if (v.Control == control) {
            return &v;
        }
    }
    return nullptr;
}

int EnumIndex(std::string_view value, bool present, int kind, int defaultIndex, int itemCount) {
    int index = defaultIndex;
    if (present) {
        const std::string compared = kind == 5 ? std::string(value) : base::AsciiCase(value, true);
        const auto& values = EnumValues(kind);
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (compared == values[i]) {
                index = static_cast<int>(i);
                break;
            }
        }
    }
    return itemCount > 0 ? std::min(index, itemCount - 1) : index;
}

TInspectorRead ReadTag(std::string_view tagText, const TInspectorContext& context) {
    TInspectorRead out;
    std::string name;
    editor::Position nameOffset = 0;
    editor::TTagParameters params;
    editor::ParseTag(tagText, name, nameOffset, params);
    if (name.empty()) {
        out.Panel = kButtonPanel;
        return out;
    }
    const std::string n = base::AsciiCase(name, true);
    out.UpperName = n;
    Reader reader(params, out);
    const TPanelRow* panel = nullptr;
    if (!context.StylesDown) {
        const int textType = TextTypeIndex(n);
        if (textType >= 0) {
            out.Panel = "ChangePanel";
            TControlValue& v = reader.Rule("TTCB", ReaderKind::Combo);
            v.Index = textType;
            v.Text = TextTypes()[static_cast<std::size_t>(textType)];
            return out;
        }
        panel = PanelForTag(n);
    }
    if (panel == nullptr) {
        out.Panel = n == "!--" ? kButtonPanel : "ClassPanel";
        if (n != "!--") {
            for (const TControlRow& row : FindPanel("ClassPanel")->Controls) {
                reader.Fill(row);
            }
        }
        return out;
    }
    const std::string_view p = panel->Panel;
    if (context.ComboWriteFlag &&
        (p == "APanel" || p == "IMGPanel" || p == "AreaPanel" || p == "FPanel")) {
        return out; // the combo box being typed in is not refilled
    }
    out.Panel = panel->Panel;
    if (p == "HeadingPanel") {
        ReadHeading(n, reader);
    } else if (p == "FontPanel") {
        reader.Rule("FLabel", ReaderKind::Label).Text = n;
    } else if (p == "MapPanel") {
        std::string value;
        reader.Value("NAME", value);
        reader.Rule("MNAme", ReaderKind::Label).Text = value;
    }
    for (const TControlRow& row : panel->Controls) {
        if (p == "FontPanel" && std::string_view(row.Control) == "FontColor") {
            TControlRow withDefault = row;
            withDefault.DefaultColor = context.TextColor;
            reader.Fill(withDefault);
        } else {
            reader.Fill(row);
        }
    }
    if (p == "APanel") {
        ReadLink(reader, context, out);
    } else if (p == "InputPanel") {
        std::string type;
        reader.Value("TYPE", type);
        const TInputEnabling e = InputEnabling(type);
        for (TControlValue& v : out.Values) {
            if (v.Control == "CheckCH") {
                v.Enabled = e.Check;
            } else if (v.Control == "ReadOnlyCH" || v.Control == "MaxLEdit") {
                v.Enabled = e.ReadOnly;
            } else if (v.Control == "SrcEdit") {
                v.Enabled = e.Src;
            }
        }
    }
    return out;
}

TInputEnabling InputEnabling(std::string_view type) {
    const std::string t = base::AsciiCase(type, true);
    TInputEnabling e;
    e.Check = t == "RADIO" || t == "CHECKBOX";
    e.ReadOnly = t == "TEXT" || t == "PASSWORD";
    e.Src = t == "IMAGE";
    return e;
}

std::vector<TAttributeWrite> AutoDimensions(std::string_view widthText, std::string_view heightText,
                                            int width, int height) {
    std::vector<TAttributeWrite> writes;
    const std::string w = std::to_string(width);
    const std::string h = std::to_string(height);
    if (widthText.empty() || widthText != w) {
        writes.push_back({"WIDTH", w});
    }
    if (heightText.empty() || heightText != h) {
        writes.push_back({"HEIGHT", h});
    }
    return writes;
}

std::string MapPicture(std::string_view mapName, const std::vector<TMapPair>& pairs) {
    const std::string key = "#" + std::string(mapName);
    std::string src;
    for (const TMapPair& pair : pairs) {
        if (pair.Name == key) {
            src = pair.Src;
        }
    }
    return src;
}

std::string AreaMapName(std::string_view alt, const std::vector<TAreaMap>& areas) {
    std::string map;
    for (const TAreaMap& area : areas) {
        if (area.Alt == alt) {
            map = !area.Map.empty() && area.Map.front() == '#' ? area.Map.substr(1) : area.Map;
        }
    }
    return map;
}

} // namespace zn::tags
