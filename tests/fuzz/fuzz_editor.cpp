// Fuzzes the text control: a document from the input, then edits and tag operations driven by
// the input's bytes. The model must keep CR LF pairs whole and its line index right, and in a
// UTF-8 document (an odd first byte) no caret or anchor may stand inside a multi-byte character.
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
    Check(m.Snap(m.Sel().caret) == m.Sel().caret);
    Check(m.Snap(m.Sel().anchor) == m.Sel().anchor);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first half is the document, the second half the script of operations.
    const std::size_t split = size / 2;
    THTMLRichEdit edit;
    edit.SyntaxHighLighting = true;
    edit.ClipboardText = [] { return std::string("<i a=\"1\">\r\nx"); };
    TextModel& m = edit.Model();
    m.SetUtf8(size > 0 && (data[0] & 1) != 0);
    m.Load(std::string(reinterpret_cast<const char*>(data), split));
    edit.ColorAll();
    CheckModel(m);
    for (std::size_t i = split; i + 1 < size; i += 2) {
        const std::uint8_t arg = data[i + 1];
        const Position pos = m.Length() > 0 ? arg * 7919 % (m.Length() + 1) : 0;
        using Op = void (*)(THTMLRichEdit&, Position, std::uint8_t);
        static const Op ops[16] = {
            [](auto& e, Position p, std::uint8_t) { e.Model().SetCaret(p); },
            [](auto& e, Position p, std::uint8_t a) { e.Model().Select(p, a % 9); },
            [](auto& e, Position, std::uint8_t a) {
                TypeIntoControl(e, std::string(1, static_cast<char>(a)));
            },
            [](auto& e, Position, std::uint8_t) { e.Model().Backspace(); },
            [](auto& e, Position, std::uint8_t) { e.Model().DeleteForward(); },
            [](auto& e, Position, std::uint8_t a) {
                e.SetAttribute("width", std::to_string(a), true);
            },
            [](auto& e, Position, std::uint8_t) { e.SetAttribute("alt", "a \"b\"", false); },
            [](auto& e, Position, std::uint8_t) { e.RemoveAttribute("width"); },
            [](auto& e, Position, std::uint8_t) { e.RemoveTagPair(e.Model().SelStart()); },
            [](auto& e, Position, std::uint8_t) {
                e.RenameTagPair(e.Model().SelStart(), "p", false);
            },
            [](auto& e, Position, std::uint8_t) { e.SurroundSelection("<b>", "</b>"); },
            [](auto& e, Position, std::uint8_t) { e.Undo(); },
            [](auto& e, Position, std::uint8_t) { e.Redo(); },
            [](auto& e, Position, std::uint8_t) { e.PasteColored(); },
            [](auto& e, Position, std::uint8_t a) {
                e.Model().MoveCaret(static_cast<Move>(a % 12), a & 1);
            },
            [](auto& e, Position p, std::uint8_t a) { e.Model().Replace(p, a % 5, "\r"); },
        };
        ops[data[i] % 16](edit, pos, arg);
        CheckModel(m);
    }
    return 0;
}
