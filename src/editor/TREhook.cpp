// The tag walker over a text control.
#include "editor/TREhook.h"

#include "base/TextCase.h"

#include <algorithm>

namespace zn::editor {

void TREhook::SetRichEd(THTMLRichEdit* edit) {
    richEd_ = edit;
    Reset();
}

void TREhook::SetFollowSearch(bool follow) {
    followSearch_ = follow;
    if (follow && richEd_ != nullptr) {
        richEd_->Model().SetCaret(searchPos_);
    }
}

void TREhook::Reset() {
    searchPos_ = 0;
    if (followSearch_ && richEd_ != nullptr) {
        richEd_->Model().SetCaret(0);
    }
    predStart_ = tagStart_ = tagEnd_ = zaEnd_ = -1;
    textPred_.clear();
    tagText_.clear();
    textZa_.clear();
}

Position TREhook::Length() const {
    return richEd_ != nullptr ? richEd_->Model().Length() : 0;
}

Position TREhook::Find(const TextStore::Scanner& scan, char c, Position from) {
    const Position length = scan.Length();
    const Position windowEnd = std::min(length, from + kSearchWindow);
    const Position found = scan.FindChar(c, from, windowEnd);
    // A tag behind a long script or a long attribute value would be lost at the window's end,
    // and with it every later tag: the search goes on to the end of the text.
    return found >= 0 || windowEnd >= length ? found : scan.FindChar(c, windowEnd, length);
}

bool TREhook::FindNext() {
    if (richEd_ == nullptr) {
        return false;
    }
    const TextStore::Scanner scan(richEd_->Model().Store());
    const Position gt = Find(scan, '>', searchPos_);
    const Position lt = Find(scan, '<', searchPos_);
    if (gt < 0 || lt < 0) {
        return false;
    }
    predStart_ = lt < gt ? searchPos_ : gt + 1;
    const Position close = lt < gt ? gt : Find(scan, '>', lt);
    if (close < 0) {
        tagText_.clear();
        searchPos_ = 0;
        return false;
    }
    scan.CopyText(predStart_, lt - predStart_, textPred_);
    tagStart_ = lt + 1;
    tagEnd_ = close;
    scan.CopyText(tagStart_, tagEnd_ - tagStart_, tagText_);
    const Position next = Find(scan, '<', close + 1);
    zaEnd_ = next >= 0 ? next : scan.Length();
    scan.CopyText(close + 1, zaEnd_ - close - 1, textZa_);
    searchPos_ = close + 1;
    if (followSearch_) {
        richEd_->Model().SetCaret(searchPos_);
    }
    return true;
}

void TREhook::Replace(Position start, Position end, std::string_view text, std::string& piece) {
    const Position change = static_cast<Position>(text.size()) - (end - start);
    // The walk works beside the user's selection: it stays where it was.
    const Selection selection = richEd_->Model().Sel();
    richEd_->ReplaceRange(start, end - start, text);
    richEd_->Model().SetSelection(selection.anchor, selection.caret);
    piece.assign(text);
    for (Position* p : {&tagStart_, &tagEnd_, &zaEnd_, &searchPos_}) {
        if (*p >= end && *p >= 0) {
            *p += change;
        }
    }
}

void TREhook::SetTextPred(std::string_view text) {
    if (richEd_ == nullptr || tagStart_ < 0 || text == textPred_) {
        return;
    }
    const Position lt = tagStart_ - 1;
    Replace(predStart_ >= 0 ? predStart_ : lt, lt, text, textPred_);
}

void TREhook::SetTagText(std::string_view text) {
    if (richEd_ == nullptr || tagStart_ < 0 || text == tagText_) {
        return;
    }
    Replace(tagStart_, tagEnd_, text, tagText_);
}

void TREhook::SetTextZa(std::string_view text) {
    if (richEd_ == nullptr || tagEnd_ < 0 || text == textZa_) {
        return;
    }
    Replace(tagEnd_ + 1, zaEnd_ >= 0 ? zaEnd_ : tagEnd_ + 1, text, textZa_);
}

std::string TREhook::TagName() const {
    const std::size_t first = tagText_.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    const std::size_t space = tagText_.find(' ', first);
    return tagText_.substr(first, space == std::string::npos ? space : space - first);
}

std::vector<std::string> TREhook::Words() const {
    std::string text;
    std::copy_if(tagText_.begin(), tagText_.end(), std::back_inserter(text),
                 [](char c) { return c != '\r' && c != '\n'; });
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ') {
            ++i;
        }
        if (i == text.size()) {
            break;
        }
        const std::size_t start = i;
        bool quoted = false;
        for (; i < text.size(); ++i) {
            if (text[i] == '"') {
                quoted = !quoted;
                if (!quoted) {
                    ++i; // the closing quote ends the word
                    break;
                }
            } else if (text[i] == ' ' && !quoted) {
                break;
            }
        }
        words.push_back(text.substr(start, i - start));
    }
    return words;
}

int TREhook::ParamCount() const {
    const std::size_t words = Words().size();
    return words > 0 ? static_cast<int>(words) - 1 : 0;
}

bool TREhook::GetParam(std::string_view name, std::string& value) const {
    const std::vector<std::string> words = Words();
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        const std::size_t equals = word.find('=');
        if (!base::SameTextCZ(std::string_view(word).substr(0, equals), name)) {
            continue;
        }
        std::string_view v;
        if (equals != std::string::npos) {
            v = std::string_view(word).substr(equals + 1);
        }
        if (!v.empty() && v.front() == '"') {
            v.remove_prefix(1);
        }
        if (!v.empty() && v.back() == '"') {
            v.remove_suffix(1);
        }
        value.assign(v);
        return true;
    }
    value.clear();
    return false;
}

} // namespace zn::editor
