// Automatic insertion: the list of abbreviations with their texts, the ".chn" file format, and
// the run that replaces every ticked abbreviation in a document.
#pragma once

#include "editor/Position.h"
#include "editor/TextFunctions.h"

#include <string>
#include <string_view>
#include <vector>

namespace zn::editor {

class THTMLRichEdit;

/// One definition. `Text` holds its lines each followed by CR LF, as stored in a file; the
/// inserted text is that without the line break after the last line.
struct TAutoDef {
    std::string Abbreviation;
    std::string Text;
    bool Ticked = true;

    bool operator==(const TAutoDef&) const = default;
};

/// The definitions in their order with the selected one (-1 for none). Abbreviations are
/// unique without regard to letter case (Czech letters included).
class TAutoDefList {
public:
    const std::vector<TAutoDef>& Items() const { return items_; }
    std::vector<TAutoDef>& Items() { return items_; }
    int Selected() const { return selected_; }
    /// Selects an index (anything out of range selects nothing).
    void Select(int index);
    TAutoDef* Current();

    /// The index of an abbreviation compared without regard to case, or -1.
    int IndexOf(std::string_view abbreviation) const;
    /// Appends a ticked definition with an empty text and selects it; false when the
    /// abbreviation exists.
    bool Add(std::string_view abbreviation);
    /// Deletes the selected one; the one now at its place, or else the one before, is selected.
    void Remove();
    /// Renames the selected one unless another definition has that name; the tick stays.
    bool Rename(std::string_view abbreviation);
    /// Exchanges the selected definition with its neighbour (-1 up, +1 down), which it stays.
    bool Move(int step);
    void TickAll(bool ticked);
    void InvertTicks();
    /// Alphabetical order (case ignored, a Czech letter with a mark after its plain letter),
    /// keeping the selected definition selected.
    void Sort();
    void Clear();

private:
    std::vector<TAutoDef> items_;
    int selected_ = -1;
};

/// The bytes of a ".chn" file: per definition the abbreviation, a byte 0, the tick (1 or 0),
/// the text and a byte 0.
std::string ChnBytes(const std::vector<TAutoDef>& items);

/// What reading a ".chn" file gave.
struct ChnContent {
    std::vector<TAutoDef> Items;
    /// Records left out: a last one cut off by the end of the file, empty abbreviations and
    /// abbreviations that repeat an earlier one (case ignored).
    int Skipped = 0;
};
/// Reads every complete record. Text lines may end in CR LF, CR or LF; they are kept with CR LF.
ChnContent ParseChn(std::string_view bytes);
/// The Czech note (UTF-8) on the records ParseChn left out of the file `fileName`; empty when
/// none.
std::string SkippedRecordsMessage(const ChnContent& content, const std::string& fileName);

/// The text a definition inserts, before its functions are expanded.
std::string InsertedText(const TAutoDef& item);

/// A definition's text from a text box whose lines end in LF (Windows-1250): every line followed
/// by CR LF, an empty last line not counted.
std::string TextFromLines(std::string_view lines);

/// What a run of "Automaticky vkládat" did.
struct AutoInsertResult {
    Position Replaced = 0; ///< occurrences replaced in all
    std::string Error;     ///< the message that stopped the run; empty when it ran through
};

/// Replaces in `text`, for each ticked definition in order, every occurrence of the abbreviation
/// (case ignored, anywhere) by its expanded text; later definitions see the earlier results. An
/// expansion error stops the run with the replacements made so far kept in `text`.
AutoInsertResult AutoInsertText(std::string& text, const std::vector<TAutoDef>& items,
                                LocalTime now);

/// The same on a document, as one undo step; the text is coloured again.
AutoInsertResult AutoInsertDocument(THTMLRichEdit& edit, const std::vector<TAutoDef>& items,
                                    LocalTime now);

} // namespace zn::editor
