// Keys the document window handles itself.
#include "editor/DocumentKeys.h"

#include "EditorTestUtil.h"

#include <gtest/gtest.h>

using namespace zn::editor;
using zn::editor::test::LoadWithCaret;
using zn::editor::test::TextWithCaret;

TEST(DocumentKeys, InsertTogglesOverwriteAndPanel) {
    THTMLRichEdit edit;
    DocumentKeys keys(edit);
    LoadWithCaret(edit, "a|bc\r\nd");
    EXPECT_EQ(keys.InsertPanel(), "insert");
    EXPECT_TRUE(keys.KeyDown(EditKey::Insert, {}));
    EXPECT_EQ(keys.InsertPanel(), "");
    edit.Model().Type("XYZ"); // overwrites to the end of the line, never the line break
    EXPECT_EQ(TextWithCaret(edit), "aXYZ|\r\nd");
    EXPECT_FALSE(keys.KeyDown(EditKey::Insert, {true, false, false})); // Shift+Insert is a paste
    EXPECT_EQ(keys.InsertPanel(), "");
    keys.KeyDown(EditKey::Insert, {});
    EXPECT_EQ(keys.InsertPanel(), "insert");
    edit.Model().Type("Q");
    EXPECT_EQ(TextWithCaret(edit), "aXYZQ|\r\nd");
}

TEST(DocumentKeys, AltDeleteRemovesOnePairPerPress) {
    THTMLRichEdit edit;
    DocumentKeys keys(edit);
    LoadWithCaret(edit, "<b><|i>x</i></b>");
    int busy = 0;
    edit.OnBusy = [&](bool on) { busy += on ? 1 : 0; };
    EXPECT_TRUE(keys.KeyDown(EditKey::Delete, {false, false, true}));
    EXPECT_EQ(TextWithCaret(edit), "<b>|x</b>");
    EXPECT_EQ(busy, 1);
    EXPECT_FALSE(edit.InTag);                        // the current tag was updated afterwards
    EXPECT_FALSE(keys.KeyDown(EditKey::Delete, {})); // a plain Delete is the control's
    EXPECT_EQ(edit.Model().Text(), "<b>x</b>");
}

TEST(DocumentKeys, TabOnReleaseAndEnterNoted) {
    THTMLRichEdit edit;
    DocumentKeys keys(edit);
    int continued = 0;
    keys.OnEnterReleased = [&] { ++continued; };
    LoadWithCaret(edit, "a|b");
    EXPECT_TRUE(keys.KeyDown(EditKey::Tab, {}));
    EXPECT_EQ(edit.Model().Text(), "ab");
    keys.KeyUp(EditKey::Tab, {});
    EXPECT_EQ(TextWithCaret(edit), "a\t|b");
    EXPECT_FALSE(keys.KeyDown(EditKey::Tab, {false, true, false}));
    keys.KeyUp(EditKey::Tab, {false, true, false});
    EXPECT_EQ(edit.Model().Text(), "a\tb");
    keys.KeyUp(EditKey::Enter, {});
    EXPECT_EQ(continued, 0); // released without a press first
    EXPECT_FALSE(keys.KeyDown(EditKey::Enter, {}));
    keys.KeyUp(EditKey::Enter, {});
    keys.KeyUp(EditKey::Enter, {});
    EXPECT_EQ(continued, 1);
}

TEST(DocumentKeys, CaretStatus) {
    THTMLRichEdit edit;
    edit.Model().Load("abc\r\nde\r\n");
    EXPECT_EQ(CaretStatusText(edit.Model()), "0:0");
    edit.Model().SetCaret(7);
    EXPECT_EQ(CaretStatusText(edit.Model()), "2:1");
    edit.Model().Select(1, 6); // the selection's end counts
    EXPECT_EQ(CaretStatusText(edit.Model()), "2:1");
    edit.Model().SetCaret(9);
    EXPECT_EQ(CaretStatusText(edit.Model()), "0:2");
}
