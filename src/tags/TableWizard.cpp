// The text of the table wizard's table and its insertion at the caret.
#include "tags/TableWizard.h"

#include "base/TextCase.h"

#include <algorithm>

namespace zn::tags {

using base::TagCase;

void TTableCounts::Clamp() {
    RowsPosition = std::clamp(RowsPosition, 1, 100);
    HeadRowsPosition = std::clamp(HeadRowsPosition, 0, 100);
    ColsPosition = std::clamp(ColsPosition, 1, 100);
    HeadColsPosition = std::clamp(HeadColsPosition, 0, 100);
}

std::string NewTableText(const TTableWizard& table, bool upperCaseTags) {
    auto tag = [upperCaseTags](std::string_view text) { return TagCase(text, upperCaseTags); };
    std::string text = tag("<TABLE BORDER=" + std::to_string(table.Border) + ">");
    if (!table.Caption.empty())
        text += tag("<CAPTION>") + table.Caption + tag("</CAPTION>");
    text += "\r\n";
    for (std::size_t r = 0; r < table.Cells.size(); ++r) {
        text += tag("<TR>");
        const std::vector<std::string>& row = table.Cells[r];
        for (std::size_t c = 0; c < row.size(); ++c) {
            const char* kind =
                IsHeaderCell(int(r), int(c), table.HeaderRows, table.HeaderCols) ? "H>" : "D>";
            text += tag(std::string("<T") + kind) + row[c];
            if (table.CloseTags)
                text += tag(std::string("</T") + kind);
        }
        if (table.CloseTags)
            text += tag("</TR>");
        text += "\r\n";
    }
    return text + tag("</TABLE>");
}

void InsertTable(editor::THTMLRichEdit& edit, const TTableWizard& table, bool upperCaseTags) {
    if (table.Cells.empty() || table.Cells.front().empty())
        return;
    editor::TextModel& model = edit.Model();
    editor::UndoGroup group(model);
    // The table replaces the selection, so it starts where the selection does.
    const editor::Position start = model.SelStart();
    edit.InsertText(NewTableText(table, upperCaseTags));
    model.SetCaret(start + 6);
}

} // namespace zn::tags
