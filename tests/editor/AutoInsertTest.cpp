// Automatic insertion: text functions with a fixed clock, their faults, the ".chn" format with
// hostile files, the list operations and the run over a document as one undo step.
#include "editor/AutoInsert.h"
#include "base/Cp1250.h"
#include "editor/THTMLRichEdit.h"

#include <gtest/gtest.h>

namespace zn::editor {
namespace {

using namespace std::chrono;
using base::Utf8ToCp1250;

/// Saturday 5 December 2026, 9:07:03.
const LocalTime kNow = LocalTime{local_days{year{2026} / 12 / 5}} + 9h + 7min + 3s;

struct ExpandCase {
    const char* text;
    const char* expected;   ///< UTF-8; nullptr when an error is expected
    const char* error = ""; ///< a part of the error message
};

class ExpandCases : public ::testing::TestWithParam<ExpandCase> {};

TEST_P(ExpandCases, GiveTheValueOrStopWithAMessageNamingTheFunction) {
    const ExpandCase& c = GetParam();
    const ExpandResult result = ExpandFunctions(Utf8ToCp1250(c.text), kNow);
    if (c.expected) {
        EXPECT_EQ(result.Error, "");
        EXPECT_EQ(result.Text, Utf8ToCp1250(c.expected));
    } else {
        EXPECT_NE(result.Error.find(c.error), std::string::npos) << result.Error;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Functions, ExpandCases,
    ::testing::Values(
        ExpandCase{R"(dne *fnc*(DATE,"d.m.yyyy") ok)", "dne 5.12.2026 ok"},
        ExpandCase{R"(*FNC*(date,"dddd dd.mm.yy hh:nn:ss",-5))", "pondělí 30.11.26 09:07:03"},
        ExpandCase{R"(*fnc*(DATE,"dddddd 'v' h:mm"))", "5. prosince 2026 v 9:07"},
        ExpandCase{"*fnc*(SUM,1,*fnc*(MULT,2,3))", "7"},
        ExpandCase{"*fnc*(SUM,1, 2)*fnc*(SUM)*fnc*(MULT)", "301"},
        ExpandCase{"*fnc*( SUM,1,2)|", "|"}, ExpandCase{R"(*fnc*(UPPERCASE,"a, b"))", "A, B"},
        ExpandCase{R"~(*fnc*(LOWERCASE,"ŽLUŤOUČKÝ (X)"))~", "žluťoučký (x)"},
        ExpandCase{"*fnc*(SUB,10,3,$A)*fnc*(DIV,-7,2)*fnc*(DIV,0x10,-4)", "-3-3-4"},
        ExpandCase{"*fnc*(SUM,*fnc*(SUB,5,1),-2147483648)", "-2147483644"},
        ExpandCase{"a *fnc*(SUM,1,2 b", "a *fnc*(SUM,1,2 b"},
        ExpandCase{"*fnc*(SUM,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1)", "19"},
        ExpandCase{"*fnc*(SUM,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1)", nullptr, "SUM: volání má"},
        ExpandCase{"*fnc*(DIV,1,0)", nullptr, "DIV: dělení nulou"},
        ExpandCase{"*fnc*(DIV,-2147483648,-1)", nullptr, "DIV: výsledek přesahuje"},
        ExpandCase{"*fnc*(MULT,65536,65536)", nullptr, "MULT: výsledek přesahuje"},
        ExpandCase{"*fnc*(SUM,2147483647,1)", nullptr, "SUM: výsledek přesahuje"},
        ExpandCase{"*fnc*(SUM,2147483648)", nullptr, "SUM: „2147483648“ není"},
        ExpandCase{"*fnc*(SUM,1 )", nullptr, "SUM: „1 “ není"},
        ExpandCase{"*fnc*(SUB)", nullptr, "SUB: „“ není"},
        ExpandCase{"*fnc*(DATE,d,x)", nullptr, "DATE: „x“ není"},
        ExpandCase{"*fnc*(DATE,d,2147483647)", nullptr, "DATE: datum je mimo"}));

TEST(FormatDateTime, PatternLettersInAnyCaseWithCzechNamesAndSeparators) {
    const LocalTime when = kNow + 45ms;
    const std::pair<const char*, const char*> cases[] = {
        {"d/m/yy", "5.12.26"},
        {"DD.MM.YYYY", "05.12.2026"},
        {"ddd dddd", "so sobota"},
        {"mmm mmmm", "pro prosinec"},
        {"ddddd|dddddd", "5.12.2026|5. prosince 2026"},
        {"h:m:s hh:mm:ss", "9:7:3 09:07:03"},
        {"hh nn mm", "09 07 12"},
        {"t|tt|c", "9:07|9:07:03|5.12.2026 9:07:03"},
        {"z zzz", "45 045"},
        {"'d' \"yyyy\" x", "d yyyy x"},
    };
    for (const auto& [pattern, expected] : cases) {
        EXPECT_EQ(FormatDateTime(pattern, when), Utf8ToCp1250(expected)) << pattern;
    }
}

TEST(ExpandFunctions, DeepNestingStopsInsteadOfExhaustingTheStack) {
    std::string text;
    for (int i = 0; i < 5000; ++i) {
        text += "*fnc*(SUM,";
    }
    text += std::string(5000, ')');
    EXPECT_NE(ExpandFunctions(text, kNow).Error.find("vnořena"), std::string::npos);
}

TEST(ChnFile, SavingOneDefinitionWritesTheKnownBytesAndReadsThemBack) {
    const std::vector<TAutoDef> items = {
        {"zk", "x\r\n", true}, {"off", "a\r\n\r\nb\r\n", false}, {"empty", "", true}};
    const std::string bytes = ChnBytes(items);
    EXPECT_EQ(bytes.substr(0, 7), std::string("zk\0\1x\r\n\0", 7));
    const ChnContent read = ParseChn(bytes);
    EXPECT_EQ(read.Items, items);
    EXPECT_EQ(read.Skipped, 0);
    EXPECT_EQ(ChnBytes(read.Items), bytes);
}

struct ChnCase {
    std::string bytes;
    std::size_t loaded;
    int skipped;
};

TEST(ChnFile, HostileFilesLoadWhatIsCompleteAndCountTheRest) {
    const ChnCase cases[] = {
        {std::string("a\0\1x\r\n\0b\0\1tex", 13), 1, 1},    // cut inside the text
        {std::string("a\0\1x\0b\0", 8), 1, 1},              // cut before the tick
        {std::string("a\0\1x\0A\0\0y\0\0\1z\0", 14), 1, 2}, // repeated name, empty name
        {std::string("\xff\xfe\x01\x02", 4), 0, 1},         // binary without any byte 0
        {std::string("a\0\7x\ny\rz\0", 9), 1, 0},
    };
    for (const ChnCase& c : cases) {
        const ChnContent read = ParseChn(c.bytes);
        EXPECT_EQ(read.Items.size(), c.loaded) << c.bytes;
        EXPECT_EQ(read.Skipped, c.skipped) << c.bytes;
    }
    EXPECT_EQ(ParseChn(cases[4].bytes).Items[0], (TAutoDef{"a", "x\r\ny\r\nz\r\n", false}));
}

TEST(TAutoDefList, KeepsNamesUniqueAndTheSelectionWhereTheUserExpects) {
    TAutoDefList list;
    EXPECT_TRUE(list.Add("beta"));
    EXPECT_TRUE(list.Add(Utf8ToCp1250("čaj")));
    EXPECT_TRUE(list.Add("alfa"));
    EXPECT_FALSE(list.Add(Utf8ToCp1250("ČAJ")));
    EXPECT_TRUE(list.Add("cukr"));
    list.Select(0);
    list.Sort(); // alfa beta cukr čaj, beta still selected
    EXPECT_EQ(list.Selected(), 1);
    EXPECT_EQ(list.Items()[3].Abbreviation, Utf8ToCp1250("čaj"));
    EXPECT_FALSE(list.Rename("ALFA"));
    EXPECT_TRUE(list.Rename("Beta"));
    list.Current()->Ticked = false;
    EXPECT_TRUE(list.Move(1));
    EXPECT_EQ(list.Selected(), 2);
    EXPECT_FALSE(list.Items()[2].Ticked);
    list.InvertTicks();
    EXPECT_TRUE(list.Items()[2].Ticked && !list.Items()[0].Ticked);
    list.Select(3);
    list.Remove();
    EXPECT_EQ(list.Selected(), 2);
    EXPECT_FALSE(list.Move(1));
}

TEST(AutoInsert, RunsInOrderAsOneUndoStepAndKeepsEarlierWorkOnAnError) {
    const std::string page = "<p>DNES: dn, Qx</p>xqx";
    THTMLRichEdit edit;
    edit.Model().Load(page);
    const std::vector<TAutoDef> items = {
        {"dn",
         R"(*fnc*(DATE,"d.m.yyyy") qx)"
         "\r\n",
         true},
        {"qx", "[Q]\r\n", true},
        {"p>", "nikdy\r\n", false},
        {"zz", "*fnc*(DIV,1,0)\r\n", true},
        {"xq", "neprovede se\r\n", true},
    };
    const AutoInsertResult result = AutoInsertDocument(edit, items, kNow);
    EXPECT_EQ(result.Replaced, 6);
    EXPECT_NE(result.Error.find("DIV"), std::string::npos);
    EXPECT_EQ(edit.Model().Text(), "<p>5.12.2026 [Q]ES: 5.12.2026 [Q], [Q]</p>x[Q]");
    edit.Model().Undo();
    EXPECT_EQ(edit.Model().Text(), page);
}

} // namespace
} // namespace zn::editor
