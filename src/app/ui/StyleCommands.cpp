// The style editor's command and the wiring of its three windows to the main window.
#include "app/ui/StyleCommands.h"

#include "app/ui/TMainForm.h"
#include "app/ui/TagPanelBridge.h"
#include "editor/THTMLRichEdit.h"
#include "structure/DocumentStructure.h"
#include "structure/MapAreas.h"
#include "structure/StyleRules.h"
#include "structure/ui/TStylSelForm.h"
#include "structure/ui/TStyleForm.h"
#include "structure/ui/TTypStylu.h"
#include "tags/ui/TColorForm.h"
#include "tags/ui/TFontForm.h"
#include "tags/ui/TagPanelPanels.h"
#include "tags/ui/TagPanelWriters.h"

#include <QAction>
#include <QMenu>

namespace zn::app::ui {

using structure::ui::TStyleForm;
using structure::ui::TStylSelForm;
using structure::ui::TTypStylu;

StyleCommands::StyleCommands(TMainForm& main) : QObject(&main), main_(main) {}

StyleCommands::~StyleCommands() = default;

void StyleCommands::Install() {
    EditorCSSstyl1 = main_.AddCommand(main_.Menu(MainMenuId::Funkce),
                                      {"EditorCSSstyl1",
                                       "Editor CSS stylů",
                                       {},
                                       "Editor CSS stylů|Upraví pravidla bloku stylů dokumentu",
                                       EnableRule::DocumentOpen},
                                      [this] { EditStyles(); });
    main_.AddToolButton(EditorCSSstyl1);
    if (main_.Inspector != nullptr) {
        main_.Inspector->OpenStyleEditor = [this](const std::string& css) { return EditRule(css); };
    }
}

TStylSelForm& StyleCommands::SelForm() {
    if (!selForm_) {
        selForm_ = new TStylSelForm(&main_);
        selForm_->EditBody = [this](const std::string& body) { return EditRule(body); };
        selForm_->AskNewRule = [this] { return TypStylu().Ask(); };
    }
    return *selForm_;
}

TTypStylu& StyleCommands::TypStylu() {
    if (!typStylu_) {
        typStylu_ = new TTypStylu(main_.HostPrompter(), &main_);
    }
    return *typStylu_;
}

TStyleForm& StyleCommands::StyleForm() {
    if (styleForm_) {
        return *styleForm_;
    }
    styleForm_ = new TStyleForm(&main_);
    TInspectorBridge* bridge = main_.Inspector;
    if (bridge == nullptr) {
        return *styleForm_;
    }
    styleForm_->ChooseColor = [bridge](const std::string& color) {
        return bridge->Inspector().Writers().ColorForm().Edit(color);
    };
    styleForm_->ChooseFonts = [this](base::TColor font, base::TColor back) {
        if (!fontForm_) {
            fontForm_ = new tags::ui::TFontForm(&main_);
        }
        return fontForm_->ChooseFaces(font, back);
    };
    styleForm_->ChooseLink = [bridge](const QString& current) {
        return tags::ui::FromBytes(bridge->ChooseLinkFor(tags::ui::ToBytes(current), 1));
    };
    styleForm_->LoadPicture = [bridge](const std::string& link) {
        return link.empty() ? QImage()
                            : bridge->LoadPreviewPicture(bridge->Inspector().FileOfLink(link));
    };
    return *styleForm_;
}

std::optional<std::string> StyleCommands::EditRule(const std::string& css) {
    TStyleForm& form = StyleForm();
    if (main_.Inspector != nullptr) {
        form.DocumentTextColor = main_.Inspector->DocumentTextColor();
        form.DocumentBodyColor = main_.Inspector->DocumentBodyColor();
    }
    return form.Edit(css);
}

void StyleCommands::EditStyles() {
    editor::THTMLRichEdit* edit = main_.ActiveEdit();
    if (edit == nullptr) {
        return;
    }
    // Rules outside the block's HTML comment are not read; writing would lose them.
    if (structure::WritingLosesRules(edit->Model().Text()) &&
        main_.HostPrompter().Ask("Blok stylů obsahuje pravidla mimo komentář <!-- -->, která "
                                 "editor nenačte. Po OK by se ztratila. Pokračovat?",
                                 base::Buttons::YesNo,
                                 base::Severity::Warning) != base::Answer::Yes) {
        return;
    }
    main_.Structure = structure::ScanStructure(edit->Model().Text());
    TStylSelForm& form = SelForm();
    form.Prepare(main_.Structure.Styles);
    if (form.exec() != QDialog::Accepted || main_.ActiveEdit() != edit) {
        return;
    }
    main_.Structure.Styles = form.Styles();
    const std::string before = edit->Model().Text();
    const std::optional<structure::TTextReplacement> block =
        structure::WriteStyles(before, main_.Structure.Styles, main_.HostSettings().UpperCaseTags);
    if (!block) {
        main_.HostPrompter().Tell("Blok stylů dokumentu nemá konec </STYLE>, styly nebyly zapsány.",
                                  base::Severity::Warning);
        return;
    }
    std::string after = before;
    after.replace(block->Start, block->Length, block->Text);
    // Only the changed stretch is replaced: one step to undo, and the rest keeps its colours.
    const structure::TTextReplacement change = structure::ChangedStretch(before, after);
    if (change.Length > 0 || !change.Text.empty()) {
        edit->ReplaceRange(change.Start, change.Length, change.Text);
        const std::size_t open = change.Start > 0 ? after.rfind('<', change.Start - 1) : 0;
        edit->ColorFrom(open == std::string::npos ? 0 : static_cast<editor::Position>(open),
                        change.Start + static_cast<editor::Position>(change.Text.size()));
    }
    main_.Structure = structure::ScanStructure(edit->Model().Text());
}

} // namespace zn::app::ui
