// The file tab strip kept in step with the open documents: one tab per full file name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zn::app {

/// The caption of a tab: the full name with `fullPath`, else the file name without its folder.
std::string TabCaption(std::string_view fullName, bool fullPath);

/// The tabs' full names (`TabSt`) and captions, index for index. Sync() runs from the
/// periodic update and makes them follow the documents' captions.
class FileTabs {
public:
    /// Removes the tabs of closed documents, appends one for every document that has none
    /// (documents with the same caption share one tab) and selects the active document's tab.
    /// Returns true when tabs were removed or added.
    bool Sync(const std::vector<std::string>& documentCaptions, std::string_view activeCaption,
              bool fullPath);
    /// Rewrites every caption as the full name or the file name.
    void SetFullPath(bool fullPath);

    const std::vector<std::string>& TabSt() const { return names_; }
    const std::vector<std::string>& Captions() const { return captions_; }
    /// The selected tab after the last Sync(); -1 when there is none.
    int Selected() const { return selected_; }
    /// The strip is shown while documents are open.
    bool Visible() const { return !names_.empty(); }
    int IndexOf(std::string_view fullName) const;

private:
    std::vector<std::string> names_;
    std::vector<std::string> captions_;
    int selected_ = -1;
};

} // namespace zn::app
