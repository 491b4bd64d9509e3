// UTF-8 documents in the text model and its layout: whole characters for the caret, edits, x
// positions and rows.
#include "base/Utf8.h"
#include "editor/TextLayout.h"

#include <gtest/gtest.h>

#include <random>

namespace zn::editor {
namespace {

TEST(Utf8Text, SnapKeepsWholeCharactersAndLetsBrokenBytesStandAlone) {
    struct Row {
        std::string text;
        Position pos, back, forward;
    };
    const Row rows[] = {
        {"a\xC5\x99"
         "b",
         2, 1, 3},                      // inside "ř"
        {"\xE2\x82\xAC", 1, 0, 3},      // "€", after its lead
        {"\xE2\x82\xAC", 2, 0, 3},      // and before its last byte
        {"\xF0\x9F\x98\x80x", 3, 0, 4}, // four bytes
        {"\xC5"
         "a\x99",
         2, 2, 2}, // broken: a lone continuation byte
        {"\xE2\x82"
         "a",
         1, 1, 1},                         // broken: a sequence cut short
        {"\x99\x99\x99\x99\x99", 3, 3, 3}, // continuation bytes only
        {"\xC5\x99\r\n", 3, 2, 4},         // between CR and LF still
    };
    for (const Row& row : rows) {
        TextModel model;
        model.SetUtf8(true);
        model.Load(row.text);
        EXPECT_EQ(model.Snap(row.pos), row.back) << row.text << " " << row.pos;
        EXPECT_EQ(model.Snap(row.pos, true), row.forward) << row.text << " " << row.pos;
    }
}

TEST(Utf8Text, CaretMovesAndDeletesWholeCharacters) {
    TextModel model;
    model.SetUtf8(true);
    model.Load("\xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD k\xC5\xAF\xC5\x88"); // "žluťoučký kůň"
    model.MoveCaret(Move::CharRight, false);
    EXPECT_EQ(model.Sel().caret, 2);
    model.MoveCaret(Move::WordRight, false);
    EXPECT_EQ(model.Sel().caret, 14); // after the blank: the Czech letters belong to the word
    model.MoveCaret(Move::LineEnd, false);
    model.Backspace();
    EXPECT_EQ(model.Text(), "\xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD k\xC5\xAF");
    model.SetCaret(0);
    model.DeleteForward();
    EXPECT_EQ(model.Text().substr(0, 2), "lu");
    // Deleting the letter between a lead byte and a continuation byte joins them into "ř":
    // the caret may not stay between them.
    model.Load("\xC5x\x99");
    model.SetCaret(2);
    model.Backspace();
    EXPECT_EQ(model.Sel().caret, 0);
}

std::array<double, 256> Advances() {
    std::array<double, 256> a{};
    a.fill(7);
    return a;
}

TEST(Utf8Text, LayoutMeasuresCodePointsAndBreaksBetweenCharacters) {
    TextModel model;
    model.SetUtf8(true);
    model.Load("a\xC5\x99"
               "b\xC5"
               "c"); // "a", "ř", "b", a broken byte, "c"
    TextLayout layout(model);
    layout.SetMetrics(Advances(), 28, [](char32_t c) { return c == 0xFFFD ? 5.0 : 10.0; });
    const double xs[] = {0, 7, 17, 17, 24, 29, 36};
    for (Position pos = 0; pos <= model.Length(); ++pos) {
        EXPECT_DOUBLE_EQ(layout.XOfPosition(pos), xs[pos == 2 ? 1 : pos]) << pos;
    }
    for (double x = 0; x < 40; x += 0.5) {
        const Position at = layout.PositionAtX(0, x);
        EXPECT_EQ(model.Snap(at), at) << x;
    }
    // Rows of wrapped text, short and long lines, start between characters, and every x is
    // the sum of the advances before it.
    std::mt19937 rng(24);
    const std::string pieces[] = {"\xC5\x99", "\xE2\x82\xAC", "a", " ", "\xC3", "\xF0\x9F\x98\x80"};
    std::string text;
    for (int i = 0; i < 6000; ++i) {
        text += pieces[rng() % 6];
    }
    model.Load(text + "\r\n" + text.substr(0, 300));
    layout.SetWrapWidth(0);
    TextLayout fresh(model);
    fresh.SetMetrics(Advances(), 28, [](char32_t c) { return c == 0xFFFD ? 5.0 : 10.0; });
    for (Position pos = 0; pos < model.Length(); pos += 97) {
        const Position at = model.Snap(pos);
        EXPECT_DOUBLE_EQ(layout.XOfPosition(at), fresh.XOfPosition(at)) << at;
        EXPECT_EQ(model.Snap(layout.PositionAtX(0, pos * 3.0)), layout.PositionAtX(0, pos * 3.0));
    }
    layout.SetWrapWidth(100);
    for (Position row = 0; row < layout.RowCount(); ++row) {
        EXPECT_EQ(model.Snap(layout.RowStart(row)), layout.RowStart(row)) << row;
    }
}

TEST(Utf8Text, InterfaceTextKeepsValidTextAndMarksBrokenBytes) {
    EXPECT_EQ(base::DocumentToUtf8("\xC5\x99\xC5", true), "\xC5\x99\xEF\xBF\xBD");
    EXPECT_EQ(base::DocumentToUtf8("\xF8", false), "\xC5\x99");
    EXPECT_EQ(base::Utf8ToDocument("\xE2\x89\xA0", true), "\xE2\x89\xA0");
    EXPECT_EQ(base::Utf8ToDocument("\xE2\x89\xA0", false), "&#8800;");
}

} // namespace
} // namespace zn::editor
