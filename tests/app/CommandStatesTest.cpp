// The enabling rules: which commands a given moment allows.
#include "app/CommandStates.h"

#include <gtest/gtest.h>

using namespace zn::app;

namespace {

struct Row {
    const char* Title;
    CommandInputs In;
    std::vector<EnableRule> Enabled; ///< every other rule (but Always) is disabled
};

CommandInputs Open(int count = 1) {
    CommandInputs in;
    in.DocumentCount = count;
    return in;
}

template <class Change>
CommandInputs With(CommandInputs in, Change change) {
    change(in);
    return in;
}

constexpr EnableRule kAll[] = {
    EnableRule::DocumentOpen, EnableRule::ActiveModified, EnableRule::AnyModified,
    EnableRule::CutCopy,      EnableRule::Paste,          EnableRule::Undo,
    EnableRule::InTag,        EnableRule::OutsideTag,     EnableRule::ScriptEvents,
    EnableRule::AutoInsert,   EnableRule::TextTarget,
};

} // namespace

TEST(CommandStates, TableOfRules) {
    using R = EnableRule;
    const Row rows[] = {
        {"nothing open", {}, {}},
        {"nothing open, stale flags ignored",
         With({}, [](auto& in) { in.ActiveModified = in.AnyModified = in.CanUndo = true; }),
         {}},
        {"one clean document", Open(), {R::DocumentOpen, R::OutsideTag}},
        {"active modified",
         With(Open(), [](auto& in) { in.ActiveModified = in.AnyModified = true; }),
         {R::DocumentOpen, R::ActiveModified, R::AnyModified, R::OutsideTag}},
        {"another document modified",
         With(Open(2), [](auto& in) { in.AnyModified = true; }),
         {R::DocumentOpen, R::AnyModified, R::OutsideTag}},
        {"selection without focus",
         With(Open(), [](auto& in) { in.EditorHasSelection = true; }),
         {R::DocumentOpen, R::OutsideTag}},
        {"focused editor with selection",
         With(Open(), [](auto& in) { in.EditorFocused = in.EditorHasSelection = true; }),
         {R::DocumentOpen, R::CutCopy, R::OutsideTag}},
        {"field selection without documents",
         With({}, [](auto& in) { in.FieldHasSelection = true; }),
         {R::CutCopy}},
        {"clipboard text",
         With(Open(), [](auto& in) { in.ClipboardHasText = true; }),
         {R::DocumentOpen, R::Paste, R::OutsideTag}},
        {"clipboard text without documents",
         With({}, [](auto& in) { in.ClipboardHasText = true; }),
         {}},
        {"undo",
         With(Open(), [](auto& in) { in.CanUndo = true; }),
         {R::DocumentOpen, R::Undo, R::OutsideTag}},
        {"in a tag", With(Open(), [](auto& in) { in.InTag = true; }), {R::DocumentOpen, R::InTag}},
        {"in a tag taking events",
         With(Open(),
              [](auto& in) {
                  in.InTag = true;
                  in.CurrentTagName = "A";
                  in.TakesScriptEvents = [](const std::string& name) { return name == "A"; };
              }),
         {R::DocumentOpen, R::InTag, R::ScriptEvents}},
        {"in a tag not taking events",
         With(Open(),
              [](auto& in) {
                  in.InTag = true;
                  in.CurrentTagName = "BR";
                  in.TakesScriptEvents = [](const std::string& name) { return name == "A"; };
              }),
         {R::DocumentOpen, R::InTag}},
        {"definitions window",
         With(Open(), [](auto& in) { in.AutoDefWindowExists = true; }),
         {R::DocumentOpen, R::OutsideTag, R::AutoInsert}},
        {"definitions window without documents",
         With({}, [](auto& in) { in.AutoDefWindowExists = true; }),
         {}},
        {"text target", With({}, [](auto& in) { in.TextTargetExists = true; }), {R::TextTarget}},
    };
    for (const Row& row : rows) {
        EXPECT_TRUE(IsEnabled(R::Always, row.In)) << row.Title;
        for (const EnableRule rule : kAll) {
            const bool expected =
                std::find(row.Enabled.begin(), row.Enabled.end(), rule) != row.Enabled.end();
            EXPECT_EQ(IsEnabled(rule, row.In), expected)
                << row.Title << ", rule " << static_cast<int>(rule);
        }
    }
}

TEST(CommandStates, InspectorFollowsTheHtmlMenuAndTheSetting) {
    EXPECT_FALSE(InspectorVisible({}, true));
    EXPECT_TRUE(InspectorVisible(Open(), true));
    EXPECT_FALSE(InspectorVisible(Open(), false));
}
