// Finding and replacing text: the search routines of the find and replace commands.
#pragma once

#include "base/Prompter.h"
#include "editor/Encodings.h"
#include "editor/Position.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zn::editor {

class THTMLRichEdit;
class TextStore;

/// The options word of the search routines.
enum SearchOption : int {
    kMatchCase = 1,        ///< without it both texts are compared in upper case (UpperCaseCZ)
    kIgnoreDiacritics = 2, ///< both texts converted from "Windows-1250" to "ASCII" first
    kReplaceAll = 8,       ///< replace every occurrence (replace routines only)
};

/// A search text prepared for one options word: a 256-byte table folds every byte of the text
/// (diacritics dropped, then upper case) and the search text is folded once, so a search never
/// converts or copies the document.
class Searcher {
public:
    Searcher(std::string_view what, int options, const TEncodings& encodings = LoadedEncodings());

    /// 0-based start of the first occurrence at or after `from`; -1 when none or `what` empty.
    Position Find(std::string_view text, Position from) const;
    Position Find(const TextStore& store, Position from) const;
    Position Length() const { return static_cast<Position>(needle_.size()); }
    const std::string& Needle() const { return needle_; }
    const std::array<std::uint8_t, 256>& Fold() const { return fold_; }
    /// The one byte that folds to the first byte of the needle, or -1 when several do.
    int FirstByte() const { return firstByte_; }
    /// True when the table folds no byte: the text is compared byte for byte.
    bool Identity() const { return identity_; }

private:
    template <typename Source>
    Position FindIn(const Source& source, Position from) const;

    std::array<std::uint8_t, 256> fold_;
    std::string needle_; ///< folded search text
    int firstByte_ = -1;
    bool identity_ = true;
};

/// The index (from 1) of the first occurrence of `what` in `text` at or after `start` (from 1),
/// or 0.
Position SearchText(std::string_view what, Position start, std::string_view text, int options,
                    const TEncodings& encodings = LoadedEncodings());
/// The same over the text of a document, without copying it.
Position SearchText(std::string_view what, Position start, const TextStore& text, int options,
                    const TEncodings& encodings = LoadedEncodings());

/// Replaces the occurrences of `what` from `start` (from 1): the first only, or all with
/// kReplaceAll, continuing after each inserted replacement so it is never replaced again. Case
/// is folded without kMatchCase; diacritics always count. Returns whether anything changed.
bool ReplaceText(std::string& text, Position start, std::string_view what, int options,
                 std::string_view replacement);

/// What replacing in a document changed: [From, To) of the old text became Middle.
struct ReplaceResult {
    Position From = 0;
    Position To = 0;
    std::string Middle;
    Position Count = 0;
};
/// ReplaceText over a document's text in one pass; false when nothing was found.
bool ReplaceInStore(const TextStore& text, Position start, std::string_view what, int options,
                    std::string_view replacement, ReplaceResult& result);

/// Searches the document from `start` (from 1) and puts the caret just after the occurrence
/// (not selected); with an empty search text or no occurrence it says "Hledání skončilo".
bool FindAndShow(THTMLRichEdit& edit, Position start, std::string_view what, int options,
                 base::Prompter& prompter);

/// Replace without prompting: ReplaceText over the whole document from `start`, as one undo
/// step with the caret kept near its place; the text is coloured again. Returns the count.
Position ReplaceInDocument(THTMLRichEdit& edit, Position start, std::string_view what, int options,
                           std::string_view replacement);

/// Replace with prompting: each occurrence is selected and "Zaměnit?" asked (Yes, No, Cancel,
/// All). After Yes or No the loop goes on only with kReplaceAll; All replaces the rest at once.
/// Every search starts where the last one ended. Returns the number of replacements.
Position ReplaceWithPrompts(THTMLRichEdit& edit, Position start, std::string_view what, int options,
                            std::string_view replacement, base::Prompter& prompter);

/// The start index of a command: 1 for the whole file, else the caret position plus 1.
inline Position StartIndex(bool wholeFile, Position caret) {
    return wholeFile ? 1 : caret + 1;
}

/// The history rule of the Find dialog: a text with a character other than a space that the
/// list does not hold yet goes to the top. Returns whether it was added.
bool AddToFindHistory(std::vector<std::string>& items, const std::string& text);
/// The rule of the Replace dialog: a non-empty text not yet in the list goes to the top.
bool AddToReplaceHistory(std::vector<std::string>& items, const std::string& text);

} // namespace zn::editor
