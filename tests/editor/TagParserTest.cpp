// Parsing tag texts and finding tags in strings.
#include "editor/TagParser.h"

#include <gtest/gtest.h>

using namespace zn::editor;

namespace {

struct ParsedAttr {
    std::string name;
    std::string value;
    Position nameOffset;
    Position equalsOffset;
    Position valueOffset;
};

struct ParseCase {
    std::string text;
    std::string name;
    Position nameOffset;
    std::vector<ParsedAttr> attributes;
};

class ParseTagTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTagTest, NameAndAttributes) {
    const ParseCase& c = GetParam();
    std::string name = "stale";
    Position nameOffset = 99;
    TTagParameters params(3); // stale items must go
    ParseTag(c.text, name, nameOffset, params);
    EXPECT_EQ(name, c.name);
    EXPECT_EQ(nameOffset, c.nameOffset);
    ASSERT_EQ(params.size(), c.attributes.size());
    for (std::size_t i = 0; i < params.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(params[i].ParamName, c.attributes[i].name);
        EXPECT_EQ(params[i].ParamValue, c.attributes[i].value);
        EXPECT_EQ(params[i].NameOffset, c.attributes[i].nameOffset);
        EXPECT_EQ(params[i].EqualsOffset, c.attributes[i].equalsOffset);
        EXPECT_EQ(params[i].ValueOffset, c.attributes[i].valueOffset);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tags, ParseTagTest,
    ::testing::Values(
        ParseCase{"", "", 0, {}}, ParseCase{"   \r\n ", "", 0, {}},
        ParseCase{"a href = \"x y\" target=_top noshade",
                  "a",
                  0,
                  {{"href", "\"x y\"", 2, 7, 9},
                   {"target", "_top", 15, 21, 22},
                   {"noshade", "", 27, -1, -1}}},
        // A self-closing tag: the slash is a valueless attribute.
        ParseCase{"IMG SRC=a.gif /", "IMG", 0, {{"SRC", "a.gif", 4, 7, 8}, {"/", "", 14, -1, -1}}},
        // A closing tag keeps its slash in the name; leading blanks move the name.
        ParseCase{"  /TD", "/TD", 2, {}},
        // A line break separates like a blank; a tab does not.
        ParseCase{"a\r\nhref=x\tb=c", "a", 0, {{"href", "x\tb=c", 3, 7, 8}}},
        ParseCase{"a\thref=x", "a\thref=x", 0, {}},
        // Single quotes mean nothing: the value ends at the next blank.
        ParseCase{"a title='x y'", "a", 0, {{"title", "'x", 2, 7, 8}, {"y'", "", 11, -1, -1}}},
        // An unterminated quote takes the rest of the text.
        ParseCase{"a alt=\"x y", "a", 0, {{"alt", "\"x y", 2, 5, 6}}},
        // "=" at the end: an equals sign but no value; the last "=" met counts.
        ParseCase{"img alt=", "img", 0, {{"alt", "", 4, 7, -1}}},
        ParseCase{"a x = = y", "a", 0, {{"x", "y", 2, 6, 8}}},
        // A quoted value followed directly by the next attribute.
        ParseCase{"a b=\"1\"c=2", "a", 0, {{"b", "\"1\"", 2, 3, 4}, {"c", "2", 7, 8, 9}}},
        // ">" inside a quoted value never reaches the parser; "<" is an ordinary character.
        ParseCase{"!-- koment\xE1\xF8 --",
                  "!--",
                  0,
                  {{"koment\xE1\xF8", "", 4, -1, -1}, {"--", "", 13, -1, -1}}}));

struct NextCase {
    std::string text;
    Position start;
    std::optional<Position> result;
    std::string tagText;
};

class NextTagInTextTest : public ::testing::TestWithParam<NextCase> {};

TEST_P(NextTagInTextTest, Finds) {
    const NextCase& c = GetParam();
    std::string tagText = "stale";
    EXPECT_EQ(NextTagInText(c.text, c.start, tagText), c.result);
    EXPECT_EQ(tagText, c.tagText);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NextTagInTextTest,
    ::testing::Values(NextCase{"ab <b> c", 0, 4, "b"}, NextCase{"<b>", 0, 1, "b"},
                      NextCase{"<>", 0, 1, ""}, NextCase{"no tags", 0, std::nullopt, ""},
                      NextCase{"a < b", 0, std::nullopt, ""},
                      NextCase{"a > b", 0, std::nullopt, ""},
                      // Starting inside a tag skips past its ">" first.
                      NextCase{"<a href=x><i>", 2, 11, "i"},
                      // After a stray ">" and another ">" before the "<": an empty tag text.
                      NextCase{"x>y>z<b>", 0, 6, ""},
                      // Only one retry: the ">" of the first tag and then no "<".
                      NextCase{"<a>b>", 1, std::nullopt, ""}, NextCase{"<a><b>", 1, 4, "b"},
                      NextCase{"<a>", 3, std::nullopt, ""}));

} // namespace
