// The frameset wizard without its window: the frames of its grid, the shares of the grid's rows
// and columns, and the text of the frameset document.
#pragma once

#include "editor/THTMLRichEdit.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zn::structure {

/// One frame cell of the wizard's grid. Texts are document text (Windows-1250).
struct TFrame {
    std::string Name;
    uint8_t Scrolling = 2; ///< 0 yes, 1 no, 2 auto
    bool OpenAfter = true; ///< "Otevřít potom soubor"
    bool Resizable = true; ///< "Volitelná velikost"
};

/// A new cell's frame: named column + "x" + row + "_rám" (both from 1), the other defaults.
TFrame DefaultFrame(int column, int row);

/// Equal shares of `extent` pixels for `count` rows or columns; the last takes what the
/// division leaves over, so the shares always add up to the extent.
std::vector<int> EqualShares(int extent, int count);

/// A share of the extent in whole percent, halves rounded to even (1 of 8 is 12 %).
int SharePercent(int share, int extent);

/// A cell of the grid: the frame's source (the text typed into the cell) and its frame.
struct TFrameCell {
    std::string Source;
    TFrame Frame;
};

/// What the dialog collects: the grid in rows from top to bottom, each from left to right, and
/// the sizes of its rows and columns within the extents they share.
struct TFrameDocument {
    std::string Title;
    std::vector<std::vector<TFrameCell>> Cells;
    std::vector<int> RowHeights;
    int Height = 0;
    std::vector<int> ColWidths;
    int Width = 0;
    int Border = 3;
    std::vector<std::string> NoFrames; ///< lines of "Text pro prohlížeče bez podpory rámců:"
    bool FramesetOnly = false;         ///< "Pouze <frameset>"
};

/// The document: the head with the title, the FRAMESET with its rows, cols and border, one
/// FRAME line per cell and the NOFRAMES body; only the FRAMESET with FramesetOnly.
std::string FrameDocumentText(const TFrameDocument& document, bool upperCaseTags);

/// Inserts the document at the caret as one undo step, after emptying the text when
/// `clearFirst`.
void InsertFrameDocument(editor::THTMLRichEdit& edit, const TFrameDocument& document,
                         bool clearFirst, bool upperCaseTags);

} // namespace zn::structure
