// Fuzzes the text control: a document from the input, then edits and tag operations driven by
// the input's bytes. The model must keep CR LF pairs whole and its line index right.
#include "editor/Completion.h"
#include "editor/LineEnds.h"
#include "editor/THTMLRichEdit.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace zn::editor;

namespace {

void Check(bool ok) {
    if (!ok) {
        std::abort();
    }
}

void CheckModel(const TextModel& m) {
    const std::string text = m.Text();
    Check(static_cast<Position>(text.size()) == m.Length());
    Check(!HasLoneLineBreak(text));
    Position lines = 1;
    for (char c : text) {
        lines += c == '\n' ? 1 : 0;
    }
    Check(lines == m.LineCount());
    Check(m.SelStart() >= 0 && m.SelEnd() <= m.Length());
    Check(m.Snap(m.SelStart()) == m.SelStart());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first half is the document, the second half the script of operations.
    const std::size_t split = size / 2;
    THTMLRichEdit edit;
    edit.SyntaxHighLighting = true;
    edit.ClipboardText = [] { return std::string("<i a=\"1\">\r\nx"); };
    TextModel& m = edit.Model();
    m.Load(std::string(reinterpret_cast<const char*>(data), split));
    edit.ColorAll();
    CheckModel(m);
    for (std::size_t i = split; i + 1 < size; i += 2) {
        const std::uint8_t op = data[i] % 16;
        const Position pos = m.Length() > 0 ? data[i + 1] * 7919 % (m.Length() + 1) : 0;
        switch (op) {
        case 0:
            m.SetCaret(pos);
            break;
        case 1:
            m.Select(pos, data[i + 1] % 9);
            break;
        case 2:
            TypeIntoControl(edit, std::string(1, static_cast<char>(data[i + 1])));
            break;
        case 3:
            m.Backspace();
            break;
        case 4:
            m.DeleteForward();
            break;
        case 5:
            edit.SetAttribute("width", std::to_string(data[i + 1]), true);
            break;
        case 6:
            edit.SetAttribute("alt", "a \"b\"", false);
            break;
        case 7:
            edit.RemoveAttribute("width");
            break;
        case 8:
            edit.RemoveTagPair(m.SelStart());
            break;
        case 9:
            edit.RenameTagPair(m.SelStart(), "p", false);
            break;
        case 10:
            edit.SurroundSelection("<b>", "</b>");
            break;
        case 11:
            edit.Undo();
            break;
        case 12:
            edit.Redo();
            break;
        case 13:
            edit.PasteColored();
            break;
        case 14:
            m.MoveCaret(static_cast<Move>(data[i + 1] % 12), data[i + 1] & 1);
            break;
        default:
            m.Replace(pos, data[i + 1] % 5, "\r");
            break;
        }
        CheckModel(m);
    }
    return 0;
}
