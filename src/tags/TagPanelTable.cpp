// The Tag Inspector's panel table: panels, their tags and their controls.
#include "tags/TagPanelTable.h"

namespace zn::tags {
namespace {

using K = ReaderKind;
using base::RGBColor;

constexpr base::TColor kSilver = RGBColor(0xC0, 0xC0, 0xC0);
constexpr base::TColor kWhite = RGBColor(0xFF, 0xFF, 0xFF);
constexpr base::TColor kGray = RGBColor(0x80, 0x80, 0x80);
constexpr base::TColor kBlack = RGBColor(0, 0, 0);
constexpr base::TColor kBlue = RGBColor(0, 0, 0xFF);
constexpr base::TColor kRed = RGBColor(0xFF, 0, 0);
constexpr base::TColor kMagenta = RGBColor(0xFF, 0, 0xFF);

TControlRow E(const char* control, const char* attribute, const char* caption) {
    return {control, attribute, K::Edit, 0, 0, 0, caption, {}};
}
TControlRow C(const char* control, const char* attribute, const char* caption) {
    return {control, attribute, K::Check, 0, 0, 0, caption, {}};
}
TControlRow Kb(const char* control, const char* attribute, const char* caption,
               std::vector<const char*> items = {}) {
    return {control, attribute, K::Combo, 0, 0, 0, caption, std::move(items)};
}
TControlRow R(const char* control, const char* attribute, int kind, int defaultIndex,
              const char* caption, std::vector<const char*> captions) {
    return {control, attribute, K::Enumerated, kind, defaultIndex, 0, caption, std::move(captions)};
}
TControlRow P(const char* control, const char* attribute, base::TColor color, const char* caption) {
    return {control, attribute, K::Color, 0, 0, color, caption, {}};
}
TControlRow L(const char* control, const char* attribute, base::TColor color, const char* caption) {
    return {control, attribute, K::LabelColor, 0, 0, color, caption, {}};
}
TControlRow M(const char* control, const char* source) {
    return {control, source, K::Mirror, 0, 0, 0, "", {}};
}
TControlRow Rule(const char* control, ReaderKind kind, const char* caption = "") {
    return {control, "", kind, 0, 0, 0, caption, {}};
}

const std::vector<const char*> kCellAlign{"Left", "Center", "Right"};
const std::vector<const char*> kCellVAlign{"Top", "Middle", "Bottom", "BaseLine"};

/// The four colours of a table, row or cell and the three mirrored 3D panels.
void AddFourColours(std::vector<TControlRow>& rows, const char* bg, const char* b1, const char* l1,
                    const char* d1, const char* b2, const char* d2, const char* l2) {
    rows.push_back(P(bg, "BGCOLOR", kSilver, "Pozadí"));
    rows.push_back(P(b1, "BORDERCOLOR", kSilver, "Okraj"));
    rows.push_back(P(l1, "BORDERCOLORLIGHT", kWhite, "Světlý"));
    rows.push_back(P(d1, "BORDERCOLORDARK", kGray, "Tmavý"));
    rows.push_back(M(b2, b1));
    rows.push_back(M(d2, d1));
    rows.push_back(M(l2, l1));
}

std::vector<TPanelRow> BuildPanels() {
    std::vector<TPanelRow> panels;
    panels.push_back({"HeadingPanel",
                      "Nadpis",
                      {"H1", "H2", "H3", "H4", "H5", "H6"},
                      {Rule("SizeBar", K::Bar, "Velikost"), Rule("HPreview", K::Label),
                       R("Align", "ALIGN", 3, 0, "Zarovnání",
                         {"vůbec", "vlevo", "střed", "vpravo", "rozložit"})}});
    panels.push_back(
        {"InputPanel",
         "Input",
         {"INPUT"},
         {Kb("InputTypeCB", "TYPE", "TYPE",
             {"TEXT", "PASSWORD", "CHECKBOX", "RADIO", "SUBMIT", "RESET", "FILE", "HIDDEN", "IMAGE",
              "BUTTON"}),
          E("NameEdit", "NAME", "NAME"), E("ValueEdit", "VALUE", "VALUE"),
          E("SrcEdit", "SRC", "SRC"), E("AltEdit", "ALT", "ALT"), E("SizeEdit", "SIZE", "SIZE"),
          E("MaxLEdit", "MAXLENGTH", "MAXLENGTH"), C("CheckCH", "CHECKED", "Checked"),
          C("DisabledCH", "DISABLED", "Disabled"), C("ReadOnlyCH", "READONLY", "ReadOnly"),
          Rule("InputBrowse", K::Button, "..."), Rule("InputRefresh", K::Button, "Znovu načíst"),
          Rule("InputView", K::Button, "Prohlédnout"), Rule("InputEditSB", K::Button, "Editovat"),
          Rule("InputImage", K::Picture)}});
    panels.push_back(
        {"FormPanel",
         "Formulář",
         {"FORM"},
         {E("ActionEdit", "ACTION", "ACTION"), E("EncTypeEdit", "ENCTYPE", "ENCTYPE"),
          E("AcceptEdit", "ACCEPT-CHARSET", "ACCEPT-CHARSET"), E("FTarget", "TARGET", "TARGET"),
          Kb("MethodCB", "METHOD", "METHOD", {"GET", "POST"})}});
    panels.push_back(
        {"BreakPanel",
         "Break",
         {"BR"},
         {R("BreakClear", "CLEAR", 2, 0, "Clear", {"nic", "vše", "vlevo", "vpravo"})}});
    panels.push_back(
        {"LinePanel",
         "Vodorovná čára",
         {"HR"},
         {E("LineSize", "SIZE", "SIZE"), E("LineWidth", "WIDTH", "WIDTH"),
          R("LineAlign", "ALIGN", 1, 0, "Zarovnání", {"nic", "vlevo", "střed", "vpravo"}),
          C("Noshade", "NOSHADE", "NoShade"), P("HRColorPanel", "COLOR", kGray, "Barva")}});
    panels.push_back(
        {"TAPanel",
         "TextArea",
         {"TEXTAREA"},
         {E("TAROWS", "ROWS", "ROWS"), E("TACOLS", "COLS", "COLS"), E("TANAME", "NAME", "NAME"),
          E("TATabIndex", "TABINDEX", "TABINDEX"), E("TAAccessKey", "ACCESSKEY", "ACCESSKEY"),
          C("TAROch", "READONLY", "ReadOnly")}});
    panels.push_back({"PPanel",
                      "Odstavec",
                      {"P"},
                      {R("PAlign", "ALIGN", 3, 0, "Zarovnání",
                         {"žádné", "vlevo", "střed", "vpravo", "rozložit"}),
                       C("NoWrapChb", "NOWRAP", "NoWrap")}});
    panels.push_back({"APanel",
                      "Odkaz",
                      {"A"},
                      {{"AType", "", K::Enumerated, 0, 0, 0, "Typ", {"HREF", "NAME"}},
                       Rule("RefCombo", K::Combo, "Odkaz"),
                       Kb("RefTarget", "TARGET", "TARGET", {"_top", "_parent", "_self", "_blank"}),
                       Rule("RefBrowse", K::Button, "...")}});
    panels.push_back(
        {"IMGPanel",
         "Obrázek",
         {"IMG", "IMAGE"},
         {E("IMGAlt", "ALT", "ALT"), E("IMGSRC", "SRC", "SRC"), Kb("usemapCB", "USEMAP", "USEMAP"),
          E("IMGWidth", "WIDTH", "WIDTH"), E("IMGHeight", "HEIGHT", "HEIGHT"),
          E("IMGBorder", "BORDER", "BORDER"), E("IMGHSpace", "HSPACE", "HSPACE"),
          E("IMGVSpace", "VSPACE", "VSPACE"),
          Kb("AlignCombo", "ALIGN", "ALIGN",
             {"left", "right", "top", "texttop", "middle", "absmiddle", "baseline", "bottom",
              "absbottom"}),
          C("ISMAP", "ISMAP", "ISMAP"), Rule("IMGBrowse", K::Button, "..."),
          Rule("FillXYSB", K::Button, "Vložit rozměry"),
          Rule("RefreshSB", K::Button, "Znovu načíst"), Rule("IMGView", K::Button, "Prohlédnout"),
          Rule("IMGEditSB", K::Button, "Editovat"), Rule("IMGImage", K::Picture)}});
    panels.push_back(
        {"BodyPanel",
         "BODY",
         {"BODY"},
         {E("BGPicture", "BACKGROUND", "BACKGROUND"), E("TopMargin", "TOPMARGIN", "TOPMARGIN"),
          E("LeftMargin", "LEFTMARGIN", "LEFTMARGIN"),
          P("BackGround", "BGCOLOR", kSilver, "Pozadí"), L("TextL", "TEXT", kBlack, "Text"),
          L("LinkL", "LINK", kBlue, "Link"), L("AlinkL", "ALINK", kRed, "ALink"),
          L("VlinkL", "VLINK", kMagenta, "VLink"), Rule("BGBrowse", K::Button, "..."),
          Rule("BGRefresh", K::Button, "Znovu načíst"), Rule("BGView", K::Button, "Prohlédnout"),
          Rule("BGEditSB", K::Button, "Editovat"), Rule("BGImage", K::Picture)}});
    panels.push_back(
        {"FontPanel",
         "Font",
         {"FONT", "BASEFONT"},
         {Rule("FLabel", K::Label), E("Size", "SIZE", "SIZE"), Kb("FaceCombo", "FACE", "FACE"),
          Rule("FontSelect", K::Button, "Vybrat"), P("FontColor", "COLOR", kBlack, "Barva")}});
    panels.push_back({"ULPanel",
                      "Netříděný seznam",
                      {"UL"},
                      {R("TypeRg", "TYPE", 4, 0, "Typ", {"default", "disk", "kruh", "čtverec"}),
                       C("Compact1", "COMPACT", "Compact")}});
    panels.push_back({"OLPanel",
                      "Tříděný seznam",
                      {"OL"},
                      {R("Type2RG", "TYPE", 5, 0, "Typ",
                         {"1,2,3,...", "A,B,C,...", "a,b,c,...", "I,II,III,...", "i,ii,iii,..."}),
                       E("OLStart", "START", "START"), C("Continue", "CONTINUE", "Continue"),
                       C("Compact", "COMPACT", "Compact")}});
    {
        TPanelRow table{
            "TablePanel",
            "Tabulka",
            {"TABLE"},
            {E("TBorder", "BORDER", "BORDER"), E("TWidth", "WIDTH", "WIDTH"),
             E("Cspacing", "CELLSPACING", "CELLSPACING"),
             E("CPadding", "CELLPADDING", "CELLPADDING"),
             R("TAlignRG", "ALIGN", 3, 0, "Zarovnání", {"žádné", "vlevo", "střed", "vpravo"}),
             E("colspec", "COLSPEC", "COLSPEC"), C("TNoWrap", "NOWRAP", "NoWrap"),
             C("NoFlow", "NOFLOW", "NoFlow"),
             Kb("units", "UNITS", "UNITS", {"ex", "relative", "pixels"}),
             Kb("FrameCB", "FRAME", "FRAME",
                {"void", "above", "below", "hsides", "lhs", "rhs", "vsides", "box", "border"}),
             Kb("RulesCB", "RULES", "RULES", {"none", "groups", "rows", "cols", "all"})}};
        AddFourColours(table.Controls, "DTPanel", "B1Panel", "L1Panel", "D1Panel", "B2Panel",
                       "D2Panel", "L2Panel");
        panels.push_back(std::move(table));
    }
    {
        TPanelRow row{"TRPanel",
                      "Řádka tabulky",
                      {"TR"},
                      {Kb("TRAlignCB", "ALIGN", "ALIGN", kCellAlign),
                       Kb("TRVAlignCB", "VALIGN", "VALIGN", kCellVAlign)}};
        AddFourColours(row.Controls, "RPanel", "RB1Panel", "RL1Panel", "RD1Panel", "RB2Panel",
                       "RD2Panel", "RL2Panel");
        panels.push_back(std::move(row));
    }
    {
        TPanelRow cell{"TDPanel",
                       "Buňka tabulky",
                       {"TD"},
                       {E("TDWidth", "WIDTH", "WIDTH"), E("TDHeight", "HEIGHT", "HEIGHT"),
                        E("TDCSp", "COLSPAN", "COLSPAN"), E("TDRSp", "ROWSPAN", "ROWSPAN"),
                        C("TDNw", "NOWRAP", "NoWrap"),
                        Kb("TDAlignCB", "ALIGN", "ALIGN", kCellAlign),
                        Kb("TDVAlignCB", "VALIGN", "VALIGN", kCellVAlign)}};
        AddFourColours(cell.Controls, "DPanel", "DB1Panel", "DL1Panel", "DD1Panel", "DB2Panel",
                       "DD2Panel", "DL2Panel");
        panels.push_back(std::move(cell));
    }
    {
        TPanelRow head{"THPanel",
                       "Hlavička tabulky",
                       {"TH"},
                       {E("THWidth", "WIDTH", "WIDTH"), E("THHeight", "HEIGHT", "HEIGHT"),
                        E("THCSp", "COLSPAN", "COLSPAN"), E("THRSp", "ROWSPAN", "ROWSPAN"),
                        C("THNw", "NOWRAP", "NoWrap"),
                        Kb("THAlignCB", "ALIGN", "ALIGN", kCellAlign),
                        Kb("THVAlignCB", "VALIGN", "VALIGN", kCellVAlign)}};
        AddFourColours(head.Controls, "HPanel", "HB1Panel", "HL1Panel", "HD1Panel", "HB2Panel",
                       "HD2Panel", "HL2Panel");
        panels.push_back(std::move(head));
    }
    panels.push_back(
        {"BGSPanel",
         "BGSound",
         {"BGSOUND"},
         {E("SndSrc", "SRC", "SRC"), E("Rep", "LOOP", "LOOP"), E("Dela", "DELAY", "DELAY"),
          Rule("SndBrowse", K::Button, "..."), Rule("InfiniteSB", K::Button, "Infinite"),
          Rule("SndMP", K::Button, "Přehrát")}});
    panels.push_back({"MapPanel",
                      "Klikovací Mapa",
                      {"MAP"},
                      {Rule("MNAme", K::Label, "NAME"), Rule("MapImg", K::Picture),
                       Rule("SpeedButton31", K::Button, "Editace")}});
    panels.push_back(
        {"AreaPanel",
         "Klikovací oblast",
         {"AREA"},
         {C("AreaNoHref", "NOHREF", "NoHref"), E("AreaName", "ALT", "ALT"),
          E("AreaTarget", "TARGET", "TARGET"), E("AreaTI", "TABINDEX", "TABINDEX"),
          E("AreaAK", "ACCESSKEY", "ACCESSKEY"), Kb("AHRCB", "HREF", "HREF"),
          Rule("MaName", K::Label, "Mapa"), Rule("SpeedButton32", K::Button, "Editace")}});
    panels.push_back(
        {"FPanel",
         "Rám",
         {"FRAME"},
         {Kb("FSrc", "SRC", "SRC"), E("FName", "NAME", "NAME"),
          E("MWidth", "MARGINWIDTH", "MARGINWIDTH"), E("MHeight", "MARGINHEIGHT", "MARGINHEIGHT"),
          R("Scrolling", "SCROLLING", 6, 2, "Scrolling", {"Yes", "No", "Auto"}),
          C("NoResize", "NORESIZE", "NoResize"), Rule("FSrcBrowse", K::Button, "...")}});
    panels.push_back(
        {"FSPanel",
         "Frameset",
         {"FRAMESET"},
         {E("rows", "ROWS", "ROWS"), E("cols", "COLS", "COLS"), E("border", "BORDER", "BORDER")}});
    panels.push_back(
        {"CaptPanel",
         "Titulek tabulky",
         {"CAPTION"},
         {R("Caption", "ALIGN", 7, 0, "Zarovnání", {"nahoru", "dolů", "vlevo", "vpravo"})}});
    panels.push_back({"ClassPanel",
                      "Atributy",
                      {},
                      {E("IDEdit", "ID", "ID"), Kb("ClassCombo", "CLASS", "CLASS"),
                       E("TitleEdit", "TITLE", "TITLE"), E("StyleEdit", "STYLE", "STYLE"),
                       Rule("SpeedButton12", K::Button, "...")}});
    panels.push_back(
        {"ChangePanel",
         "Typ textu",
         {},
         {Rule("TTCB", K::Combo, "Změna na:"), Rule("DeleteSB", K::Button, "Vymazat")}});
    return panels;
}

} // namespace

const std::vector<TPanelRow>& InspectorPanels() {
    static const std::vector<TPanelRow> panels = BuildPanels();
    return panels;
}

const TPanelRow* FindPanel(std::string_view panel) {
    for (const TPanelRow& row : InspectorPanels()) {
        if (panel == row.Panel) {
            return &row;
        }
    }
    return nullptr;
}

const TPanelRow* PanelForTag(std::string_view upperName) {
    for (const TPanelRow& row : InspectorPanels()) {
        for (const char* tag : row.Tags) {
            if (upperName == tag) {
                return &row;
            }
        }
    }
    return nullptr;
}

const std::vector<const char*>& EnumValues(int kind) {
    static const std::vector<std::vector<const char*>> kinds{
        {},
        {"NONE", "LEFT", "CENTER", "RIGHT"},
        {"NONE", "ALL", "LEFT", "RIGHT"},
        {"NONE", "LEFT", "CENTER", "RIGHT", "JUSTIFY"},
        {"NONE", "DISC", "CIRCLE", "SQUARE"},
        {"1", "A", "a", "I", "i"},
        {"YES", "NO", "AUTO"},
        {"TOP", "BOTTOM", "LEFT", "RIGHT"},
    };
    return kind >= 1 && kind <= 7 ? kinds[static_cast<std::size_t>(kind)] : kinds[0];
}

const std::vector<const char*>& TextTypes() {
    static const std::vector<const char*> items{
        "A",      "Acronym", "Address", "B",   "Banner",  "Big", "Blink", "BlockQuote", "BQ",
        "Cite",   "Code",    "DL",      "Em",  "Font",    "H1",  "H2",    "H3",         "H4",
        "H5",     "H6",      "I",       "Kbd", "Listing", "OL",  "Pre",   "Samp",       "Small",
        "Strike", "Strong",  "Sub",     "Sup", "U",       "UL",  "Xmp"};
    return items;
}

} // namespace zn::tags
