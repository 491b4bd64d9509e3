// The tag walker: the pieces around each tag, names and parameters, writing pieces back.
#include "editor/TREhook.h"

#include <gtest/gtest.h>

namespace zn::editor {
namespace {

struct Walk {
    THTMLRichEdit edit;
    TREhook hook;
    explicit Walk(const std::string& text) {
        edit.Model().Load(text);
        hook.SetRichEd(&edit);
    }
};

TEST(TREhookTest, PiecesOfEachTag) {
    struct Step {
        const char* pred;
        const char* tag;
        const char* za;
    };
    Walk w("a>b<P>x<BR >tail");
    const Step steps[] = {{"b", "P", "x"}, {"x", "BR ", "tail"}};
    for (const Step& s : steps) {
        ASSERT_TRUE(w.hook.FindNext());
        EXPECT_EQ(w.hook.TextPred(), s.pred);
        EXPECT_EQ(w.hook.TagText(), s.tag);
        EXPECT_EQ(w.hook.TextZa(), s.za); // the last runs to the end of the text
    }
    EXPECT_FALSE(w.hook.FindNext());
    EXPECT_EQ(w.hook.TagText(), "BR ");
}

TEST(TREhookTest, NamesAndParameters) {
    struct Case {
        const char* tag;
        const char* name;
        int count;
        const char* param;
        bool found;
        const char* value;
    };
    const Case cases[] = {
        {"  BODY  text=\"#FF0000\"   link=blue", "BODY", 2, "TEXT", true, "#FF0000"},
        {"BODY\r\nTEXT=red", "BODY\r\nTEXT=red", 0, "TEXT", false, ""},
        {"BODY text = red", "BODY", 3, "TEXT", true, ""},
        {"IMG alt=\"a b\"src=x", "IMG", 2, "SRC", true, "x"},
        {"INPUT checked", "INPUT", 1, "CHECKED", true, ""},
    };
    for (const Case& c : cases) {
        Walk w(std::string("<") + c.tag + ">");
        ASSERT_TRUE(w.hook.FindNext());
        EXPECT_EQ(w.hook.TagName(), c.name) << c.tag;
        EXPECT_EQ(w.hook.ParamCount(), c.count) << c.tag;
        std::string value = "?";
        EXPECT_EQ(w.hook.GetParam(c.param, value), c.found) << c.tag;
        EXPECT_EQ(value, c.value) << c.tag;
    }
}

TEST(TREhookTest, TagAfterLongScriptIsFound) {
    Walk w("<SCRIPT>" + std::string(70000, 'x') + "</SCRIPT><BODY>");
    std::string names;
    while (w.hook.FindNext()) {
        names += w.hook.TagName() + ";";
    }
    EXPECT_EQ(names, "SCRIPT;/SCRIPT;BODY;");
}

TEST(TREhookTest, UnclosedTagEndsTheWalkAtTheStart) {
    Walk w("<A>x>y<B"); // a stray ">" before the unclosed "<"
    ASSERT_TRUE(w.hook.FindNext());
    EXPECT_FALSE(w.hook.FindNext());
    EXPECT_EQ(w.hook.TagText(), "");
    ASSERT_TRUE(w.hook.FindNext()); // the walk starts over
    EXPECT_EQ(w.hook.TagText(), "A");
}

TEST(TREhookTest, WritesMoveTheLaterPieces) {
    Walk w("ab<P>cd<I>");
    ASSERT_TRUE(w.hook.FindNext());
    w.edit.Model().SetCaret(1);
    w.hook.SetTextPred("A");
    w.hook.SetTagText("P ALIGN=left");
    w.hook.SetTextZa("CDE");
    EXPECT_EQ(w.edit.Model().Text(), "A<P ALIGN=left>CDE<I>");
    EXPECT_EQ(w.edit.Model().SelStart(), 1) << "the user's caret stays";
    ASSERT_TRUE(w.hook.FindNext());
    EXPECT_EQ(w.hook.TextPred(), "CDE");
    EXPECT_EQ(w.hook.TagText(), "I");
}

} // namespace
} // namespace zn::editor
