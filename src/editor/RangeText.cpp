// Replacing a stretch of the text model by a new text, trimmed to the part that differs.
#include "editor/RangeText.h"

#include <algorithm>
#include <cstring>

namespace zn::editor {
namespace {

/// Length of the common start of the model's [pos, pos + len) and text.
Position CommonPrefix(const TextStore& store, Position pos, Position len, std::string_view text) {
    Position same = 0;
    const Position limit = std::min<Position>(len, static_cast<Position>(text.size()));
    store.ForEachPiece(pos, limit, [&](const char* data, Position, Position take) {
        const char* other = text.data() + same;
        Position i = 0;
        while (i < take && data[i] == other[i]) {
            ++i;
        }
        same += i;
        return i == take;
    });
    return same;
}

/// Length of the common end, not reaching into the first `skip` characters of either.
Position CommonSuffix(const TextStore& store, Position pos, Position len, std::string_view text,
                      Position skip) {
    const auto n = static_cast<Position>(text.size());
    const Position limit = std::min(len, n) - skip;
    Position same = 0;
    // Pieces come forward only; compare from the end in chunks.
    constexpr Position kChunk = 65536;
    std::string piece;
    while (same < limit) {
        const Position take = std::min(kChunk, limit - same);
        piece = store.GetText(pos + len - same - take, take);
        const char* other = text.data() + (n - same - take);
        Position i = take;
        while (i > 0 && piece[static_cast<std::size_t>(i - 1)] == other[i - 1]) {
            --i;
        }
        same += take - i;
        if (i > 0) {
            break;
        }
    }
    return same;
}

/// The part of [pos, pos + len) that differs from text: how many characters at its start and at
/// its end stay the same, both kept off the middle of a CR LF pair (the model widens such a
/// range). False when nothing differs.
bool Differing(const TextStore& store, Position pos, Position len, std::string_view text,
               Position& prefix, Position& suffix) {
    prefix = CommonPrefix(store, pos, len, text);
    if (prefix == len && prefix == static_cast<Position>(text.size())) {
        return false;
    }
    suffix = CommonSuffix(store, pos, len, text, prefix);
    if (prefix > 0 && text[static_cast<std::size_t>(prefix - 1)] == '\r') {
        --prefix;
    }
    if (suffix > 0 && text[text.size() - static_cast<std::size_t>(suffix)] == '\n') {
        --suffix;
    }
    return true;
}

} // namespace

bool SetRangeText(TextModel& model, Position pos, Position len, std::string_view text) {
    Position prefix = 0;
    Position suffix = 0;
    if (!Differing(model.Store(), pos, len, text, prefix, suffix)) {
        return false;
    }
    const Position from = pos + prefix;
    const Position to = pos + len - suffix;
    const std::string_view middle =
        text.substr(static_cast<std::size_t>(prefix), text.size() - prefix - suffix);
    UndoGroup group(model);
    model.Replace(from, to - from, middle);
    return true;
}

bool SetRangeTextTaking(TextModel& model, Position pos, Position len, std::string&& text) {
    Position prefix = 0;
    Position suffix = 0;
    if (!Differing(model.Store(), pos, len, text, prefix, suffix)) {
        return false;
    }
    const Position from = pos + prefix;
    const Position to = pos + len - suffix;
    text.resize(text.size() - static_cast<std::size_t>(suffix));
    text.erase(0, static_cast<std::size_t>(prefix));
    UndoGroup group(model);
    model.ReplaceTaking(from, to - from, std::move(text));
    return true;
}

} // namespace zn::editor
