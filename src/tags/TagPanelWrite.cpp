// The Tag Inspector's writers' table and the common writers.
#include "tags/TagPanelWrite.h"

#include "base/HtmlColor.h"
#include "base/TextCase.h"

namespace zn::tags {
namespace {

using W = WriterKind;

TWriterRow E(const char* control, const char* attribute) {
    return {control, W::Edit, attribute};
}
TWriterRow K(const char* control, const char* attribute) {
    return {control, W::Combo, attribute};
}
TWriterRow C(const char* control, const char* attribute) {
    return {control, W::Check, attribute};
}
TWriterRow R(const char* control, const char* attribute, int kind, int none) {
    return {control, W::Enumerated, attribute, kind, none};
}
TWriterRow P(const char* control, const char* attribute, const char* pair = "") {
    return {control, W::Color, attribute, 0, 0, pair};
}
TWriterRow B(const char* control, WriterKind kind, const char* field,
             BrowseKind browse = BrowseKind::General) {
    return {control, kind, "", 0, 0, field, "", browse};
}

/// The four colours of a table, row or cell; the 3D panels come in pairs taking one colour.
void AddFourColours(std::vector<TWriterRow>& rows, const char* bg, const char* b1, const char* b2,
                    const char* l1, const char* l2, const char* d1, const char* d2) {
    rows.insert(rows.end(), {P(bg, "BGCOLOR"), P(b1, "BORDERCOLOR", b2), P(b2, "BORDERCOLOR", b1),
                             P(l1, "BORDERCOLORLIGHT", l2), P(l2, "BORDERCOLORLIGHT", l1),
                             P(d1, "BORDERCOLORDARK", d2), P(d2, "BORDERCOLORDARK", d1)});
}

/// The picture buttons of a field: browse, reload, view and edit.
void AddPictureButtons(std::vector<TWriterRow>& rows, const char* field, const char* browse,
                       const char* reload, const char* view, const char* edit) {
    rows.insert(rows.end(),
                {B(browse, W::Browse, field, BrowseKind::Picture), B(reload, W::Reload, field),
                 B(view, W::View, field), B(edit, W::EditPicture, field)});
}

std::vector<TWriterRow> BuildWriters() {
    std::vector<TWriterRow> rows{// ClassPanel
                                 E("IDEdit", "ID"),
                                 K("ClassCombo", "CLASS"),
                                 E("TitleEdit", "TITLE"),
                                 E("StyleEdit", "STYLE"),
                                 B("SpeedButton12", W::StyleEditor, "StyleEdit"),
                                 // HeadingPanel
                                 R("Align", "ALIGN", 3, 0),
                                 {"SizeBar", W::HeadingSize},
                                 // LinePanel
                                 E("LineSize", "SIZE"),
                                 E("LineWidth", "WIDTH"),
                                 R("LineAlign", "ALIGN", 1, 0),
                                 C("Noshade", "NOSHADE"),
                                 P("HRColorPanel", "COLOR"),
                                 // InputPanel
                                 K("InputTypeCB", "TYPE"),
                                 E("NameEdit", "NAME"),
                                 E("ValueEdit", "VALUE"),
                                 E("SizeEdit", "SIZE"),
                                 E("MaxLEdit", "MAXLENGTH"),
                                 E("SrcEdit", "SRC"),
                                 E("AltEdit", "ALT"),
                                 C("CheckCH", "CHECKED"),
                                 C("DisabledCH", "DISABLED"),
                                 C("ReadOnlyCH", "READONLY"),
                                 // PPanel
                                 R("PAlign", "ALIGN", 3, 0),
                                 C("NoWrapChb", "NOWRAP"),
                                 // FontPanel
                                 E("Size", "SIZE"),
                                 E("FaceCombo", "FACE"),
                                 P("FontColor", "COLOR"),
                                 B("FontSelect", W::Fonts, "FaceCombo"),
                                 // BreakPanel
                                 R("BreakClear", "CLEAR", 2, 0),
                                 // TRPanel
                                 E("TRAlignCB", "ALIGN"),
                                 E("TRVAlignCB", "VALIGN"),
                                 // TAPanel
                                 E("TAROWS", "ROWS"),
                                 E("TACOLS", "COLS"),
                                 E("TANAME", "NAME"),
                                 E("TATabIndex", "TABINDEX"),
                                 E("TAAccessKey", "ACCESSKEY"),
                                 C("TAROch", "READONLY"),
                                 // APanel
                                 {"AType", W::LinkType},
                                 {"RefCombo", W::Link},
                                 K("RefTarget", "TARGET"),
                                 B("RefBrowse", W::Browse, "RefCombo"),
                                 // TDPanel
                                 E("TDAlignCB", "ALIGN"),
                                 E("TDVAlignCB", "VALIGN"),
                                 E("TDWidth", "WIDTH"),
                                 E("TDHeight", "HEIGHT"),
                                 E("TDCSp", "COLSPAN"),
                                 E("TDRSp", "ROWSPAN"),
                                 C("TDNw", "NOWRAP"),
                                 // THPanel
                                 E("THAlignCB", "ALIGN"),
                                 E("THVAlignCB", "VALIGN"),
                                 E("THWidth", "WIDTH"),
                                 E("THHeight", "HEIGHT"),
                                 E("THCSp", "COLSPAN"),
                                 E("THRSp", "ROWSPAN"),
                                 C("THNw", "NOWRAP"),
                                 // TablePanel
                                 E("TBorder", "BORDER"),
                                 E("TWidth", "WIDTH"),
                                 E("Cspacing", "CELLSPACING"),
                                 E("CPadding", "CELLPADDING"),
                                 R("TAlignRG", "ALIGN", 3, 0),
                                 E("colspec", "COLSPEC"),
                                 K("units", "UNITS"),
                                 K("FrameCB", "FRAME"),
                                 K("RulesCB", "RULES"),
                                 C("TNoWrap", "NOWRAP"),
                                 C("NoFlow", "NOFLOW"),
                                 // FSPanel
                                 E("rows", "ROWS"),
                                 E("cols", "COLS"),
                                 E("border", "BORDER"),
                                 // CaptPanel
                                 R("Caption", "ALIGN", 7, 255),
                                 // ChangePanel
                                 {"TTCB", W::TextType},
                                 {"DeleteSB", W::Delete},
                                 // FormPanel
                                 E("ActionEdit", "ACTION"),
                                 E("EncTypeEdit", "ENCTYPE"),
                                 E("AcceptEdit", "ACCEPT-CHARSET"),
                                 E("FTarget", "TARGET"),
                                 K("MethodCB", "METHOD"),
                                 // FPanel
                                 K("FSrc", "SRC"),
                                 E("FName", "NAME"),
                                 E("MWidth", "MARGINWIDTH"),
                                 E("MHeight", "MARGINHEIGHT"),
                                 R("Scrolling", "SCROLLING", 6, 255),
                                 C("NoResize", "NORESIZE"),
                                 B("FSrcBrowse", W::Browse, "FSrc"),
                                 // BGSPanel
                                 E("SndSrc", "SRC"),
                                 E("Rep", "LOOP"),
                                 E("Dela", "DELAY"),
                                 {"InfiniteSB", W::Fixed, "LOOP", 0, 0, "", "infinite"},
                                 B("SndBrowse", W::Browse, "SndSrc", BrowseKind::Sound),
                                 // IMGPanel
                                 E("IMGSRC", "SRC"),
                                 E("IMGAlt", "ALT"),
                                 E("IMGBorder", "BORDER"),
                                 E("IMGWidth", "WIDTH"),
                                 E("IMGHeight", "HEIGHT"),
                                 E("IMGHSpace", "HSPACE"),
                                 E("IMGVSpace", "VSPACE"),
                                 E("AlignCombo", "ALIGN"),
                                 E("usemapCB", "USEMAP"),
                                 C("ISMAP", "ISMAP"),
                                 // BodyPanel
                                 E("BGPicture", "BACKGROUND"),
                                 E("TopMargin", "TOPMARGIN"),
                                 E("LeftMargin", "LEFTMARGIN"),
                                 P("BackGround", "BGCOLOR"),
                                 P("TextL", "TEXT"),
                                 P("LinkL", "LINK"),
                                 P("AlinkL", "ALINK"),
                                 P("VlinkL", "VLINK"),
                                 // OLPanel
                                 R("Type2RG", "TYPE", 5, 0),
                                 E("OLStart", "START"),
                                 C("Continue", "CONTINUE"),
                                 C("Compact", "COMPACT"),
                                 // ULPanel
                                 R("TypeRg", "TYPE", 4, 0),
                                 C("Compact1", "COMPACT"),
                                 // AreaPanel
                                 E("AreaName", "ALT"),
                                 K("AHRCB", "HREF"),
                                 C("AreaNoHref", "NOHREF"),
                                 E("AreaAK", "ACCESSKEY"),
                                 E("AreaTI", "TABINDEX"),
                                 E("AreaTarget", "TARGET")};
    AddFourColours(rows, "RPanel", "RB1Panel", "RB2Panel", "RL1Panel", "RL2Panel", "RD1Panel",
                   "RD2Panel");
    AddFourColours(rows, "DPanel", "DB1Panel", "DB2Panel", "DL1Panel", "DL2Panel", "DD1Panel",
                   "DD2Panel");
    AddFourColours(rows, "HPanel", "HB1Panel", "HB2Panel", "HL1Panel", "HL2Panel", "HD1Panel",
                   "HD2Panel");
    AddFourColours(rows, "DTPanel", "B1Panel", "B2Panel", "L1Panel", "L2Panel", "D1Panel",
                   "D2Panel");
    AddPictureButtons(rows, "IMGSRC", "IMGBrowse", "RefreshSB", "IMGView", "IMGEditSB");
    AddPictureButtons(rows, "BGPicture", "BGBrowse", "BGRefresh", "BGView", "BGEditSB");
    AddPictureButtons(rows, "SrcEdit", "InputBrowse", "InputRefresh", "InputView", "InputEditSB");
    rows.push_back(B("FillXYSB", W::Dimensions, "IMGWidth"));
    return rows;
}

/// Sets the attribute to a non-empty value, removes it for an empty one.
void SetOrRemove(editor::THTMLRichEdit& edit, std::string_view attribute, std::string_view text,
                 bool upper) {
    if (text.empty()) {
        edit.RemoveAttribute(attribute, true);
    } else {
        edit.SetAttribute(attribute, FieldToValue(text), upper, true);
    }
}

/// Sets a flag for the lifetime of the object (the combo write flag).
class FlagSetter {
public:
    explicit FlagSetter(bool* flag) : flag_(flag) {
        if (flag_ != nullptr) {
            *flag_ = true;
        }
    }
    ~FlagSetter() {
        if (flag_ != nullptr) {
            *flag_ = false;
        }
    }
    FlagSetter(const FlagSetter&) = delete;
    FlagSetter& operator=(const FlagSetter&) = delete;

private:
    bool* flag_;
};

void WriteLinkType(editor::THTMLRichEdit& edit, TWriteContext& context, int type) {
    const char* wanted = type == 0 ? "HREF" : "NAME";
    const char* other = type == 0 ? "NAME" : "HREF";
    std::string former;
    if (edit.GetAttributeValue(other, former)) {
        edit.RemoveAttribute(other);
        edit.SetAttribute(wanted, former, context.UpperCaseTags);
    } else if (type == 0) {
        edit.SetAttribute(wanted, "http://", context.UpperCaseTags);
        context.NewRefComboText = "http://";
    } else {
        edit.SetAttribute(wanted, "", context.UpperCaseTags);
    }
}

void Rename(editor::THTMLRichEdit& edit, std::string_view name, bool upper) {
    edit.RenameTagPair(edit.Model().SelStart(), name, upper);
    edit.UpdateCurrentTag();
}

} // namespace

const std::vector<TWriterRow>& InspectorWriters() {
    static const std::vector<TWriterRow> rows = BuildWriters();
    return rows;
}

const TWriterRow* FindWriter(std::string_view control) {
    for (const TWriterRow& row : InspectorWriters()) {
        if (control == row.Control) {
            return &row;
        }
    }
    return nullptr;
}

std::string FieldToValue(std::string_view text) {
    std::string value;
    value.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '"':
            value += "&quot;";
            break;
        case '<':
            value += "&lt;";
            break;
        case '>':
            value += "&gt;";
            break;
        default:
            value += c;
        }
    }
    return value;
}

std::string ValueToField(std::string_view value) {
    static constexpr std::pair<std::string_view, char> kReferences[]{
        {"&quot;", '"'}, {"&lt;", '<'}, {"&gt;", '>'}};
    std::string text;
    text.reserve(value.size());
    for (std::size_t i = 0; i < value.size();) {
        bool replaced = false;
        for (const auto& [reference, c] : kReferences) {
            if (value.compare(i, reference.size(), reference) == 0) {
                text += c;
                i += reference.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            text += value[i++];
        }
    }
    return text;
}

std::string HeadingName(int position) {
    return "H" + std::string(1, static_cast<char>('0' + 7 - position));
}

bool WriteControl(const TWriterRow& row, const TControlValue& value, TWriteContext& context) {
    editor::THTMLRichEdit* edit = context.Edit;
    if (edit == nullptr || context.WriteGuard) {
        return false;
    }
    const bool upper = context.UpperCaseTags;
    switch (row.Kind) {
    case W::Edit:
        SetOrRemove(*edit, row.Attribute, value.Text, upper);
        return true;
    case W::Combo: {
        FlagSetter flag(context.ComboWriteFlag);
        SetOrRemove(*edit, row.Attribute, value.Text, upper);
        return true;
    }
    case W::Check:
        if (value.Checked) {
            edit->SetAttribute(row.Attribute, "", upper);
        } else {
            edit->RemoveAttribute(row.Attribute);
            edit->UpdateCurrentTag();
        }
        return true;
    case W::Enumerated: {
        const auto& values = EnumValues(row.EnumKind);
        if (value.Index == row.NoneIndex || value.Index < 0 ||
            value.Index >= static_cast<int>(values.size())) {
            edit->RemoveAttribute(row.Attribute);
            edit->UpdateCurrentTag();
            return true;
        }
        const char* v = values[static_cast<std::size_t>(value.Index)];
        edit->SetAttribute(row.Attribute,
                           row.EnumKind == 5 ? std::string(v) : base::TagCase(v, upper), upper);
        return true;
    }
    case W::Color:
        edit->SetAttribute(row.Attribute, base::ColorToHtml(value.Color), upper);
        return true;
    case W::HeadingSize:
        if (value.Index < 1 || value.Index > 6) {
            return false;
        }
        Rename(*edit, HeadingName(value.Index), upper);
        return true;
    case W::TextType:
        if (value.Text.empty()) {
            return false;
        }
        Rename(*edit, value.Text, upper);
        return true;
    case W::LinkType: {
        if (context.RefComboText.empty()) {
            return false;
        }
        FlagSetter flag(context.ComboWriteFlag);
        WriteLinkType(*edit, context, value.Index);
        return true;
    }
    case W::Link: {
        FlagSetter flag(context.ComboWriteFlag);
        SetOrRemove(*edit, context.LinkType == 0 ? "HREF" : "NAME", value.Text, upper);
        return true;
    }
    case W::Fixed:
        if (row.Value[0] == '\0') {
            return false;
        }
        edit->SetAttribute(row.Attribute, row.Value, upper);
        return true;
    case W::Delete:
        edit->RemoveTagPair(edit->Model().SelStart());
        return true;
    default:
        return false;
    }
}

} // namespace zn::tags
