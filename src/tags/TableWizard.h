// The table wizard without its window: the counts of its four up-down controls and the HTML text
// of the table it inserts.
#pragma once

#include "editor/THTMLRichEdit.h"

#include <string>
#include <vector>

namespace zn::tags {

/// The positions of the four up-down controls and the counts they stand for. The two row
/// controls run the other way: raising their position lowers the count.
struct TTableCounts {
    int RowsPosition = 97;     ///< 1-100; body rows = 101 - position
    int HeadRowsPosition = 99; ///< 0-100; header rows = 100 - position
    int ColsPosition = 3;      ///< 1-100; body columns = position
    int HeadColsPosition = 1;  ///< 0-100; header columns = position

    int HeaderRows() const { return 100 - HeadRowsPosition; }
    int HeaderCols() const { return HeadColsPosition; }
    /// Rows of the grid: header rows on top of the body rows.
    int RowCount() const { return 201 - RowsPosition - HeadRowsPosition; }
    /// Columns of the grid: header columns left of the body columns.
    int ColCount() const { return ColsPosition + HeadColsPosition; }
    /// Keeps every position inside its control's range.
    void Clamp();
};

/// A cell at (row, column), both from 0, is a header cell when it lies in the header rows or
/// the header columns.
inline bool IsHeaderCell(int row, int col, int headerRows, int headerCols) {
    return row < headerRows || col < headerCols;
}

/// What the dialog collects. Cell texts are document text (Windows-1250), written as typed.
struct TTableWizard {
    int HeaderRows = 1;
    int HeaderCols = 1;
    int Border = 1;
    std::string Caption;
    bool CloseTags = false;
    std::vector<std::vector<std::string>> Cells; ///< rows of cells, all of the same length
};

/// The table: the TABLE tag with its BORDER, the caption on the same line, one line per row with
/// TH cells in the header rows and columns and TD cells elsewhere, and "</TABLE>".
std::string NewTableText(const TTableWizard& table, bool upperCaseTags);

/// Inserts the table at the caret (over the selection) as one undo step and puts the caret just
/// after "<TABLE", before " BORDER=". Nothing for a table without rows or columns.
void InsertTable(editor::THTMLRichEdit& edit, const TTableWizard& table, bool upperCaseTags);

} // namespace zn::tags
