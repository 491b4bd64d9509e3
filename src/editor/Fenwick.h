// A Fenwick (binary indexed) tree over the blocks of a text: characters and line feeds per block.
#pragma once

#include "editor/Position.h"

#include <cstddef>
#include <vector>

namespace zn::editor {

/// Per block two non-negative counts, the characters and the line feeds it holds. One walk down
/// the tree finds the block holding a given character (or line feed) and, on the way, the
/// numbers of characters and line feeds in the blocks before it, so a lookup costs O(log n)
/// and touches each level of the tree once.
class BlockIndex {
public:
    struct Counts {
        Position chars = 0;
        Position feeds = 0;
    };
    /// A block and the counts of all blocks before it.
    struct Found {
        std::size_t block = 0;
        Counts before;
    };

    /// Replaces all counts; O(n).
    void Build(const std::vector<Counts>& counts);

    std::size_t Size() const { return tree_.empty() ? 0 : tree_.size() - 1; }

    void Add(std::size_t block, Position chars, Position feeds);

    /// Counts of the first `count` blocks.
    Counts Prefix(std::size_t count) const;

    /// The block holding character `index` (the last block when index is past the end).
    Found FindChar(Position index) const { return Descend(index + 1, &Counts::chars); }
    /// The block holding line feed number `number` (counted from 1).
    Found FindFeed(Position number) const { return Descend(number, &Counts::feeds); }

private:
    /// The largest k whose prefix by `field` is below target, with the prefix counts of k.
    Found Descend(Position target, Position Counts::*field) const;

    std::vector<Counts> tree_; ///< 1-based; tree_[0] unused
    std::size_t top_ = 1;      ///< highest power of two below tree_.size()
};

inline void BlockIndex::Build(const std::vector<Counts>& counts) {
    tree_.assign(counts.size() + 1, Counts{});
    for (std::size_t i = 1; i <= counts.size(); ++i) {
        tree_[i].chars += counts[i - 1].chars;
        tree_[i].feeds += counts[i - 1].feeds;
        const std::size_t parent = i + (i & (~i + 1));
        if (parent < tree_.size()) {
            tree_[parent].chars += tree_[i].chars;
            tree_[parent].feeds += tree_[i].feeds;
        }
    }
    top_ = 1;
    while (top_ * 2 < tree_.size()) {
        top_ *= 2;
    }
}

inline void BlockIndex::Add(std::size_t block, Position chars, Position feeds) {
    for (std::size_t k = block + 1; k < tree_.size(); k += k & (~k + 1)) {
        tree_[k].chars += chars;
        tree_[k].feeds += feeds;
    }
}

inline BlockIndex::Counts BlockIndex::Prefix(std::size_t count) const {
    Counts sum;
    for (std::size_t k = count; k > 0; k -= k & (~k + 1)) {
        sum.chars += tree_[k].chars;
        sum.feeds += tree_[k].feeds;
    }
    return sum;
}

inline BlockIndex::Found BlockIndex::Descend(Position target, Position Counts::*field) const {
    Found found;
    std::size_t k = 0;
    for (std::size_t step = top_; step > 0; step /= 2) {
        if (k + step < tree_.size() && found.before.*field + tree_[k + step].*field < target) {
            k += step;
            found.before.chars += tree_[k].chars;
            found.before.feeds += tree_[k].feeds;
        }
    }
    found.block = k;
    return found;
}

} // namespace zn::editor
