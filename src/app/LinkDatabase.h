// The link database: addresses typed into the Tag Inspector, offered again in its link fields.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zn::app {

/// Appends `text` unless it is empty, blanks only, or already listed (letter case ignored).
/// Returns true when it was appended.
bool AddToLinkDatabase(std::vector<std::string>& database, std::string_view text);

/// Feeds the link database from the address fields of the Tag Inspector: while one of them has
/// the focus nothing happens; when the focus has left them, their texts are entered once.
class UrlFieldWatch {
public:
    /// One tick of the periodic update. `fieldTexts` is asked only when the focus has just
    /// left the fields; its texts are entered in order.
    void Tick(bool fieldFocused, std::vector<std::string>& database,
              const std::function<std::vector<std::string>()>& fieldTexts);
    bool FieldWasFocused() const { return focused_; }

private:
    bool focused_ = false;
};

} // namespace zn::app
