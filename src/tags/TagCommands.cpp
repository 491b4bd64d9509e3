// Tag insertion commands: a table of the fixed pieces of HTML and where each leaves the caret.
#include "tags/TagCommands.h"

#include "base/TextCase.h"
#include "editor/DocumentKeys.h"

#include <array>
#include <string>

namespace zn::tags {
namespace {

using base::TagCase;
using editor::Position;

enum class Caret {
    AsLeft,           ///< where InsertText or SurroundSelection leaves it
    InsideOpeningTag, ///< just before the ">" of the opening tag, the selection dropped
    AtOffset,         ///< `offset` characters after the start of the inserted text
};

struct Snippet {
    TagCommand command;
    std::string_view open;
    std::string_view close; ///< empty: `open` is inserted, not wrapped around the selection
    bool wrap;
    Caret caret;
    Position offset = 0;
    bool caseConverted = true;
};

// Line breaks are CR LF, two characters each, as positions count them.
constexpr std::array<Snippet, 22> kSnippets{{
    {TagCommand::Font, "<FONT>", "</FONT>", true, Caret::InsideOpeningTag},
    {TagCommand::Break, "<BR>\r\n", "", false, Caret::AsLeft},
    {TagCommand::Heading, "<H3>", "</H3>", true, Caret::InsideOpeningTag},
    {TagCommand::AnchorLink, "<A>", "</A>", true, Caret::InsideOpeningTag},
    {TagCommand::Image, "<IMG>", "", false, Caret::InsideOpeningTag},
    {TagCommand::BGSound, "<BGSOUND>", "", false, Caret::InsideOpeningTag},
    {TagCommand::HorizontalLine, "<HR>", "", false, Caret::AsLeft},
    {TagCommand::Paragraph, "<P>\r\n", "", false, Caret::AsLeft},
    {TagCommand::Form, "<FORM>", "</FORM>", true, Caret::InsideOpeningTag},
    {TagCommand::Input, "<INPUT>", "", false, Caret::InsideOpeningTag},
    {TagCommand::TextArea, "<TEXTAREA>\r\n</TEXTAREA>", "", false, Caret::AtOffset, 9},
    {TagCommand::OrderedList, "<OL>\r\n<LI>\r\n</OL>", "", false, Caret::AtOffset, 10},
    {TagCommand::UnorderedList, "<UL>\r\n<LI>\r\n</UL>", "", false, Caret::AtOffset, 10},
    {TagCommand::DefinitionList, "<DL>\r\n<DT><DD>\r\n</DL>", "", false, Caret::AtOffset, 10},
    {TagCommand::Bold, "<B>", "</B>", true, Caret::AsLeft},
    {TagCommand::Italic, "<I>", "</I>", true, Caret::AsLeft},
    {TagCommand::Underlined, "<U>", "</U>", true, Caret::AsLeft},
    {TagCommand::Strike, "<STRIKE>", "</STRIKE>", true, Caret::AsLeft},
    {TagCommand::Center, "<CENTER>", "</CENTER>", true, Caret::AsLeft},
    {TagCommand::Subscript, "<SUB>", "</SUB>", true, Caret::AsLeft},
    {TagCommand::Superscript, "<SUP>", "</SUP>", true, Caret::AsLeft},
    {TagCommand::Comment, "<!-- -->", "", false, Caret::AtOffset, 4, false},
}};

const Snippet& SnippetOf(TagCommand command) {
    for (const Snippet& snippet : kSnippets) {
        if (snippet.command == command) {
            return snippet;
        }
    }
    return kSnippets.front();
}

std::string OpeningTag(std::string_view name, bool upperCaseTags) {
    return "<" + TagCase(name, upperCaseTags) + ">";
}

std::string ClosingTag(std::string_view name, bool upperCaseTags) {
    return "</" + TagCase(name, upperCaseTags) + ">";
}

void WrapInPair(THTMLRichEdit& edit, std::string_view name, bool upperCaseTags) {
    edit.SurroundSelection(OpeningTag(name, upperCaseTags), ClosingTag(name, upperCaseTags));
}

// The skeleton of a page; the body's empty line starts 50 characters in.
constexpr std::string_view kSkeletonHead =
    "<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n<BODY>\r\n\r\n";
constexpr std::string_view kSkeletonTail = "\r\n</BODY>\r\n</HTML>";
constexpr Position kBodyLine = 50;

} // namespace

void EnteredMenu(THTMLRichEdit& edit, std::string_view caption, bool upperCaseTags) {
    edit.InsertText(OpeningTag(caption, upperCaseTags));
}

void EnteredMenuPar(THTMLRichEdit& edit, std::string_view caption, bool upperCaseTags) {
    WrapInPair(edit, caption, upperCaseTags);
}

void MenuByHint(THTMLRichEdit& edit, std::string_view hint) {
    edit.InsertText(hint);
}

void MenuParByHint(THTMLRichEdit& edit, std::string_view hint, bool upperCaseTags) {
    WrapInPair(edit, hint, upperCaseTags);
}

void RunTagCommand(THTMLRichEdit& edit, TagCommand command, bool upperCaseTags) {
    const Snippet& snippet = SnippetOf(command);
    const std::string open =
        snippet.caseConverted ? TagCase(snippet.open, upperCaseTags) : std::string(snippet.open);
    const Position start = edit.Model().SelStart();
    if (snippet.wrap) {
        edit.SurroundSelection(open, TagCase(snippet.close, upperCaseTags));
    } else {
        edit.InsertText(open);
    }
    switch (snippet.caret) {
    case Caret::AsLeft:
        break;
    case Caret::InsideOpeningTag:
        edit.Model().SetCaret(start + static_cast<Position>(open.size()) - 1);
        break;
    case Caret::AtOffset:
        edit.Model().SetCaret(start + snippet.offset);
        break;
    }
}

void CreateLink(THTMLRichEdit& edit, bool upperCaseTags) {
    const std::string text = edit.Model().SelText();
    if (text.empty()) {
        RunTagCommand(edit, TagCommand::AnchorLink, upperCaseTags);
        return;
    }
    edit.Model().ReplaceSelection(TagCase("<a href=\"", upperCaseTags) + text + "\">" + text +
                                  TagCase("</a>", upperCaseTags));
}

void NormalDocument(THTMLRichEdit& edit, bool upperCaseTags, base::Prompter& prompter) {
    editor::TextModel& model = edit.Model();
    const std::string head = TagCase(kSkeletonHead, upperCaseTags);
    const std::string tail = TagCase(kSkeletonTail, upperCaseTags);
    if (model.Length() == 0) {
        edit.InsertText(head + tail.substr(2));
        // The start of the body's empty line (18 back: "\r\n</BODY>\r\n</HTML>").
        model.SetCaret(model.Length() - static_cast<Position>(tail.size()));
        return;
    }
    const base::Answer answer = prompter.Ask(kClearDocumentQuestion, base::Buttons::YesNoCancel);
    if (answer == base::Answer::Cancel) {
        return;
    }
    editor::UndoGroup group(model);
    if (answer == base::Answer::Yes) {
        model.Replace(0, model.Length(), {});
    }
    model.SetCaret(0);
    edit.InsertText(head);
    model.SetCaret(model.Length());
    edit.InsertText(tail);
    model.SetCaret(kBodyLine);
}

void SelectBetweenTags(THTMLRichEdit& edit, bool whole) {
    if (edit.InTag) {
        edit.SelectTagPair(edit.Model().SelStart(), whole);
    }
}

} // namespace zn::tags
