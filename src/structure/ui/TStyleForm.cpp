// The rule editor's pages and the binding of its controls to the core's rule reader and writer.
#include "structure/ui/TStyleForm.h"

#include "base/Cp1250.h"
#include "base/HtmlColor.h"
#include "structure/ui/StyleColorPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zn::structure::ui {
namespace {

using Items = std::vector<const char*>;

QString FromBytes(const std::string& text) {
    return QString::fromStdString(base::Cp1250ToUtf8(text));
}
std::string ToBytes(const QString& text) {
    return base::Utf8ToCp1250(text.toStdString());
}

const Items kSizes{"9",     "10",      "12",       "14",      "16",    "18",
                   "24",    "36",      "xx-small", "x-small", "small", "medium",
                   "large", "x-large", "xx-large", "smaller", "larger"};
const Items kNormal{"normal"};
const Items kAuto{"auto"};
const Items kBorderWidths{"thin", "medium", "thick", "auto"};
const Items kLeftRightNone{"left", "right", "none"};
const Items kFilters{
    "Alpha(Opacity=?, FinishOpacity=?, Style=?, StartX=?, StartY=?, FinishX=?, FinishY=?)",
    "BlendTrans(Duration=?)",
    "Blur(Add=?, Direction=?, Strength=?)",
    "Chroma(Color=?)",
    "DropShadow(Color=?, OffX=?, OffY=?, Positive=?)",
    "FlipH()",
    "FlipV()",
    "Glow(Color=?, Strength=?)",
    "Gray()",
    "Invert()",
    "Light()",
    "Mask(Color=?)",
    "RevealTrans(Duration=?, Transition=?)",
    "Shadow(Color=?, Direction=?)",
    "Wave(Add=?, Freq=?, LightStrength=?, Phase=?, Strength=?)",
    "Xray()"};
const Items kCursors{"hand",     "crosshair", "text",      "wait",      "default",
                     "help",     "e-resize",  "ne-resize", "n-resize",  "nw-resize",
                     "w-resize", "sw-resize", "s-resize",  "se-resize", "auto"};

QGridLayout* Group(QBoxLayout* into, const QString& title) {
    auto* box = new QGroupBox(title);
    into->addWidget(box);
    return new QGridLayout(box);
}

} // namespace

TStyleForm::TStyleForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("StyleForm"));
    setWindowTitle(QStringLiteral("Editor Stylů"));
    auto* layout = new QVBoxLayout(this);
    Pages = new QTabWidget(this);
    Pages->setObjectName(QStringLiteral("PageControl1"));
    layout->addWidget(Pages, 1);
    BuildFont();
    BuildBackground();
    BuildBlock();
    BuildBox();
    BuildBorder();
    BuildList();
    BuildPositioning();
    BuildExtensions();
    DroppedL = new QLabel(this);
    DroppedL->setObjectName(QStringLiteral("DroppedL"));
    DroppedL->setWordWrap(false);
    layout->addWidget(DroppedL);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("Button1"));
    buttons->addButton(QStringLiteral("Storno"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ConnectPairs();
    Prepare({});
    resize(600, 480);
}

QWidget* TStyleForm::Page(const QString& caption) {
    auto* page = new QWidget(Pages);
    Pages->addTab(page, caption);
    return page;
}

QComboBox* TStyleForm::Combo(const char* name, const Items& items) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const char* item : items) {
        combo->addItem(QString::fromLatin1(item));
    }
    combo->setCurrentIndex(-1);
    controls_[name] = combo;
    return combo;
}

void TStyleForm::Simple(QGridLayout* grid, const QString& caption, const char* name,
                        const Items& items) {
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(caption), row, 0);
    grid->addWidget(Combo(name, items), row, 1, 1, 2);
}

void TStyleForm::Pair(QGridLayout* grid, const QString& caption, const char* value,
                      const Items& items, const char* units, bool percent) {
    Items unitItems{"px", "pt", "in", "cm", "mm", "pc", "em", "ex"};
    if (percent) {
        unitItems.push_back("%");
    }
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(caption), row, 0);
    if (std::string_view(value) == "Indent") {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Indent"));
        controls_[value] = edit;
        grid->addWidget(edit, row, 1);
    } else {
        grid->addWidget(Combo(value, items), row, 1);
    }
    QComboBox* unitCombo = Combo(units, unitItems);
    unitCombo->setMaximumWidth(70);
    grid->addWidget(unitCombo, row, 2);
}

TStyleColorPanel* TStyleForm::Panel(QGridLayout* grid, const QString& caption, const char* name) {
    auto* panel = new TStyleColorPanel(QString::fromLatin1(name), this);
    controls_[name] = panel;
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(caption), row, 0);
    grid->addWidget(panel, row, 1);
    connect(panel, &TStyleColorPanel::clicked, this, [this, panel] { PickColor(panel); });
    return panel;
}

QLineEdit* TStyleForm::PictureRow(QGridLayout* grid, const QString& caption, const char* edit,
                                  const char* browse, const char* image) {
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(caption), row, 0);
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(edit));
    controls_[edit] = field;
    grid->addWidget(field, row, 1);
    auto* button = new QPushButton(QStringLiteral("..."), this);
    button->setObjectName(QString::fromLatin1(browse));
    button->setMaximumWidth(30);
    grid->addWidget(button, row, 2);
    auto* preview = new QLabel(this);
    preview->setObjectName(QString::fromLatin1(image));
    preview->setFixedSize(96, 96);
    preview->setFrameShape(QFrame::Box);
    preview->setAlignment(Qt::AlignCenter);
    controls_[image] = preview;
    grid->addWidget(preview, row + 1, 1, Qt::AlignLeft);
    connect(button, &QPushButton::clicked, this, [this, field] {
        if (ChooseLink) {
            field->setText(ChooseLink(field->text()));
        }
    });
    connect(field, &QLineEdit::textChanged, this, [this, edit, image] { Preview(edit, image); });
    return field;
}

void TStyleForm::BuildFont() {
    auto* grid = new QGridLayout(Page(QStringLiteral("&Písmo")));
    Simple(grid, QStringLiteral("Písmo:"), "FontCB", {});
    auto* choose = new QPushButton(QStringLiteral("Vybrat"), this);
    choose->setObjectName(QStringLiteral("SpeedButton6"));
    grid->addWidget(choose, grid->rowCount() - 1, 3);
    connect(choose, &QPushButton::clicked, this, [this] { PickFonts(); });
    Pair(grid, QStringLiteral("Velikost:"), "SizeCB", kSizes, "UnitsSizeCB");
    Simple(grid, QStringLiteral("Tloušťka:"), "WeightCB",
           {"normal", "bold", "bolder", "lighter", "100", "200", "300", "400", "500", "600", "700",
            "800", "900"});
    Simple(grid, QStringLiteral("Styl:"), "StyleCB", {"normal", "italic", "oblique"});
    Pair(grid, QStringLiteral("Výška řádku:"), "LineCB", kNormal, "UnitsLineCB");
    Simple(grid, QStringLiteral("Varianta:"), "VariantCB", {"normal", "small-caps"});
    Panel(grid, QStringLiteral("Barva:"), "FontColorPanel");
    Simple(grid, QStringLiteral("Velikost písmen:"), "CaseCB",
           {"capitalize", "uppercase", "lowercase", "none"});
    auto* decoration = new QGroupBox(QStringLiteral("Dekorace"), this);
    auto* boxes = new QHBoxLayout(decoration);
    for (const auto& [name, word] : DecorationBoxes()) {
        auto* box = new QCheckBox(QString::fromLatin1(name), decoration);
        box->setObjectName(QString::fromLatin1(name));
        boxes->addWidget(box);
        controls_[name] = box;
    }
    grid->addWidget(decoration, grid->rowCount(), 0, 1, 4);
    // None excludes the other four.
    connect(As<QCheckBox>("None"), &QCheckBox::clicked, this, [this](bool on) {
        for (const auto& [name, word] : DecorationBoxes()) {
            if (on && std::string_view(name) != "None") {
                As<QCheckBox>(name)->setChecked(false);
            }
        }
    });
    grid->setRowStretch(grid->rowCount(), 1);
}

void TStyleForm::BuildBackground() {
    auto* grid = new QGridLayout(Page(QStringLiteral("Po&zadí")));
    Panel(grid, QStringLiteral("Barva:"), "BkgColorPanel");
    PictureRow(grid, QStringLiteral("Obrázek:"), "IMGEdit", "InputSRCSB", "Img");
    Simple(grid, QStringLiteral("Opakování:"), "RepCB",
           {"no-repeat", "repeat", "repeat-x", "repeat-y"});
    Simple(grid, QStringLiteral("Připojení:"), "AtachCB", {"fixed", "scroll"});
    Pair(grid, QStringLiteral("Vodorovná pozice:"), "HPosCB", {"left", "center", "right"},
         "HPunitsCB");
    Pair(grid, QStringLiteral("Svislá pozice:"), "VPosCB", {"top", "center", "bottom"},
         "VPunitsCB");
    grid->setRowStretch(grid->rowCount(), 1);
}

void TStyleForm::BuildBlock() {
    auto* grid = new QGridLayout(Page(QStringLiteral("&Blok")));
    Pair(grid, QStringLiteral("Mezery mezi slovy:"), "WspacCB", kNormal, "WsunitsCB");
    Pair(grid, QStringLiteral("Mezery mezi písmeny:"), "lspacCB", kNormal, "LsUnitsCB");
    Pair(grid, QStringLiteral("Svislé zarovnání:"), "ValCB",
         {"baseline", "sub", "super", "top", "text-top", "middle", "bottom", "text-bottom"},
         "ValUnitsCB", true);
    Simple(grid, QStringLiteral("Zarovnání textu:"), "AlignCB",
           {"left", "center", "right", "justify"});
    Pair(grid, QStringLiteral("Odsazení:"), "Indent", {}, "IndentUnitsCB", true);
    Simple(grid, QStringLiteral("Bílé znaky:"), "WSCB", {"normal", "pre", "nowrap"});
    grid->setRowStretch(grid->rowCount(), 1);
}

void TStyleForm::BuildBox() {
    auto* page = new QVBoxLayout(Page(QStringLiteral("B&ox")));
    auto* top = new QGridLayout();
    page->addLayout(top);
    Pair(top, QStringLiteral("Šířka:"), "BWidthCB", kNormal, "BWunitsCB");
    Pair(top, QStringLiteral("Výška:"), "BHeightCB", kNormal, "BHunitsCB");
    Simple(top, QStringLiteral("Obtékání:"), "FloatCB", kLeftRightNone);
    Simple(top, QStringLiteral("Zrušit obtékání:"), "ClearCB", kLeftRightNone);
    auto* sides = new QHBoxLayout();
    page->addLayout(sides);
    QGridLayout* padding = Group(sides, QStringLiteral("Vnitřní okraj"));
    Pair(padding, QStringLiteral("Vlevo:"), "BPleftCB", {}, "BPLunitsCB");
    Pair(padding, QStringLiteral("Vpravo:"), "BPrightCB", {}, "BPRunitsCB");
    Pair(padding, QStringLiteral("Nahoře:"), "BPtopCB", {}, "BPTunitsCB");
    Pair(padding, QStringLiteral("Dole:"), "BPbottomCB", {}, "BPBunitsCB");
    QGridLayout* margin = Group(sides, QStringLiteral("Vnější okraj"));
    Pair(margin, QStringLiteral("Vlevo:"), "BMleftCB", {}, "BMLunitsCB");
    Pair(margin, QStringLiteral("Vpravo:"), "BMrightCB", {}, "BMRunitsCB");
    Pair(margin, QStringLiteral("Nahoře:"), "BMtopCB", {}, "BMTunitsCB");
    Pair(margin, QStringLiteral("Dole:"), "BMbottomCB", {}, "BMBunitsCB");
    page->addStretch(1);
}

void TStyleForm::BuildBorder() {
    auto* page = new QVBoxLayout(Page(QStringLiteral("&Okraj")));
    auto* top = new QGridLayout();
    page->addLayout(top);
    Simple(top, QStringLiteral("Styl:"), "MStyle",
           {"none", "dotted", "dashed", "solid", "double", "groove", "ridge", "inset", "outset"});
    auto* sides = new QHBoxLayout();
    page->addLayout(sides);
    QGridLayout* widths = Group(sides, QStringLiteral("Šířka"));
    Pair(widths, QStringLiteral("Vlevo:"), "LMCB", kBorderWidths, "LMunitsCB");
    Pair(widths, QStringLiteral("Vpravo:"), "RMCB", kBorderWidths, "RMunitsCB");
    Pair(widths, QStringLiteral("Nahoře:"), "TMCB", kBorderWidths, "TMunitsCB");
    Pair(widths, QStringLiteral("Dole:"), "BMCB", kBorderWidths, "BMunitsCB");
    QGridLayout* colors = Group(sides, QStringLiteral("Barva"));
    const char* captions[] = {"Nahoře:", "Vpravo:", "Dole:", "Vlevo:"};
    for (std::size_t i = 0; i < BorderColorPanels().size(); ++i) {
        Panel(colors, QString::fromUtf8(captions[i]), BorderColorPanels()[i])->Draggable = true;
    }
    page->addStretch(1);
}

void TStyleForm::BuildList() {
    auto* grid = new QGridLayout(Page(QStringLiteral("&List")));
    Simple(grid, QStringLiteral("Typ odrážky:"), "BulTypCB",
           {"disc", "circle", "square", "decimal", "lower-roman", "upper-roman", "lower-alpha",
            "upper-alpha", "none"});
    Simple(grid, QStringLiteral("Pozice odrážky:"), "BulPosCB", {"inside", "outside"});
    PictureRow(grid, QStringLiteral("Obrázek odrážky:"), "BulletEdit", "BulSB", "BulletImage");
    grid->setRowStretch(grid->rowCount(), 1);
}

void TStyleForm::BuildPositioning() {
    auto* page = new QHBoxLayout(Page(QStringLiteral("&Umístění")));
    QGridLayout* position = Group(page, QStringLiteral("Pozice"));
    Simple(position, QStringLiteral("Typ:"), "typCB", {"absolute", "relative", "static"});
    Pair(position, QStringLiteral("Vlevo:"), "LeftCB", kAuto, "LeftUnitsCB");
    Pair(position, QStringLiteral("Nahoře:"), "TopCB", kAuto, "TopUnitsCB");
    Pair(position, QStringLiteral("Šířka:"), "WidthCB", kAuto, "WidthUnitsCB");
    Pair(position, QStringLiteral("Výška:"), "HeightCB", kAuto, "HeightUnitsCB");
    Simple(position, QStringLiteral("Viditelnost:"), "VisibCB", {"inherit", "visible", "hidden"});
    Simple(position, QStringLiteral("Z-index:"), "zindexCB", kAuto);
    Simple(position, QStringLiteral("Přetečení:"), "overCB",
           {"visible", "hidden", "scroll", "auto"});
    position->setRowStretch(position->rowCount(), 1);
    QGridLayout* clip = Group(page, QStringLiteral("Výřez"));
    const char* captions[] = {"Nahoře:", "Vpravo:", "Dole:", "Vlevo:"};
    for (std::size_t i = 0; i < ClipPairs().size(); ++i) {
        Pair(clip, QString::fromUtf8(captions[i]), ClipPairs()[i].first, kAuto,
             ClipPairs()[i].second);
    }
    clip->setRowStretch(clip->rowCount(), 1);
}

void TStyleForm::BuildExtensions() {
    auto* page = new QVBoxLayout(Page(QStringLiteral("&Rozšíření")));
    const Items breaks{"auto", "always", "left", "right"};
    QGridLayout* pageBreak = Group(page, QStringLiteral("Page break"));
    Simple(pageBreak, QStringLiteral("Před:"), "PB1CB", breaks);
    Simple(pageBreak, QStringLiteral("Za:"), "PB2CB", breaks);
    QGridLayout* effects = Group(page, QStringLiteral("Vizuální efekty"));
    Simple(effects, QStringLiteral("Kurzor:"), "CursorCB", kCursors);
    Simple(effects, QStringLiteral("Filtr:"), "FilterCB", kFilters);
    page->addStretch(1);
}

void TStyleForm::ConnectPairs() {
    std::vector<std::pair<const char*, const char*>> pairs(ClipPairs());
    pairs.insert(pairs.end(), {{"HPosCB", "HPunitsCB"}, {"VPosCB", "VPunitsCB"}});
    for (const TCssProperty& p : CssProperties()) {
        if (p.Kind == CssKind::Pair) {
            pairs.emplace_back(p.Control, p.Units);
        }
    }
    for (const auto& [value, units] : pairs) {
        auto* unitCombo = As<QComboBox>(units);
        const auto changed = [this, unitCombo](const QString& text) {
            if (!filling_) {
                unitCombo->setEditText(
                    FromBytes(AutoUnit(ToBytes(text), ToBytes(unitCombo->currentText()))));
            }
        };
        if (auto* edit = As<QLineEdit>(value)) {
            connect(edit, &QLineEdit::textChanged, this, changed);
        } else {
            connect(As<QComboBox>(value), &QComboBox::editTextChanged, this, changed);
        }
    }
    // The box and the positioning sizes are one property each: editing one copies into the other.
    const std::pair<const char*, const char*> mirrors[] = {{"BWidthCB", "WidthCB"},
                                                           {"BHeightCB", "HeightCB"}};
    for (const auto& [a, b] : mirrors) {
        QComboBox* one = As<QComboBox>(a);
        QComboBox* other = As<QComboBox>(b);
        for (const auto& pair : {std::pair{one, other}, std::pair{other, one}}) {
            QComboBox* to = pair.second;
            connect(pair.first, &QComboBox::editTextChanged, this, [to](const QString& text) {
                if (to->currentText() != text) {
                    to->setEditText(text);
                }
            });
        }
    }
}

QWidget* TStyleForm::Control(const std::string& name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

void TStyleForm::SetControls(const TStyleControls& c) {
    filling_ = true;
    for (const auto& [name, widget] : controls_) {
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            combo->setEditText(FromBytes(c.TextOf(name)));
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            edit->setText(FromBytes(c.TextOf(name)));
        } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            box->setChecked(c.Checked(name));
        } else if (auto* panel = qobject_cast<TStyleColorPanel*>(widget)) {
            panel->SetColorText(c.ColorOf(name));
        }
    }
    filling_ = false;
}

TStyleControls TStyleForm::Controls() const {
    TStyleControls c;
    for (const auto& [name, widget] : controls_) {
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            c.Text[name] = ToBytes(combo->currentText());
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            c.Text[name] = ToBytes(edit->text());
        } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            c.Checks[name] = box->isChecked();
        } else if (auto* panel = qobject_cast<TStyleColorPanel*>(widget)) {
            if (!panel->ColorText().empty()) {
                c.Colors[name] = panel->ColorText();
            }
        }
    }
    return c;
}

void TStyleForm::Prepare(const std::string& css) {
    SetControls(FillControls(SplitCss(css).List));
    const std::vector<std::string> dropped = DroppedByEditor(css);
    std::string line;
    for (const std::string& item : dropped) {
        line += (line.empty() ? "" : ", ") + item;
    }
    DroppedL->setText(QStringLiteral("OK vynechá, co editor neumí ukázat: ") + FromBytes(line));
    DroppedL->setToolTip(FromBytes(line));
    DroppedL->setVisible(!dropped.empty());
    Pages->setCurrentIndex(0);
}

std::string TStyleForm::CssText() const {
    return WriteCss(Controls());
}

std::optional<std::string> TStyleForm::Edit(const std::string& css) {
    Prepare(css);
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return CssText();
}

void TStyleForm::PickColor(TStyleColorPanel* panel) {
    if (!ChooseColor) {
        return;
    }
    const std::string shown = panel->ColorText().empty() || !IsKnownColor(panel->ColorText())
                                  ? std::string("#000000")
                                  : PanelColorText(panel->ColorText());
    if (std::optional<std::string> chosen = ChooseColor(shown)) {
        panel->SetColorText(*chosen);
    }
}

void TStyleForm::PickFonts() {
    if (!ChooseFonts) {
        return;
    }
    const auto colorOf = [this](const char* name, base::TColor fallback) {
        const std::string text = qobject_cast<TStyleColorPanel*>(Control(name))->ColorText();
        return text.empty() ? fallback : base::HtmlToColor(PanelColorText(text));
    };
    if (std::optional<QString> faces = ChooseFonts(colorOf("FontColorPanel", DocumentTextColor),
                                                   colorOf("BkgColorPanel", DocumentBodyColor))) {
        As<QComboBox>("FontCB")->setEditText(*faces);
    }
}

void TStyleForm::Preview(const char* edit, const char* image) {
    auto* label = As<QLabel>(image);
    const QImage picture =
        LoadPicture ? LoadPicture(ToBytes(As<QLineEdit>(edit)->text())) : QImage();
    if (picture.isNull()) {
        label->clear();
        return;
    }
    label->setPixmap(QPixmap::fromImage(
        picture.scaled(label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

} // namespace zn::structure::ui
