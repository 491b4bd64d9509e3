// "Vložit obrázky..." without its dialogs: the link of each picture and the IMG tags inserted
// for a batch of pictures.
#pragma once

#include "editor/THTMLRichEdit.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zn::tags {

/// The three check boxes of "Dávkové vkládání obrázků".
struct TPictureOptions {
    bool WriteSize = false;  ///< "Zapisovat rozměry"
    bool ClearAfter = false; ///< "<BR Clear=All> za každým obrázkem"
    bool ZigZag = false;     ///< "Cik-Cak (střídat levé a pravé zarovnávání)"
};

/// One chosen picture: its full file name (UTF-8) and, when it could be measured, its size.
struct TPictureEntry {
    std::string FileName;
    std::optional<int> Width;
    std::optional<int> Height;
};

/// The link of a picture: relative (the name below the document folder) when the file lies in
/// that folder or below it, else "file://" (in the tag case) and the full name. An empty folder
/// (an unsaved document) gives every picture the absolute link. UTF-8 in and out.
std::string PictureLink(std::string_view fileName, std::string_view documentFolder,
                        bool upperCaseTags);

/// One IMG line per picture, in order (with a clearing BR line after each with ClearAfter);
/// the alignment alternates left and right from the first picture on with ZigZag; sizes are
/// written with WriteSize for the pictures that have them. Document text (Windows-1250).
std::string InsertPicturesText(const std::vector<TPictureEntry>& pictures,
                               std::string_view documentFolder, const TPictureOptions& options,
                               bool upperCaseTags);

/// Inserts the pictures' tags at the caret as one undo step.
void InsertPictures(editor::THTMLRichEdit& edit, const std::vector<TPictureEntry>& pictures,
                    std::string_view documentFolder, const TPictureOptions& options,
                    bool upperCaseTags);

} // namespace zn::tags
