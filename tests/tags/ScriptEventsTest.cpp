// Script events: the events each tag takes and writing changed reactions.
#include "tags/ScriptEvents.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zn::tags {
namespace {

std::vector<std::string> EventsOf(const std::string& tag) {
    editor::THTMLRichEdit edit;
    edit.Model().Load(tag);
    edit.Model().SetCaret(1);
    std::vector<std::string> events;
    for (const TEventRow& row : ReadEvents(edit)) {
        events.push_back(row.Event);
    }
    return events;
}

TEST(ScriptEventsTest, EventsOfTags) {
    EXPECT_EQ(EventTags().size(), 75U);
    EXPECT_EQ(std::count_if(EventTags().begin(), EventTags().end(),
                            [](const TEventTag& t) { return std::string(t.Name) == "small"; }),
              2);
    struct Case {
        const char* tag;
        std::size_t count;
        const char* last;
    };
    const Case cases[] = {{"<b>", 10, "onkeyup"},        {"<BODY>", 12, "onunload"},
                          {"<frameset>", 2, "onunload"}, {"<Input>", 14, "onselect"},
                          {"<center>", 0, ""},           {"<font>", 0, ""}};
    for (const Case& c : cases) {
        const std::vector<std::string> events = EventsOf(c.tag);
        EXPECT_EQ(events.size(), c.count) << c.tag;
        EXPECT_EQ(events.empty() ? "" : events.back(), c.last) << c.tag;
    }
    EXPECT_EQ(EventsOf("<frameset>").front(), "onload");
}

TEST(ScriptEventsTest, OnlyChangedRowsAreWritten) {
    const std::string tag = "<A HREF=\"x\" onclick=\"old\" onmouseover=keep>";
    editor::THTMLRichEdit edit;
    edit.Model().Load(tag);
    edit.Model().SetCaret(2);
    std::vector<TEventRow> rows = ReadEvents(edit);
    ASSERT_EQ(rows.size(), 12U);
    EXPECT_EQ(rows[0].OldValue, "old");
    rows[0].Value = "";
    rows[1].Value = "alert(\"x\")";
    WriteEvents(edit, rows, true);
    EXPECT_EQ(edit.Model().Text(),
              "<A HREF=\"x\" onmouseover=keep ONDBLCLICK=\"alert(&quot;x&quot;)\">");
    std::string value;
    ASSERT_TRUE(edit.InTag);
    EXPECT_TRUE(edit.GetAttributeValue("ondblclick", value));
    EXPECT_EQ(ReadEvents(edit)[1].Value, "alert(\"x\")");
    edit.Model().Undo();
    EXPECT_EQ(edit.Model().Text(), tag);
}

} // namespace
} // namespace zn::tags
