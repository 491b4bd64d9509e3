// Byte-wise conversion through a translation table, and conversion of a whole document.
#include "editor/EncChanger.h"

#include "editor/RangeText.h"
#include "editor/THTMLRichEdit.h"
#include "editor/TextStore.h"

#include <bit>
#include <cstring>

namespace zn::editor {

void TEncChanger::Tell(const std::string& text) {
    if (prompter_ != nullptr) {
        prompter_->Tell(text, base::Severity::Warning);
    }
}

const TranslationTable* TEncChanger::Table() {
    if (encodings_.Empty()) {
        Tell("V systému nejsou naistalovány žádné\ndefiniční soubory s kódováním!");
        return nullptr;
    }
    const std::optional<TranslationTable> table = encodings_.Translation(FromEnc, ToEnc);
    if (!table) {
        Tell("Nebyla nalezena definice kódování!");
        return nullptr;
    }
    table_ = *table;
    return &table_;
}

namespace {

std::int64_t Translate(const TranslationTable& table, const char* in, std::size_t n, char* out) {
    std::int64_t changed = 0;
    const auto* src = reinterpret_cast<const std::uint8_t*>(in);
    auto* dst = reinterpret_cast<std::uint8_t*>(out);
    std::size_t i = 0;
    // Eight bytes at a time: the changed bytes are counted from the difference of the two words
    // (a byte of the difference is zero exactly where the byte stayed).
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    for (; i + 8 <= n; i += 8) {
        std::uint8_t mapped[8];
        for (int k = 0; k < 8; ++k) {
            mapped[k] = table[src[i + k]];
        }
        std::uint64_t before = 0;
        std::uint64_t after = 0;
        std::memcpy(&before, src + i, 8);
        std::memcpy(&after, mapped, 8);
        std::memcpy(dst + i, mapped, 8);
        const std::uint64_t diff = before ^ after;
        const std::uint64_t zero = ~(((diff & kLow7) + kLow7) | diff | kLow7);
        changed += 8 - std::popcount(zero);
    }
    for (; i < n; ++i) {
        const std::uint8_t b = table[src[i]];
        dst[i] = b;
        changed += b != src[i];
    }
    return changed;
}

} // namespace

std::int64_t TEncChanger::Convert(std::string_view text) {
    if (text.empty()) {
        result_.clear();
        return 0;
    }
    const TranslationTable* table = Table();
    if (table == nullptr) {
        result_.assign(text);
        return 0;
    }
    result_.resize(text.size());
    return Translate(*table, text.data(), text.size(), result_.data());
}

std::int64_t TEncChanger::Convert(const TextStore& store, Position pos, Position len) {
    if (len <= 0) {
        result_.clear();
        return 0;
    }
    const TranslationTable* table = Table();
    if (table == nullptr) {
        result_ = store.GetText(pos, len);
        return 0;
    }
    result_.resize(static_cast<std::size_t>(len));
    std::int64_t changed = 0;
    store.ForEachPiece(pos, len, [&](const char* data, Position start, Position take) {
        changed +=
            Translate(*table, data, static_cast<std::size_t>(take), result_.data() + (start - pos));
        return true;
    });
    return changed;
}

std::int64_t ConvertDocument(THTMLRichEdit& edit, TEncChanger& changer, bool useDialogChoice,
                             bool encInf, base::Prompter& prompter) {
    TextModel& model = edit.Model();
    if (model.Length() == 0) {
        return 0;
    }
    const Position selStart = model.SelStart();
    const Position selLength = model.SelLength();
    const bool selectionOnly = useDialogChoice ? changer.OnlySelected : selLength > 0;
    const Position from = selectionOnly ? selStart : 0;
    const Position length = selectionOnly ? selLength : model.Length();
    const std::int64_t count = changer.Convert(model.Store(), from, length);
    if (count > 0) {
        SetRangeText(model, from, length, changer.Result());
    }
    edit.ColorAll();
    model.Select(selStart, selLength);
    edit.UpdateCurrentTag();
    if (encInf) {
        prompter.Tell(count == 0 ? std::string("Nebyla provedena žádná změna")
                                 : "Bylo provedeno " + std::to_string(count) + " změn");
    }
    return count;
}

} // namespace zn::editor
