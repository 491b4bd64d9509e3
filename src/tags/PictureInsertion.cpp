// The links and IMG tags of the batch picture insertion.
#include "tags/PictureInsertion.h"

#include "base/Cp1250.h"
#include "base/TextCase.h"

namespace zn::tags {

using base::TagCase;

namespace {

/// A double quote would end the SRC value early; in a link it is written as "%22".
std::string QuoteSafe(std::string_view link) {
    std::string safe;
    for (char c : link)
        safe += c == '"' ? std::string("%22") : std::string(1, c);
    return safe;
}

} // namespace

std::string PictureLink(std::string_view fileName, std::string_view documentFolder,
                        bool upperCaseTags) {
    // The folder is compared exactly and must be followed by "/": a sibling folder whose name
    // merely begins with the document folder's name is outside it.
    if (!documentFolder.empty() && fileName.size() > documentFolder.size() + 1 &&
        fileName.substr(0, documentFolder.size()) == documentFolder &&
        (fileName[documentFolder.size()] == '/' || documentFolder.back() == '/')) {
        const std::size_t skip = documentFolder.size() + (documentFolder.back() == '/' ? 0 : 1);
        return std::string(fileName.substr(skip));
    }
    return TagCase("file://", upperCaseTags) + std::string(fileName);
}

std::string InsertPicturesText(const std::vector<TPictureEntry>& pictures,
                               std::string_view documentFolder, const TPictureOptions& options,
                               bool upperCaseTags) {
    auto tag = [upperCaseTags](std::string_view text) { return TagCase(text, upperCaseTags); };
    std::string text;
    int counter = 0;
    for (const TPictureEntry& picture : pictures) {
        std::string size;
        if (options.WriteSize && picture.Width && picture.Height)
            size = tag(" WIDTH=" + std::to_string(*picture.Width) +
                       " HEIGHT=" + std::to_string(*picture.Height));
        std::string align;
        if (options.ZigZag)
            align = tag(std::string(" align=\"") + (counter++ % 2 == 0 ? "left" : "right") + "\" ");
        const std::string link = PictureLink(picture.FileName, documentFolder, upperCaseTags);
        text += tag("<IMG SRC=\"") + base::Utf8ToCp1250(QuoteSafe(link)) + "\"" + align + size +
                ">\r\n";
        if (options.ClearAfter)
            text += tag("<BR CLEAR=\"all\">") + "\r\n";
    }
    return text;
}

void InsertPictures(editor::THTMLRichEdit& edit, const std::vector<TPictureEntry>& pictures,
                    std::string_view documentFolder, const TPictureOptions& options,
                    bool upperCaseTags) {
    const std::string text = InsertPicturesText(pictures, documentFolder, options, upperCaseTags);
    if (!text.empty())
        edit.InsertText(text);
}

} // namespace zn::tags
