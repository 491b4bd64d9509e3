// Saving a document where the atomic rename cannot be used: a folder that refuses new files, or a
// file with more than one hard link. The new text goes to a rescue copy first.
#pragma once

#include "base/FileIO.h"

#include <string>
#include <string_view>

namespace zn::base {

/// Creates `path` and its missing parents; the folder itself is made 0700. False when it cannot
/// be created, is not a folder, or belongs to another user.
bool MakePrivateFolder(const std::string& path);

/// Writes a document. Normally through WriteFileAtomically. When the file has more than one hard
/// link (a rename would leave the other names with the old text), or its folder refuses the
/// temporary file while the file itself is writable, the file is written in place instead:
/// first the new text is written and flushed as a rescue copy in `rescueFolder`, then the file
/// is overwritten and cut to length. The copy is deleted after a good write; after a failed
/// one it stays, and the message (which names the file) says where it is.
FileResult WriteDocumentFile(const std::string& path, std::string_view bytes,
                             const std::string& rescueFolder);

/// Whether WriteDocumentFile would write `path` in place (for tests and messages).
bool NeedsInPlaceWrite(const std::string& path);

} // namespace zn::base
