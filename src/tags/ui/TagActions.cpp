// The tag commands as Qt actions: tables of menu items and tool buttons, and their handlers.
#include "tags/ui/TagActions.h"

#include "base/Cp1250.h"
#include "editor/DocumentKeys.h"
#include "tags/TagCommands.h"
#include "tags/ui/FocusedField.h"

#include <QAction>
#include <QDateTime>
#include <QKeySequence>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include <functional>
#include <optional>
#include <vector>

namespace zn::tags::ui {
namespace {

using Run = std::function<void(TagActions&, CommandContext&)>;

/// A caption with its accelerator marks removed ("&&" stands for "&").
std::string PlainCaption(const QString& caption) {
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
            ++i;
        }
        plain += caption[i];
    }
    return base::Utf8ToCp1250(plain.toStdString());
}

std::function<void(editor::THTMLRichEdit&, bool)> Command(TagCommand command) {
    return
        [command](editor::THTMLRichEdit& edit, bool upper) { RunTagCommand(edit, command, upper); };
}

} // namespace

struct TagActions::Item {
    const char* name;
    const char* caption; ///< menu caption, or the hint of a tool button
    const char* hint;    ///< status text (for generic items: what the handler reads)
    const char* menu;    ///< the submenu it belongs to; null for tool buttons and top items
    std::vector<QKeySequence> shortcuts;
    std::optional<GenericHandler> generic;
    std::function<void(editor::THTMLRichEdit&, bool)> onEdit; ///< commands on the document
    Run other;                                                ///< the rest
    const char* face = nullptr;                               ///< short text of a tool button
};

namespace {

using G = GenericHandler;

// Items of the generic handlers, in menu order.
struct GenericRow {
    const char* name;
    const char* caption;
    const char* hint;
    G handler;
    const char* menu;
    QKeyCombination shortcut = QKeyCombination();
};

const GenericRow kGenericRows[] = {
    {"BaseFont1", "BaseFont", "", G::EnteredMenu, "InsertTagMenu"},
    {"WordBreak1", "WBR", "Dělění povoleno", G::EnteredMenu, "InsertTagMenu"},
    {"DIV1", "DIV", "", G::EnteredMenuPar, "InsertTagMenu"},
    {"SPAN1", "SPAN", "", G::EnteredMenuPar, "InsertTagMenu"},
    {"NoBreak1", "NoBreak", "Nelze dělit", G::EnteredMenuPar, "InsertTagMenu"},
    {"Banner1", "Banner", "Banner (pod body)", G::EnteredMenuPar, "InsertTagMenu"},
    {"Bold1", "Tučný", "b", G::MenuParByHint, "TextMenu", Qt::CTRL | Qt::Key_B},
    {"Italic1", "Kurzíva", "i", G::MenuParByHint, "TextMenu", Qt::CTRL | Qt::Key_I},
    {"Underlined1", "Podtržený", "u", G::MenuParByHint, "TextMenu", Qt::CTRL | Qt::Key_U},
    {"strike", "Přeškrtnutý", "strike", G::MenuParByHint, "TextMenu"},
    {"Acronym1", "Acronym", "Přezdívka", G::EnteredMenuPar, "TextMenu"},
    {"Adress2", "Address", "Adresa", G::EnteredMenuPar, "TextMenu"},
    {"BIG2", "BIG", "Velký", G::EnteredMenuPar, "TextMenu"},
    {"Blink2", "Blink", "Blikající", G::EnteredMenuPar, "TextMenu"},
    {"BlockQuote2", "BlockQuote", "BlockQuote", G::EnteredMenuPar, "TextMenu"},
    {"Cite2", "Cite", "Citace", G::EnteredMenuPar, "TextMenu"},
    {"Code2", "Code", "Příklad kódu", G::EnteredMenuPar, "TextMenu"},
    {"EM2", "EM", "Zvýrazněný", G::EnteredMenuPar, "TextMenu"},
    {"Kbd2", "Kbd", "Příklad vstupu z klávesnice", G::EnteredMenuPar, "TextMenu"},
    {"Listing2", "Listing", "Výčet", G::EnteredMenuPar, "TextMenu"},
    {"Pre2", "Pre", "Předdefinovaný", G::EnteredMenuPar, "TextMenu"},
    {"XMP2", "XMP", "Příklad", G::EnteredMenuPar, "TextMenu"},
    {"Samp1", "Samp", "Vzorek", G::EnteredMenuPar, "TextMenu"},
    {"Small1", "Small", "Malý", G::EnteredMenuPar, "TextMenu"},
    {"Strong1", "Strong", "Silný", G::EnteredMenuPar, "TextMenu"},
    {"SUB1", "SUB", "Dolní index", G::EnteredMenuPar, "TextMenu"},
    {"SUP1", "SUP", "Horní index", G::EnteredMenuPar, "TextMenu"},
    // Special characters: the hint is the text.
    {"N12", "<", "&lt;", G::MenuByHint, "SpecialMenu"},
    {"N13", ">", "&gt;", G::MenuByHint, "SpecialMenu"},
    {"N14", "&&", "&amp;", G::MenuByHint, "SpecialMenu"},
    {"N15", "\"", "&quot;", G::MenuByHint, "SpecialMenu"},
    {"N16", "§", "&sect;", G::MenuByHint, "SpecialMenu"},
    {"Copyright2", "Copyright", "&copy;", G::MenuByHint, "SpecialMenu"},
    {"MenuReg", "Registered", "&reg;", G::MenuByHint, "SpecialMenu"},
    {"MenuTM", "Trade mark", "&#153;", G::MenuByHint, "SpecialMenu"},
    {"Mezera1", "Mezera", "&nbsp;", G::MenuByHint, "SpecialMenu"},
};

std::vector<QKeySequence> Keys(std::initializer_list<QKeyCombination> keys) {
    return std::vector<QKeySequence>(keys.begin(), keys.end());
}

} // namespace

TagActions::TagActions(CommandContext& context, QObject* parent)
    : QObject(parent), context_(context) {
    MakeMenu("InsertTagMenu", "Vložit tag");
    MakeMenu("TextMenu", "Text");
    MakeMenu("ListMenu", "Seznamy");
    MakeMenu("FormMenu", "Formuláře");
    MakeMenu("SpecialMenu", "Speciální znaky");
    MakeMenu("NewMenu", "Nová HTML struktura");

    for (const GenericRow& row : kGenericRows) {
        Item item{row.name, row.caption, row.hint, row.menu, {}, row.handler, {}, {}};
        if (row.shortcut != QKeyCombination()) {
            item.shortcuts = {QKeySequence(row.shortcut)};
        }
        MakeAction(item);
    }
    Menu("TextMenu")->insertSeparator(Action("Acronym1"));

    auto normalDocument = [](TagActions& self, CommandContext& ctx) {
        self.RunOnEdit([&ctx](editor::THTMLRichEdit& edit, bool upper) {
            NormalDocument(edit, upper, ctx.Prompter());
        });
    };
    auto insertTime = [](TagActions&, CommandContext& ctx) {
        InsertIntoFocusedField(ctx, TimeText(QTime::currentTime(), QLocale::system()), false);
    };
    auto insertDate = [](TagActions&, CommandContext& ctx) {
        InsertIntoFocusedField(ctx, DateText(QDate::currentDate(), QLocale::system()), false);
    };
    auto removeTag = [](editor::THTMLRichEdit& edit, bool) { editor::RemoveTagAtCaret(edit); };
    const Item own[] = {
        // Menu "Vložit tag" and its submenus.
        {"Font1", "Font", "", "InsertTagMenu", {}, {}, Command(TagCommand::Font), {}},
        {"Break1",
         "Ukončení řádku",
         "",
         "InsertTagMenu",
         Keys({Qt::SHIFT | Qt::Key_Return, Qt::SHIFT | Qt::Key_Enter}),
         {},
         Command(TagCommand::Break),
         {}},
        {"Heading1", "Nadpis", "", "InsertTagMenu", {}, {}, Command(TagCommand::Heading), {}},
        {"AnchorLink1", "Odkaz", "", "InsertTagMenu", {}, {}, Command(TagCommand::AnchorLink), {}},
        {"Image1", "Obrázek", "", "InsertTagMenu", {}, {}, Command(TagCommand::Image), {}},
        {"BGSound1", "BGSound", "", "InsertTagMenu", {}, {}, Command(TagCommand::BGSound), {}},
        {"Horizontalline1",
         "Vodorovná čára",
         "",
         "InsertTagMenu",
         {},
         {},
         Command(TagCommand::HorizontalLine),
         {}},
        {"Paragraph1",
         "Odstavec",
         "",
         "InsertTagMenu",
         Keys({Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter}),
         {},
         Command(TagCommand::Paragraph),
         {}},
        {"Orderedlist2",
         "Tříděný seznam",
         "",
         "ListMenu",
         {},
         {},
         Command(TagCommand::OrderedList),
         {}},
        {"Unorderedlist2",
         "Netříděný seznam",
         "",
         "ListMenu",
         {},
         {},
         Command(TagCommand::UnorderedList),
         {}},
        {"Definitionlist2",
         "Seznam definic",
         "",
         "ListMenu",
         {},
         {},
         Command(TagCommand::DefinitionList),
         {}},
        {"InsForm", "Vložit Formulář", "", "FormMenu", {}, {}, Command(TagCommand::Form), {}},
        {"Input1", "Input", "", "FormMenu", {}, {}, Command(TagCommand::Input), {}},
        {"TextArea1", "TextArea", "", "FormMenu", {}, {}, Command(TagCommand::TextArea), {}},
        {"ND1", "Normální dokument", "", "NewMenu", {}, {}, {}, normalDocument},
        {"Vytvoitodkaz1", "Vytvořit odkaz", "", nullptr, {}, {}, CreateLink, {}},
        // Menu "&Funkce".
        {"InsTime", "Vložit čas", "", nullptr, {}, {}, {}, insertTime},
        {"InsDate", "Vložit datum", "", nullptr, {}, {}, {}, insertDate},
        // Menu "&Úpravy".
        {"Removetag1",
         "Odstranit tag",
         "",
         nullptr,
         Keys({Qt::ALT | Qt::Key_Delete}),
         {},
         removeTag,
         {}},
        {"Selectbetweentagpair1",
         "Vybrat mezi tagem",
         "",
         nullptr,
         Keys({Qt::CTRL | Qt::Key_T}),
         {},
         [](editor::THTMLRichEdit& e, bool) { SelectBetweenTags(e, false); },
         {}},
        {"Selectbetweentagpair2",
         "Vybrat mezi tagem (včetně)",
         "",
         nullptr,
         {},
         {},
         [](editor::THTMLRichEdit& e, bool) { SelectBetweenTags(e, true); },
         {}},
        // Tool buttons: the caption is their hint, the face a short text.
        {"FontSB", "Font", "", nullptr, {}, {}, Command(TagCommand::Font), {}, "Font"},
        {"BreakSB", "Konec řádku", "", nullptr, {}, {}, Command(TagCommand::Break), {}, "BR"},
        {"HeadingSB", "Nadpis", "", nullptr, {}, {}, Command(TagCommand::Heading), {}, "H3"},
        {"AnchorSB", "Odkaz", "", nullptr, {}, {}, Command(TagCommand::AnchorLink), {}, "A"},
        {"ImageSB", "Obrázek", "", nullptr, {}, {}, Command(TagCommand::Image), {}, "IMG"},
        {"BGSoundSB", "BGSound", "", nullptr, {}, {}, Command(TagCommand::BGSound), {}, "SND"},
        {"HorizontalSB",
         "Vodorovná čára",
         "",
         nullptr,
         {},
         {},
         Command(TagCommand::HorizontalLine),
         {},
         "HR"},
        {"ParagraphSB", "Odstavec", "", nullptr, {}, {}, Command(TagCommand::Paragraph), {}, "P"},
        {"BoldSB", "Tučný text", "", nullptr, {}, {}, Command(TagCommand::Bold), {}, "B"},
        {"ItalicSB", "Kurzíva", "", nullptr, {}, {}, Command(TagCommand::Italic), {}, "I"},
        {"UnderlineSB",
         "Podtržený text",
         "",
         nullptr,
         {},
         {},
         Command(TagCommand::Underlined),
         {},
         "U"},
        {"StrikeSB", "Přeškrtnutý text", "", nullptr, {}, {}, Command(TagCommand::Strike), {}, "S"},
        {"CenterSB", "Centrování", "", nullptr, {}, {}, Command(TagCommand::Center), {}, "Střed"},
        {"SubSB", "Dolní index", "", nullptr, {}, {}, Command(TagCommand::Subscript), {}, "x₂"},
        {"SupSB", "Horní index", "", nullptr, {}, {}, Command(TagCommand::Superscript), {}, "x²"},
        {"CommentSB", "Komentář", "", nullptr, {}, {}, Command(TagCommand::Comment), {}, "<!--"},
        {"LinkSB",
         "Vytvořit odkaz z označeného textu",
         "",
         nullptr,
         {},
         {},
         CreateLink,
         {},
         "HREF"},
        {"TimeSB", "Vložit čas", "", nullptr, {}, {}, {}, insertTime, "Čas"},
        {"DateSB", "Vložit datum", "", nullptr, {}, {}, {}, insertDate, "Datum"},
        {"RemoveSB", "Odstranit aktuální tag", "", nullptr, {}, {}, removeTag, {}, "Bez tagu"},
    };
    for (const Item& item : own) {
        MakeAction(item);
    }
    Menu("InsertTagMenu")->insertSeparator(Action("Font1"));
    QMenu* insertTag = Menu("InsertTagMenu");
    insertTag->addSeparator();
    for (const char* name : {"TextMenu", "ListMenu", "FormMenu"}) {
        insertTag->addMenu(Menu(name));
    }
}

TagActions::~TagActions() {
    delete popup_;
}

QMenu* TagActions::MakeMenu(const char* name, const char* caption) {
    auto menu = std::make_unique<QMenu>(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromUtf8(name));
    menu->menuAction()->setObjectName(QString::fromUtf8(name));
    QMenu* made = menu.get();
    menus_[QString::fromUtf8(name)] = std::move(menu);
    return made;
}

QAction* TagActions::MakeAction(const Item& item) {
    auto* action = new QAction(QString::fromUtf8(item.caption), this);
    const QString name = QString::fromUtf8(item.name);
    action->setObjectName(name);
    // Generic handlers read the hint from the status text, so theirs stays exactly as given;
    // other items without a hint of their own show their caption.
    const QString hint =
        QString::fromUtf8(item.generic || *item.hint != '\0' ? item.hint : item.caption);
    action->setStatusTip(hint);
    action->setToolTip(hint.isEmpty() ? action->text() : hint);
    if (item.face != nullptr) {
        action->setIconText(QString::fromUtf8(item.face));
    }
    if (!item.shortcuts.empty()) {
        action->setShortcuts(QList<QKeySequence>(item.shortcuts.begin(), item.shortcuts.end()));
    }
    if (item.generic) {
        BindGeneric(action, *item.generic);
    } else if (item.onEdit) {
        connect(action, &QAction::triggered, this, [this, run = item.onEdit] { RunOnEdit(run); });
    } else if (item.other) {
        connect(action, &QAction::triggered, this,
                [this, run = item.other] { run(*this, context_); });
    }
    if (item.menu != nullptr) {
        Menu(QString::fromUtf8(item.menu))->addAction(action);
    }
    actions_[name] = action;
    return action;
}

void TagActions::BindGeneric(QAction* action, GenericHandler handler) {
    connect(action, &QAction::triggered, this,
            [this, action, handler] { RunGeneric(action, handler); });
}

void TagActions::RunGeneric(QAction* action, GenericHandler handler) {
    const std::string caption = PlainCaption(action->text());
    const std::string hint = base::Utf8ToCp1250(action->statusTip().toStdString());
    RunOnEdit([&](editor::THTMLRichEdit& edit, bool upper) {
        switch (handler) {
        case GenericHandler::EnteredMenu:
            EnteredMenu(edit, caption, upper);
            break;
        case GenericHandler::EnteredMenuPar:
            EnteredMenuPar(edit, caption, upper);
            break;
        case GenericHandler::MenuByHint:
            MenuByHint(edit, hint);
            break;
        case GenericHandler::MenuParByHint:
            MenuParByHint(edit, hint, upper);
            break;
        }
    });
}

void TagActions::RunOnEdit(
    const std::function<void(editor::THTMLRichEdit&, bool upperCaseTags)>& run) {
    if (editor::THTMLRichEdit* edit = context_.ActiveEdit()) {
        run(*edit, context_.Options().UpperCaseTags);
    }
}

QAction* TagActions::Action(const QString& name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* TagActions::Menu(const QString& name) const {
    const auto it = menus_.find(name);
    return it == menus_.end() ? nullptr : it->second.get();
}

void TagActions::Install(QMenu* html, QMenu* edit, QMenu* functions, QToolBar* speedPanel,
                         QMenu* plugins) {
    FillHtmlMenu(html);
    FillEditMenu(edit);
    FillFunctionMenu(functions);
    AddFunctionButtons(speedPanel, plugins);
}

void TagActions::FillHtmlMenu(QMenu* html) {
    html->addMenu(Menu("InsertTagMenu"));
    html->addMenu(Menu("SpecialMenu"));
    html->addMenu(Menu("NewMenu"));
    html->addAction(Action("Vytvoitodkaz1"));
}

void TagActions::FillFunctionMenu(QMenu* functions) {
    functions->addAction(Action("InsTime"));
    functions->addAction(Action("InsDate"));
}

void TagActions::FillEditMenu(QMenu* edit) {
    edit->addAction(Action("Removetag1"));
    edit->addAction(Action("Selectbetweentagpair1"));
    edit->addAction(Action("Selectbetweentagpair2"));
}

void TagActions::AddInsertionButtons(QToolBar* bar) {
    for (const char* name : {"FontSB", "BreakSB", "HeadingSB", "AnchorSB", "ImageSB", "BGSoundSB",
                             "HorizontalSB", "ParagraphSB", "BoldSB", "ItalicSB", "UnderlineSB",
                             "StrikeSB", "CenterSB", "SubSB", "SupSB", "CommentSB", "LinkSB"}) {
        bar->addAction(Action(QString::fromUtf8(name)));
    }
    AddPopupButton(bar, "ListSB", "Seznam ..", "Seznam ..", Menu("ListMenu"));
    AddPopupButton(bar, "TextSB", "Text ..", "Text ..", Menu("TextMenu"));
    AddPopupButton(bar, "SpecChSB", "&& ..", "Speciální znaky ..", Menu("SpecialMenu"));
    AddPopupButton(bar, "FormSB", "Form ..", "Formuláře ..", Menu("FormMenu"));
}

void TagActions::AddFunctionButtons(QToolBar* bar, QMenu* plugins) {
    AddPopupButton(bar, "NewSB", "HTML", "Vložit HTML strukturu", Menu("NewMenu"));
    for (const char* name : {"TimeSB", "DateSB", "RemoveSB"}) {
        bar->addAction(Action(QString::fromUtf8(name)));
    }
    if (plugins != nullptr) {
        AddPopupButton(bar, "PluginsSB", "Plug-ins", "Instalované pluginy", plugins);
    }
}

QToolBar* TagActions::CreateButtonPanel(QWidget* parent) {
    auto* panel = new QToolBar(parent);
    panel->setObjectName(QStringLiteral("TP"));
    panel->setMovable(false);
    panel->setFloatable(false);
    panel->setToolButtonStyle(Qt::ToolButtonTextOnly);
    AddInsertionButtons(panel);
    return panel;
}

void TagActions::AddPopupButton(QToolBar* bar, const char* name, const char* face, const char* hint,
                                QMenu* menu) {
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromUtf8(name));
    button->setText(QString::fromUtf8(face));
    button->setToolTip(QString::fromUtf8(hint));
    button->setStatusTip(QString::fromUtf8(hint));
    button->setFocusPolicy(Qt::NoFocus);
    bar->addWidget(button);
    connect(button, &QToolButton::clicked, this,
            [this, button, menu] { ShowSubmenuPopup(menu, button); });
}

void TagActions::ShowSubmenuPopup(QMenu* menu, QWidget* button) {
    if (popup_ != nullptr) {
        popup_->deleteLater();
    }
    // The copy holds the submenu's own actions, so its items run the main menu's handlers.
    popup_ = new QMenu(context_.ParentWindow());
    popup_->setObjectName(menu->objectName() + QStringLiteral("Popup"));
    popup_->addActions(menu->actions());
    popup_->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void TagActions::UpdateStates() {
    editor::THTMLRichEdit* edit = context_.ActiveEdit();
    const bool document = edit != nullptr;
    const bool inTag = document && edit->InTag;
    const bool target = FindTextTarget(context_).Exists();
    // Each action gets its final state once: switching one off and on again within a tick
    // would repaint its buttons five times a second while the editor is idle.
    static const QStringList tagOnly = {
        QStringLiteral("Removetag1"), QStringLiteral("Selectbetweentagpair1"),
        QStringLiteral("Selectbetweentagpair2"), QStringLiteral("RemoveSB")};
    static const QStringList textTarget = {QStringLiteral("InsTime"), QStringLiteral("InsDate"),
                                           QStringLiteral("TimeSB"), QStringLiteral("DateSB")};
    for (auto& [name, action] : actions_) {
        const bool enabled = tagOnly.contains(name)      ? inTag
                             : textTarget.contains(name) ? target
                                                         : document;
        if (action->isEnabled() != enabled) {
            action->setEnabled(enabled);
        }
    }
    QAction* insertMenu = Menu("InsertTagMenu")->menuAction();
    if (insertMenu->isEnabled() != (document && !inTag)) {
        insertMenu->setEnabled(document && !inTag);
    }
}

} // namespace zn::tags::ui
