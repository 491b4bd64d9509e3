// The commands that insert or wrap tags in the active document, as operations on its control.
#pragma once

#include "base/Prompter.h"
#include "editor/THTMLRichEdit.h"

#include <string_view>

namespace zn::tags {

using editor::THTMLRichEdit;

// Generic handlers: a menu item carries the tag name (its caption) or the text (its hint), so
// menus grow without code. Captions and hints are document text (Windows-1250).

/// Inserts "<" + caption + ">" in the tag case.
void EnteredMenu(THTMLRichEdit& edit, std::string_view caption, bool upperCaseTags);
/// Wraps the selection in the tag pair named by the caption.
void EnteredMenuPar(THTMLRichEdit& edit, std::string_view caption, bool upperCaseTags);
/// Inserts the hint as it is (special characters).
void MenuByHint(THTMLRichEdit& edit, std::string_view hint);
/// Wraps the selection in the tag pair named by the hint.
void MenuParByHint(THTMLRichEdit& edit, std::string_view hint, bool upperCaseTags);

/// The commands with their own handler that build a fixed piece of HTML.
enum class TagCommand {
    Font,
    Break,
    Heading,
    AnchorLink,
    Image,
    BGSound,
    HorizontalLine,
    Paragraph,
    Form,
    Input,
    TextArea,
    OrderedList,
    UnorderedList,
    DefinitionList,
    Bold,
    Italic,
    Underlined,
    Strike,
    Center,
    Subscript,
    Superscript,
    Comment,
};

/// Inserts or wraps the command's HTML and leaves the caret where the user types next.
void RunTagCommand(THTMLRichEdit& edit, TagCommand command, bool upperCaseTags);

/// "Vytvořit odkaz": the selected text becomes both the address and the text of a link; with
/// nothing selected the same as "Odkaz".
void CreateLink(THTMLRichEdit& edit, bool upperCaseTags);

inline constexpr const char* kClearDocumentQuestion = "Dokument obsahuje text. Má se smazat?";

/// "Normální dokument": writes the skeleton of an HTML page around the text (after asking
/// whether to clear it first) and puts the caret on the empty line of the body.
void NormalDocument(THTMLRichEdit& edit, bool upperCaseTags, base::Prompter& prompter);

/// "Vybrat mezi tagem" (whole = false) and "Vybrat mezi tagem (včetně)": only inside a tag.
void SelectBetweenTags(THTMLRichEdit& edit, bool whole);

} // namespace zn::tags
