// The frameset wizard's shares, percentages and document text.
#include "structure/FrameWizard.h"

#include <gtest/gtest.h>

using namespace zn::structure;

namespace {

/// A grid of frames with default names and equal shares of 300 × 300 pixels.
TFrameDocument Grid(int rows, int cols) {
    TFrameDocument document;
    for (int r = 1; r <= rows; ++r) {
        document.Cells.emplace_back();
        for (int c = 1; c <= cols; ++c)
            document.Cells.back().push_back(
                {"f" + std::to_string(r) + std::to_string(c), DefaultFrame(c, r)});
    }
    document.Height = document.Width = 300;
    document.RowHeights = EqualShares(300, rows);
    document.ColWidths = EqualShares(300, cols);
    return document;
}

} // namespace

TEST(FrameWizard, SharesAndPercentsRoundHalvesToEven) {
    EXPECT_EQ(EqualShares(301, 3), (std::vector<int>{100, 100, 101}));
    struct {
        int share, extent, percent;
    } rows[] = {{1, 8, 12},     {3, 8, 38},    {1, 200, 0}, {3, 200, 2},
                {100, 300, 33}, {90, 300, 30}, {2, 3, 67}};
    for (const auto& row : rows)
        EXPECT_EQ(SharePercent(row.share, row.extent), row.percent)
            << row.share << "/" << row.extent;
}

TEST(FrameWizard, OneCellWholeDocument) {
    TFrameDocument document = Grid(1, 1);
    document.Title = "N\xE1zev";
    document.NoFrames = {"Bez <b>r\xE1m\xF9</b>", ""};
    EXPECT_EQ(FrameDocumentText(document, true),
              "<HTML>\r\n<HEAD>\r\n<TITLE>N\xE1zev</TITLE>\r\n</HEAD>\r\n"
              "<FRAMESET BORDER=3>\r\n"
              "  <FRAME SRC=\"f11\" NAME=\"1x1_r\xE1m\" SCROLLING=AUTO>\r\n"
              "</FRAMESET>\r\n"
              "<NOFRAMES>\r\n<BODY>\r\nBez <b>r\xE1m\xF9</b>\r\n\r\n</BODY>\r\n</NOFRAMES>\r\n"
              "</HTML>\r\n");
}

TEST(FrameWizard, RowsColumnsNoresizeAndFramesetOnly) {
    TFrameDocument document = Grid(3, 2);
    document.FramesetOnly = true;
    document.Border = 0;
    document.Cells[2][1].Frame.Resizable = false;
    document.Cells[2][1].Frame.Scrolling = 1;
    document.Cells[0][0].Frame.Scrolling = 0;
    document.RowHeights = {90, 100, 110};
    EXPECT_EQ(FrameDocumentText(document, false),
              "<frameset rows=\"30%,33%,*\" cols=\"50%,*\" border=0>\r\n"
              "  <frame src=\"f11\" name=\"1x1_r\xE1m\" scrolling=yes>\r\n"
              "  <frame src=\"f12\" name=\"2x1_r\xE1m\" scrolling=auto>\r\n"
              "  <frame src=\"f21\" name=\"1x2_r\xE1m\" scrolling=auto>\r\n"
              "  <frame src=\"f22\" name=\"2x2_r\xE1m\" scrolling=auto>\r\n"
              "  <frame src=\"f31\" name=\"1x3_r\xE1m\" scrolling=auto>\r\n"
              "  <frame src=\"f32\" name=\"2x3_r\xE1m\" scrolling=no noresize>\r\n"
              "</frameset>\r\n");
}

TEST(FrameWizard, InsertionReplacesTheTextAsOneUndoStep) {
    zn::editor::THTMLRichEdit edit;
    edit.Model().Load("old text");
    edit.Model().SetCaret(3);
    TFrameDocument document = Grid(2, 1);
    document.FramesetOnly = true;
    InsertFrameDocument(edit, document, true, true);
    EXPECT_EQ(edit.Model().Text().substr(0, 32), "<FRAMESET ROWS=\"50%,*\" BORDER=3>");
    edit.Undo();
    EXPECT_EQ(edit.Model().Text(), "old text");
}
