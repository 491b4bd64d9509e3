// The definitions of automatic insertion, their file format and the replacing run.
#include "editor/AutoInsert.h"

#include "base/Cp1250.h"
#include "base/TextCase.h"
#include "editor/RangeText.h"
#include "editor/Search.h"
#include "editor/THTMLRichEdit.h"

#include <algorithm>
#include <cstdint>

namespace zn::editor {
namespace {

/// A sort key: upper case, and each Czech letter with a mark right after its plain letter.
std::u16string SortKey(std::string_view text) {
    static const std::string marked = base::Utf8ToCp1250("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ");
    static const std::string plain = "ACDEEINORSTUUYZ";
    std::u16string key;
    for (const char c : text) {
        const char upper = base::UpperCaseCZ(c);
        const std::size_t at = marked.find(upper);
        key += at == std::string::npos
                   ? static_cast<char16_t>(static_cast<std::uint8_t>(upper) * 2)
                   : static_cast<char16_t>(static_cast<std::uint8_t>(plain[at]) * 2 + 1);
    }
    return key;
}

/// Text bytes of a file record in lines each ended by CR LF.
std::string NormalLines(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + 2);
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            text.append(bytes.substr(start)).append("\r\n");
            break;
        }
        text.append(bytes.substr(start, end - start)).append("\r\n");
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return text;
}

} // namespace

void TAutoDefList::Select(int index) {
    selected_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
}

TAutoDef* TAutoDefList::Current() {
    return selected_ >= 0 ? &items_[static_cast<std::size_t>(selected_)] : nullptr;
}

int TAutoDefList::IndexOf(std::string_view abbreviation) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (base::SameTextCZ(items_[i].Abbreviation, abbreviation)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool TAutoDefList::Add(std::string_view abbreviation) {
    if (IndexOf(abbreviation) >= 0) {
        return false;
    }
    items_.push_back({std::string(abbreviation), {}, true});
    selected_ = static_cast<int>(items_.size()) - 1;
    return true;
}

void TAutoDefList::Remove() {
    if (selected_ < 0) {
        return;
    }
    items_.erase(items_.begin() + selected_);
    Select(std::min(selected_, static_cast<int>(items_.size()) - 1));
}

bool TAutoDefList::Rename(std::string_view abbreviation) {
    const int other = IndexOf(abbreviation);
    if (selected_ < 0 || (other >= 0 && other != selected_)) {
        return false;
    }
    Current()->Abbreviation = abbreviation;
    return true;
}

bool TAutoDefList::Move(int step) {
    const int target = selected_ + step;
    if (selected_ < 0 || target < 0 || target >= static_cast<int>(items_.size())) {
        return false;
    }
    std::swap(items_[static_cast<std::size_t>(selected_)],
              items_[static_cast<std::size_t>(target)]);
    selected_ = target;
    return true;
}

void TAutoDefList::TickAll(bool ticked) {
    for (TAutoDef& item : items_) {
        item.Ticked = ticked;
    }
}

void TAutoDefList::InvertTicks() {
    for (TAutoDef& item : items_) {
        item.Ticked = !item.Ticked;
    }
}

void TAutoDefList::Sort() {
    const std::string selected = selected_ >= 0 ? Current()->Abbreviation : std::string();
    std::stable_sort(items_.begin(), items_.end(), [](const TAutoDef& a, const TAutoDef& b) {
        return SortKey(a.Abbreviation) < SortKey(b.Abbreviation);
    });
    if (selected_ >= 0) {
        Select(IndexOf(selected));
    }
}

void TAutoDefList::Clear() {
    items_.clear();
    selected_ = -1;
}

std::string ChnBytes(const std::vector<TAutoDef>& items) {
    std::string bytes;
    for (const TAutoDef& item : items) {
        bytes.append(item.Abbreviation).push_back('\0');
        bytes.push_back(item.Ticked ? '\1' : '\0');
        bytes.append(item.Text).push_back('\0');
    }
    return bytes;
}

ChnContent ParseChn(std::string_view bytes) {
    ChnContent content;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t nameEnd = bytes.find('\0', at);
        const std::size_t textEnd = nameEnd == std::string_view::npos || nameEnd + 1 >= bytes.size()
                                        ? std::string_view::npos
                                        : bytes.find('\0', nameEnd + 2);
        if (textEnd == std::string_view::npos) {
            ++content.Skipped; // the file ends inside this record
            break;
        }
        const std::string_view name = bytes.substr(at, nameEnd - at);
        const bool known =
            std::any_of(content.Items.begin(), content.Items.end(), [name](const TAutoDef& item) {
                return base::SameTextCZ(item.Abbreviation, name);
            });
        if (name.empty() || known) {
            ++content.Skipped;
        } else {
            content.Items.push_back({std::string(name),
                                     NormalLines(bytes.substr(nameEnd + 2, textEnd - nameEnd - 2)),
                                     bytes[nameEnd + 1] == '\1'});
        }
        at = textEnd + 1;
    }
    return content;
}

std::string SkippedRecordsMessage(const ChnContent& content, const std::string& fileName) {
    if (content.Skipped == 0) {
        return {};
    }
    return "Soubor " + fileName + " obsahuje " + std::to_string(content.Skipped) +
           " neúplných nebo opakovaných definic, které nebyly načteny (načteno " +
           std::to_string(content.Items.size()) + ").";
}

std::string InsertedText(const TAutoDef& item) {
    std::string_view text = item.Text;
    if (text.ends_with("\r\n")) {
        text.remove_suffix(2);
    }
    return std::string(text);
}

std::string TextFromLines(std::string_view lines) {
    if (lines.ends_with('\n')) {
        lines.remove_suffix(1);
    }
    return lines.empty() ? std::string() : NormalLines(lines);
}

AutoInsertResult AutoInsertText(std::string& text, const std::vector<TAutoDef>& items,
                                LocalTime now) {
    static const TEncodings none;
    AutoInsertResult result;
    std::string out; // reused by every definition, so a long page is not allocated anew
    for (const TAutoDef& item : items) {
        if (!item.Ticked) {
            continue;
        }
        const ExpandResult expanded = ExpandFunctions(InsertedText(item), now);
        if (!expanded.Ok()) {
            result.Error = expanded.Error;
            break;
        }
        // ReplaceText with "all" only: case ignored, the search going on after each insertion.
        const Searcher searcher(item.Abbreviation, kReplaceAll, none);
        Position copied = 0;
        Position hit = searcher.Find(text, 0);
        if (hit < 0) {
            continue;
        }
        out.clear();
        out.reserve(text.size() + text.size() / 8);
        for (; hit >= 0; hit = searcher.Find(text, copied)) {
            out.append(text, static_cast<std::size_t>(copied),
                       static_cast<std::size_t>(hit - copied));
            out += expanded.Text;
            copied = hit + searcher.Length();
            ++result.Replaced;
        }
        out.append(text, static_cast<std::size_t>(copied));
        text.swap(out);
    }
    return result;
}

AutoInsertResult AutoInsertDocument(THTMLRichEdit& edit, const std::vector<TAutoDef>& items,
                                    LocalTime now) {
    TextModel& model = edit.Model();
    std::string text = model.Text();
    const AutoInsertResult result = AutoInsertText(text, items, now);
    if (result.Replaced > 0 && SetRangeText(model, 0, model.Length(), text)) {
        edit.ColorAll();
    }
    return result;
}

} // namespace zn::editor
