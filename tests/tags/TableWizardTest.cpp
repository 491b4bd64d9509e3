// The table wizard's counts, its table text in every header arrangement, and the insertion.
#include "tags/TableWizard.h"

#include "editor/EditorTestUtil.h"

#include <gtest/gtest.h>

using namespace zn::tags;

namespace {

TTableWizard Grid(int headerRows, int headerCols, std::vector<std::vector<std::string>> cells) {
    TTableWizard table;
    table.HeaderRows = headerRows;
    table.HeaderCols = headerCols;
    table.Cells = std::move(cells);
    return table;
}

struct Row {
    const char* name;
    TTableWizard table;
    bool upper;
    const char* expected;
};

TTableWizard With(TTableWizard table, int border, std::string caption, bool close) {
    table.Border = border;
    table.Caption = std::move(caption);
    table.CloseTags = close;
    return table;
}

const std::vector<std::vector<std::string>> kAbcd = {{"a", "b"}, {"c", "d"}};

const Row kRows[] = {
    {"one header row and column", Grid(1, 1, kAbcd), true,
     "<TABLE BORDER=1>\r\n<TR><TH>a<TH>b\r\n<TR><TH>c<TD>d\r\n</TABLE>"},
    {"no headers", Grid(0, 0, kAbcd), true,
     "<TABLE BORDER=1>\r\n<TR><TD>a<TD>b\r\n<TR><TD>c<TD>d\r\n</TABLE>"},
    {"all columns are headers", Grid(0, 2, kAbcd), true,
     "<TABLE BORDER=1>\r\n<TR><TH>a<TH>b\r\n<TR><TH>c<TH>d\r\n</TABLE>"},
    {"lower case keeps the cell and caption text",
     With(Grid(1, 0, {{"A"}, {"B"}}), 1, "Ceny", true), false,
     "<table border=1><caption>Ceny</caption>\r\n<tr><th>A</th></tr>\r\n<tr><td>B</td></tr>\r\n"
     "</table>"},
    {"border 0 is written", With(Grid(0, 0, {{""}}), 0, "", false), true,
     "<TABLE BORDER=0>\r\n<TR><TD>\r\n</TABLE>"},
    {"cell text is the user's HTML", Grid(0, 0, {{"<b>&amp;</b>\r\nx"}}), true,
     "<TABLE BORDER=1>\r\n<TR><TD><b>&amp;</b>\r\nx\r\n</TABLE>"},
};

} // namespace

TEST(TableWizard, TextForEveryArrangement) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(NewTableText(row.table, row.upper), row.expected);
    }
}

TEST(TableWizard, RowControlsRunTheOtherWay) {
    TTableCounts counts;
    EXPECT_EQ(counts.RowCount(), 5);
    EXPECT_EQ(counts.ColCount(), 4);
    EXPECT_EQ(counts.HeaderRows(), 1);
    counts.RowsPosition = 100;
    counts.HeadRowsPosition = 100;
    counts.ColsPosition = 0;
    counts.Clamp();
    EXPECT_EQ(counts.RowCount(), 1);
    EXPECT_EQ(counts.HeaderRows(), 0);
    EXPECT_EQ(counts.ColCount(), 2);
}

TEST(TableWizard, InsertsOverTheSelectionAsOneStepWithTheCaretBeforeBorder) {
    zn::editor::THTMLRichEdit edit;
    zn::editor::test::LoadWithCaret(edit, "x[old]y");
    InsertTable(edit, Grid(0, 0, {{"a"}}), true);
    EXPECT_EQ(zn::editor::test::TextWithCaret(edit),
              "x<TABLE| BORDER=1>\r\n<TR><TD>a\r\n</TABLE>y");
    edit.Undo();
    EXPECT_EQ(edit.Model().Text(), "xoldy");
}
