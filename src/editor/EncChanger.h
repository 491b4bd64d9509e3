// The converter between installed 8-bit encodings, and converting a document with it.
#pragma once

#include "base/Prompter.h"
#include "editor/Encodings.h"
#include "editor/Position.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zn::editor {

class THTMLRichEdit;
class TextStore;

/// Converts text byte by byte from the encoding `FromEnc` to `ToEnc` (names of loaded
/// encodings); the length never changes. Messages go to the prompter given, if any.
class TEncChanger {
public:
    explicit TEncChanger(base::Prompter* prompter = nullptr,
                         const TEncodings& encodings = LoadedEncodings())
        : prompter_(prompter), encodings_(encodings) {}

    std::string FromEnc;
    std::string ToEnc;
    bool OnlySelected = false; ///< the conversion dialog's choice
    bool ShowProgress = false; ///< kept for the definition; conversions here take milliseconds
    std::string ProgressTitle;

    void SetPrompter(base::Prompter* prompter) { prompter_ = prompter; }

    /// Converts the text into Result() and returns the number of bytes changed. With no encoding
    /// loaded, or a name that no loaded encoding carries, it says so and returns 0.
    std::int64_t Convert(std::string_view text);
    /// The same for a stretch of a document, read in place.
    std::int64_t Convert(const TextStore& store, Position pos, Position len);
    const std::string& Result() const { return result_; }

private:
    const TranslationTable* Table();
    void Tell(const std::string& text);

    base::Prompter* prompter_;
    const TEncodings& encodings_;
    std::string result_;
    TranslationTable table_{};
};

/// ConvertDocument: converts the document with `changer` (the selection, or with the dialog's
/// choice the selection only when OnlySelected, else the whole text), as one undo step; the
/// text is coloured again and the selection kept. With `encInf` the number of changes is told.
/// Returns the number of bytes changed.
std::int64_t ConvertDocument(THTMLRichEdit& edit, TEncChanger& changer, bool useDialogChoice,
                             bool encInf, base::Prompter& prompter);

} // namespace zn::editor
