// Searching with folded bytes over strings and over the blocks of a document, and replacing.
#include "editor/Search.h"

#include "base/Cp1250.h"
#include "base/TextCase.h"
#include "base/Utf8.h"
#include "editor/RangeText.h"
#include "editor/THTMLRichEdit.h"
#include "editor/TextStore.h"

#include <algorithm>
#include <cstring>

namespace zn::editor {
namespace {

/// A string seen as a document of one piece.
struct OneString {
    std::string_view text;
    Position Length() const { return static_cast<Position>(text.size()); }
    template <typename F>
    void ForEachPiece(Position pos, Position len, F&& f) const {
        if (len > 0) {
            f(text.data() + pos, pos, len);
        }
    }
    std::string GetText(Position pos, Position len) const {
        return std::string(
            text.substr(static_cast<std::size_t>(pos), static_cast<std::size_t>(len)));
    }
};

const std::string kSearchEnded = "Hledání skončilo";
const std::string kReplaceQuestion = "Zaměnit?";

/// Walks the pieces of [from, end of text) once, reporting each occurrence to onHit (with the
/// piece it starts in), which returns where the search goes on (at least the end of the
/// occurrence) or -1 to stop; onPiece sees every piece after its occurrences were reported.
template <typename Source, typename OnHit, typename OnPiece>
void ScanMatches(const Source& source, Position from, const std::string& needle,
                 const std::array<std::uint8_t, 256>& fold, int firstByte, OnHit&& onHit,
                 OnPiece&& onPiece) {
    const auto n = static_cast<Position>(needle.size());
    const Position length = source.Length();
    from = std::max<Position>(from, 0);
    if (n == 0 || from + n > length) {
        return;
    }
    const auto first = static_cast<std::uint8_t>(needle[0]);
    const auto* folded = reinterpret_cast<const std::uint8_t*>(needle.data());
    const Position lastStart = length - n; // no occurrence starts after it
    Position next = from;
    bool stopped = false;
    source.ForEachPiece(from, length - from, [&](const char* data, Position start, Position take) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(data);
        const Position candidates = std::min(take, lastStart - start + 1);
        Position i = std::max<Position>(next - start, 0);
        while (i < candidates) {
            if (firstByte >= 0) {
                // Only one byte can start an occurrence: the library's fast search finds it.
                const void* hit =
                    std::memchr(p + i, firstByte, static_cast<std::size_t>(candidates - i));
                if (hit == nullptr) {
                    break;
                }
                i = static_cast<const std::uint8_t*>(hit) - p;
            } else if (fold[p[i]] != first) {
                ++i;
                continue;
            }
            bool same = true;
            if (i + n <= take) {
                for (Position k = 1; k < n && same; ++k) {
                    same = fold[p[i + k]] == folded[k];
                }
            } else {
                // The occurrence would run on into the next piece.
                const std::string rest = source.GetText(start + i, n);
                for (Position k = 1; k < n && same; ++k) {
                    same = fold[static_cast<std::uint8_t>(rest[static_cast<std::size_t>(k)])] ==
                           folded[k];
                }
            }
            if (!same) {
                ++i;
                continue;
            }
            next = onHit(start + i, data, start);
            if (next < 0) {
                stopped = true;
                break;
            }
            i = next - start;
        }
        onPiece(data, start, take);
        return !stopped && start + take <= lastStart;
    });
}

} // namespace

Searcher::Searcher(std::string_view what, int options, const TEncodings& encodings) {
    std::optional<TranslationTable> plain;
    if ((options & kIgnoreDiacritics) != 0) {
        // Without both definitions the texts stay as they are, and nobody is told.
        plain = encodings.Translation("Windows-1250", "ASCII");
    }
    for (int b = 0; b < 256; ++b) {
        auto c = static_cast<std::uint8_t>(b);
        if (plain) {
            c = (*plain)[c];
        }
        if ((options & kMatchCase) == 0) {
            c = static_cast<std::uint8_t>(base::UpperCaseCZ(static_cast<char>(c)));
        }
        fold_[static_cast<std::size_t>(b)] = c;
        identity_ = identity_ && c == b;
    }
    needle_.resize(what.size());
    for (std::size_t i = 0; i < what.size(); ++i) {
        needle_[i] = static_cast<char>(fold_[static_cast<std::uint8_t>(what[i])]);
    }
    if (!needle_.empty()) {
        const auto first = static_cast<std::uint8_t>(needle_[0]);
        firstByte_ = static_cast<int>(std::find(fold_.begin(), fold_.end(), first) - fold_.begin());
        if (std::count(fold_.begin(), fold_.end(), first) != 1) {
            firstByte_ = -1;
        }
    }
}

template <typename Source>
Position Searcher::FindIn(const Source& source, Position from) const {
    Position found = -1;
    ScanMatches(
        source, from, needle_, fold_, firstByte_,
        [&](Position hit, const char*, Position) {
            found = hit;
            return Position{-1};
        },
        [](const char*, Position, Position) {});
    return found;
}

Position Searcher::Find(std::string_view text, Position from) const {
    return FindIn(OneString{text}, from);
}

Position Searcher::Find(const TextStore& store, Position from) const {
    return FindIn(store, from);
}

Position SearchText(std::string_view what, Position start, std::string_view text, int options,
                    const TEncodings& encodings) {
    if (start > static_cast<Position>(text.size())) {
        return 0;
    }
    const Position hit =
        Searcher(what, options, encodings).Find(text, std::max<Position>(start, 1) - 1);
    return hit < 0 ? 0 : hit + 1;
}

Position SearchText(std::string_view what, Position start, const TextStore& text, int options,
                    const TEncodings& encodings) {
    if (start > text.Length()) {
        return 0;
    }
    const Position hit =
        Searcher(what, options, encodings).Find(text, std::max<Position>(start, 1) - 1);
    return hit < 0 ? 0 : hit + 1;
}

namespace {

template <typename Source>
bool ReplaceIn(const Source& source, Position start, std::string_view what, int options,
               std::string_view replacement, ReplaceResult& result) {
    result = ReplaceResult{};
    if (what.empty() || start > source.Length()) {
        return false;
    }
    // Replacing compares letter case by the option; diacritics always count.
    static const TEncodings none;
    const Searcher searcher(what, options & kMatchCase, none);
    const auto n = static_cast<Position>(what.size());
    const bool all = (options & kReplaceAll) != 0;
    Position copied = -1; // text before it is in result.Middle; -1 before the first occurrence
    Position lastEnd = -1;
    ScanMatches(
        source, std::max<Position>(start, 1) - 1, searcher.Needle(), searcher.Fold(),
        searcher.FirstByte(),
        [&](Position hit, const char* data, Position pieceStart) {
            if (copied < 0) {
                result.From = copied = hit;
                // Replacing all builds the rest of the text: grow it once, not by doubling.
                if (all) {
                    const auto rest = static_cast<std::size_t>(source.Length() - hit);
                    result.Middle.reserve(replacement.size() > what.size() ? rest + rest / 8
                                                                           : rest);
                }
            }
            // What lies before this piece was copied when that piece ended.
            const Position from = std::max(copied, pieceStart);
            result.Middle.append(data + (from - pieceStart), static_cast<std::size_t>(hit - from));
            result.Middle.append(replacement);
            ++result.Count;
            copied = lastEnd = hit + n;
            return all ? hit + n : Position{-1};
        },
        [&](const char* data, Position pieceStart, Position take) {
            const Position end = pieceStart + take;
            if (copied >= 0 && copied < end) {
                const Position from = std::max(copied, pieceStart);
                result.Middle.append(data + (from - pieceStart),
                                     static_cast<std::size_t>(end - from));
                copied = end;
            }
        });
    if (copied > lastEnd) {
        result.Middle.resize(result.Middle.size() - static_cast<std::size_t>(copied - lastEnd));
    }
    if (result.Count == 0) {
        return false;
    }
    result.To = lastEnd;
    return true;
}

} // namespace

bool ReplaceInStore(const TextStore& text, Position start, std::string_view what, int options,
                    std::string_view replacement, ReplaceResult& result) {
    return ReplaceIn(text, start, what, options, replacement, result);
}

bool ReplaceText(std::string& text, Position start, std::string_view what, int options,
                 std::string_view replacement) {
    ReplaceResult result;
    if (!ReplaceIn(OneString{text}, start, what, options, replacement, result)) {
        return false;
    }
    text.replace(static_cast<std::size_t>(result.From),
                 static_cast<std::size_t>(result.To - result.From), result.Middle);
    return true;
}

namespace {

/// UTF-8 text folded for comparing: every character Windows-1250 can hold goes through the
/// 256-byte fold as that byte (so "č" may become "C"), the rest stays. `starts` gets the
/// position in `text` of every folded byte, and one past the end.
std::string FoldUtf8(std::string_view text, const std::array<std::uint8_t, 256>& fold,
                     std::vector<Position>* starts) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = 0;
        const std::size_t n = base::Utf8Unit(text, i, c);
        const auto byte = n > 1 ? base::UnicodeToCp1250(c) : std::nullopt;
        if (n == 1 || byte) {
            out += static_cast<char>(fold[n == 1 ? static_cast<unsigned char>(text[i]) : *byte]);
            if (starts) {
                starts->push_back(static_cast<Position>(i));
            }
        } else {
            out.append(text.substr(i, n));
            for (std::size_t k = 0; starts && k < n; ++k) {
                starts->push_back(static_cast<Position>(i + k));
            }
        }
        i += n;
    }
    if (starts) {
        starts->push_back(static_cast<Position>(text.size()));
    }
    return out;
}

struct Hit {
    Position pos;
    Position len;
};

/// Occurrences of `what` (document bytes) in a document from `from`: the first, or all that do
/// not overlap. A UTF-8 document compared other than byte by byte is folded first, as its
/// characters and the search text's differ in length once folded.
std::vector<Hit> FindInDocument(const TextModel& model, Position from, std::string_view what,
                                int options, bool all, const TEncodings& encodings) {
    std::vector<Hit> hits;
    const Searcher searcher(what, options, encodings);
    if (what.empty() || from > model.Length()) {
        return hits;
    }
    if (!model.Utf8() || searcher.Identity()) {
        for (Position at = from; (at = searcher.Find(model.Store(), at)) >= 0;) {
            hits.push_back({at, searcher.Length()});
            at += searcher.Length();
            if (!all) {
                break;
            }
        }
        return hits;
    }
    std::vector<Position> starts;
    const std::string text = model.GetText(from, model.Length() - from);
    const std::string folded = FoldUtf8(text, searcher.Fold(), &starts);
    const std::string needle = FoldUtf8(what, searcher.Fold(), nullptr);
    for (std::size_t at = 0; (at = folded.find(needle, at)) != std::string::npos;) {
        const Position begin = starts[at];
        const Position end = starts[at + needle.size()];
        // Only whole characters: a match may not begin or end inside one.
        if ((at == 0 || starts[at - 1] != begin) && model.Snap(from + end) == from + end) {
            hits.push_back({from + begin, end - begin});
            if (!all) {
                break;
            }
            at += needle.size();
        } else {
            ++at;
        }
    }
    return hits;
}

/// Search and replacement texts come as Windows-1250 bytes; a UTF-8 document needs them so.
std::string InDocument(const TextModel& model, std::string_view text) {
    return model.Utf8() ? base::Cp1250ToUtf8(text) : std::string(text);
}

} // namespace

bool FindAndShow(THTMLRichEdit& edit, Position start, std::string_view what, int options,
                 base::Prompter& prompter) {
    const TextModel& model = edit.Model();
    const std::vector<Hit> hits =
        start > model.Length()
            ? std::vector<Hit>{}
            : FindInDocument(model, std::max<Position>(start, 1) - 1, InDocument(model, what),
                             options, false, LoadedEncodings());
    if (hits.empty()) {
        prompter.Tell(kSearchEnded);
        return false;
    }
    edit.Model().SetCaret(hits[0].pos + hits[0].len);
    return true;
}

Position ReplaceInDocument(THTMLRichEdit& edit, Position start, std::string_view what, int options,
                           std::string_view replacement) {
    ReplaceResult result;
    TextModel& model = edit.Model();
    if (model.Utf8()) {
        // Letter case folded by the option; diacritics always count.
        static const TEncodings none;
        const std::string with = InDocument(model, replacement);
        const std::vector<Hit> hits =
            FindInDocument(model, std::max<Position>(start, 1) - 1, InDocument(model, what),
                           options & kMatchCase, (options & kReplaceAll) != 0, none);
        if (hits.empty()) {
            return 0;
        }
        result.From = hits.front().pos;
        result.To = hits.back().pos + hits.back().len;
        for (std::size_t k = 0; k < hits.size(); ++k) {
            if (k > 0) {
                const Position gap = hits[k - 1].pos + hits[k - 1].len;
                result.Middle += model.GetText(gap, hits[k].pos - gap);
            }
            result.Middle += with;
        }
        result.Count = static_cast<Position>(hits.size());
    } else if (!ReplaceInStore(model.Store(), start, what, options, replacement, result)) {
        return 0;
    }
    SetRangeTextTaking(model, result.From, result.To - result.From, std::move(result.Middle));
    // A highlighted document is coloured again at once rather than left plain.
    edit.ColorAll();
    return result.Count;
}

Position ReplaceWithPrompts(THTMLRichEdit& edit, Position start, std::string_view what, int options,
                            std::string_view replacement, base::Prompter& prompter) {
    TextModel& model = edit.Model();
    static const TEncodings none;
    const std::string needle = InDocument(model, what);
    Position count = 0;
    Position from = std::max<Position>(start, 1) - 1;
    while (!what.empty() && from <= model.Length()) {
        const std::vector<Hit> hits =
            FindInDocument(model, from, needle, options & kMatchCase, false, none);
        if (hits.empty()) {
            break;
        }
        const Position hit = hits[0].pos;
        const Position n = hits[0].len;
        model.Select(hit, n);
        const base::Answer answer = prompter.Ask(kReplaceQuestion, base::Buttons::YesNoCancelAll);
        if (answer == base::Answer::Cancel) {
            break;
        }
        if (answer == base::Answer::All) {
            count += ReplaceInDocument(edit, hit + 1, what, options | kReplaceAll, replacement);
            break;
        }
        if (answer == base::Answer::Yes) {
            const std::string with = InDocument(model, replacement);
            edit.InsertText(with);
            ++count;
            from = hit + static_cast<Position>(with.size());
        } else {
            from = hit + n;
        }
        if ((options & kReplaceAll) == 0) {
            break;
        }
    }
    return count;
}

bool AddToFindHistory(std::vector<std::string>& items, const std::string& text) {
    if (text.find_first_not_of(' ') == std::string::npos ||
        std::find(items.begin(), items.end(), text) != items.end()) {
        return false;
    }
    items.insert(items.begin(), text);
    return true;
}

bool AddToReplaceHistory(std::vector<std::string>& items, const std::string& text) {
    if (text.empty() || std::find(items.begin(), items.end(), text) != items.end()) {
        return false;
    }
    items.insert(items.begin(), text);
    return true;
}

} // namespace zn::editor
