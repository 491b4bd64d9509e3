// The frames, shares and text of the frameset wizard.
#include "structure/FrameWizard.h"

#include "base/TextCase.h"

namespace zn::structure {

using base::TagCase;

TFrame DefaultFrame(int column, int row) {
    TFrame frame;
    frame.Name = std::to_string(column) + "x" + std::to_string(row) + "_r\xE1m";
    return frame;
}

std::vector<int> EqualShares(int extent, int count) {
    if (count <= 0)
        return {};
    std::vector<int> shares(std::size_t(count), extent / count);
    shares.back() = extent - extent / count * (count - 1);
    return shares;
}

int SharePercent(int share, int extent) {
    if (extent <= 0)
        return 0;
    // Whole numbers throughout, so a half is recognised exactly.
    const long long scaled = 100LL * share;
    long long percent = scaled / extent;
    const long long twiceRest = 2 * (scaled % extent);
    if (twiceRest > extent || (twiceRest == extent && percent % 2 != 0))
        ++percent;
    return int(percent);
}

namespace {

/// ` rows="30%,*"`: every share but the last in percent, the last "*"; nothing for one share.
std::string SizesAttribute(const char* name, const std::vector<int>& sizes, int extent) {
    if (sizes.size() < 2)
        return {};
    std::string text = std::string(" ") + name + "=\"";
    for (std::size_t i = 0; i + 1 < sizes.size(); ++i)
        text += std::to_string(SharePercent(sizes[i], extent)) + "%,";
    return text + "*\"";
}

const char* const kScrolling[] = {"yes", "no", "auto"};

} // namespace

std::string FrameDocumentText(const TFrameDocument& document, bool upperCaseTags) {
    auto tag = [upperCaseTags](std::string_view text) { return TagCase(text, upperCaseTags); };
    std::string text;
    if (!document.FramesetOnly)
        text += tag("<HTML>\r\n<HEAD>\r\n<TITLE>") + document.Title + tag("</TITLE>\r\n") +
                tag("</HEAD>\r\n");
    const std::string attributes = SizesAttribute("rows", document.RowHeights, document.Height) +
                                   SizesAttribute("cols", document.ColWidths, document.Width) +
                                   " border=" + std::to_string(document.Border);
    text += tag("<FRAMESET" + attributes + ">") + "\r\n";
    for (const std::vector<TFrameCell>& row : document.Cells)
        for (const TFrameCell& cell : row) {
            const TFrame& frame = cell.Frame;
            text += "  " + tag("<FRAME SRC=\"") + cell.Source + tag("\" NAME=\"") + frame.Name +
                    tag(std::string("\" SCROLLING=") + kScrolling[frame.Scrolling % 3]);
            if (!frame.Resizable)
                text += tag(" noresize");
            text += ">\r\n";
        }
    text += tag("</FRAMESET>") + "\r\n";
    if (!document.FramesetOnly) {
        text += tag("<NOFRAMES>") + "\r\n" + tag("<BODY>") + "\r\n";
        for (const std::string& line : document.NoFrames)
            text += line + "\r\n";
        text += tag("</BODY>") + "\r\n" + tag("</NOFRAMES>") + "\r\n" + tag("</HTML>") + "\r\n";
    }
    return text;
}

void InsertFrameDocument(editor::THTMLRichEdit& edit, const TFrameDocument& document,
                         bool clearFirst, bool upperCaseTags) {
    editor::TextModel& model = edit.Model();
    editor::UndoGroup group(model);
    if (clearFirst) {
        model.Replace(0, model.Length(), {});
        model.SetCaret(0);
    }
    edit.InsertText(FrameDocumentText(document, upperCaseTags));
}

} // namespace zn::structure
