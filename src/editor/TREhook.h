// The tag walker: visits the tags of a text control one by one from the start, independently of
// the caret, and reads or rewrites the text before a tag, the tag and the text after it.
#pragma once

#include "editor/THTMLRichEdit.h"

#include <string>
#include <string_view>
#include <vector>

namespace zn::editor {

class TREhook {
public:
    /// How far one search for "<" or ">" looks before it goes on to the end of the text.
    static constexpr Position kSearchWindow = 65535;

    THTMLRichEdit* RichEd() const { return richEd_; }
    /// Attaching a control starts a new walk.
    void SetRichEd(THTMLRichEdit* edit);
    bool FollowSearch() const { return followSearch_; }
    /// Switching it on moves the caret to where the next search starts.
    void SetFollowSearch(bool follow);

    /// The text between the previous ">" (or the start of the search) and the tag's "<".
    const std::string& TextPred() const { return textPred_; }
    /// The text strictly between "<" and ">".
    const std::string& TagText() const { return tagText_; }
    /// The text after ">" up to the next "<" (or the end of the searched window).
    const std::string& TextZa() const { return textZa_; }
    /// Writing a piece replaces it in the control; the later pieces move with it. Nothing is
    /// written before a tag was found or when the text is unchanged.
    void SetTextPred(std::string_view text);
    void SetTagText(std::string_view text);
    void SetTextZa(std::string_view text);

    /// Back to the start of the text; the pieces are emptied.
    void Reset();
    /// The next tag; false (and nothing changed) when there is none.
    bool FindNext();

    /// The tag text without leading spaces up to the first space.
    std::string TagName() const;
    /// The words of the tag after its name.
    int ParamCount() const;
    /// The value of the first word named `name` (any case) with one leading and one trailing
    /// double quote removed; false when no word has that name.
    bool GetParam(std::string_view name, std::string& value) const;

private:
    std::vector<std::string> Words() const;
    /// The first `c` at or after `from`: within the window first, then on to the end.
    static Position Find(const TextStore::Scanner& scan, char c, Position from);
    Position Length() const;
    void Replace(Position start, Position end, std::string_view text, std::string& piece);

    THTMLRichEdit* richEd_ = nullptr;
    bool followSearch_ = false;
    Position searchPos_ = 0;
    Position predStart_ = -1;
    Position tagStart_ = -1;
    Position tagEnd_ = -1;
    Position zaEnd_ = -1;
    std::string textPred_;
    std::string tagText_;
    std::string textZa_;
};

} // namespace zn::editor
