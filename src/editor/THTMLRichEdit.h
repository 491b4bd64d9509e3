// The HTML text control: a text model that always knows the tag under the caret and colours tags.
#pragma once

#include "base/Color.h"
#include "editor/TagParser.h"
#include "editor/TextModel.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zn::editor {

/// The text control of a document window, without a window: the view shows its model and
/// turns keys and mouse into model operations. Every change of the text or of the selection
/// updates the current tag first and then raises OnChange or OnSelectionChange.
class THTMLRichEdit : private TextObserver {
public:
    THTMLRichEdit();
    ~THTMLRichEdit() override;
    THTMLRichEdit(const THTMLRichEdit&) = delete;
    THTMLRichEdit& operator=(const THTMLRichEdit&) = delete;

    TextModel& Model() { return model_; }
    const TextModel& Model() const { return model_; }

    // --- properties ---
    base::TColor TagColor = base::kRed;
    base::TColor ParameterColor = base::kBlue;
    base::TColor ValueColor = base::kPurple;
    bool SyntaxHighLighting = false; ///< the caller re-colours or un-colours after changing it
    bool AutoComplete = true;

    std::function<void()> OnTagChange;
    std::function<void()> OnChange;
    std::function<void()> OnSelectionChange;
    /// Shows or hides the busy cursor around long passes (the Qt layer sets it).
    std::function<void(bool busy)> OnBusy;
    /// The clipboard's text as Windows-1250 bytes, for PasteColored (the Qt layer sets it).
    std::function<std::string()> ClipboardText;

    // --- the current tag, rebuilt by UpdateCurrentTag ---
    bool InTag = false;
    std::string CurrentTagText; ///< between "<" and ">"; empty outside a tag
    Position TagStart = 0;      ///< position after the "<"
    std::string CurrentTagName; ///< as written; a closing tag's name begins with "/"
    Position NameOffset = 0;
    TTagParameters Parameters;
    std::string ReportedTagText; ///< the tag text last reported through OnTagChange
    bool Updating = false;       ///< the control edits or colours its own text
    bool Silent = false;         ///< a colouring pass over many tags runs
    /// The ">" that "<" completion put in, followed through later edits; -1 once it is gone or
    /// typed over. Only this ">" is stepped over when the user types ">" in front of it.
    Position CompletionClose = -1;

    // --- tags ---
    bool FindTagAround(Position p, Position& tagStart, std::string& tagText) const;
    virtual void UpdateCurrentTag();
    /// The value of the first attribute of that name (any case), without its enclosing quotes.
    bool GetAttributeValue(std::string_view name, std::string& value) const;
    /// With `typed` the value comes from a field the user types in: only the characters that
    /// differ are replaced, the selection stays, and the edits of one word form one undo step.
    void SetAttribute(std::string_view name, std::string_view value, bool upperCase,
                      bool typed = false);
    void RemoveAttribute(std::string_view name, bool typed = false);
    void ReplaceRange(Position start, Position length, std::string_view text);
    void RenameTagPair(Position p, std::string_view newName, bool upperCase);
    void SelectTagPair(Position p, bool whole);
    void RemoveTagPair(Position p);
    bool GetTagBounds(Position p, Position& open, Position& close) const;
    bool FindClosingTag(Position p, Position& open, Position& close) const;
    std::optional<Position> NextTagInControl(Position start, std::string& tagText) const;
    std::optional<Position> FindTagStart(std::string_view name, Position start) const;
    std::optional<Position> FindTagEnd(std::string_view name, Position start) const;

    // --- colouring and inserting ---
    void ColorRange(Position start, Position length, ColorKind kind, bool keepSelection);
    virtual void ColorTag(Position contentStart, std::string_view tagText);
    void ColorAll();
    void ColorFrom(Position from, Position to);
    void InsertText(std::string_view text);
    void SurroundSelection(std::string_view before, std::string_view after);
    void PasteColored();
    /// Gives the whole text the font colour (highlighting switched off).
    void Uncolor();
    /// Undo and redo of the model, with the text they bring back coloured.
    void Undo();
    void Redo();

private:
    struct ModelSource {
        const TextModel& model;
        Position Length() const { return model.Length(); }
        Position FindChar(char c, Position from, Position to) const {
            return model.FindChar(c, from, to);
        }
    };

    void TextChanged(const TextChange& change) override;
    void SelectionChanged() override;

    std::optional<FoundTag> NextTagAt(Position start) const;
    std::string TagText(const FoundTag& tag) const;
    void PaintTag(TextModel::ColorPainter& painter, Position contentStart, std::string_view text);
    void ColorCurrentTag();
    void ColorPass(Position from, std::optional<Position> to);
    void AfterSelectionRestored();
    void Busy(bool busy) const;

    void UndoOrRedo(bool undo);
    /// ReplaceRange for a typed field: the differing middle only, merged per word.
    void ReplaceTyped(Position start, Position length, std::string_view text);
    /// Typed values of another attribute or tag start an undo step of their own.
    void StartTypedAttribute(std::string_view name);

    TextModel model_;
    TagLayout layout_;          ///< reused by colouring passes
    bool trackChanges_ = false; ///< an undo or redo runs: note the stretch it changes
    Position changedFrom_ = 0;
    Position changedTo_ = -1;
    std::string typedAttribute_; ///< the attribute a field was last typed into
    Position typedTag_ = -1;     ///< and the start of its tag
};

} // namespace zn::editor
