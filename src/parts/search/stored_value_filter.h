#pragma once
// A first look at a member's stored (scrambled) value before it is unscrambled: whether it is damaged
// (holds a byte that the scrambler refuses), and whether it can hold the search term at all, that is,
// holds a byte whose German folding contains the term's first folded letter. A scan over thousands of
// members then unscrambles and folds only the few values that pass; the answers are the scrambler's own,
// asked once per byte and key position when the filter is made.
#include <array>
#include <string_view>

#include "store/crypt.h"

namespace kolvane {

enum class StoredLook { Damaged, NoMatch, MayMatch };

class StoredValueFilter {
public:
    explicit StoredValueFilter(std::string_view foldedTerm);
    // Called for every value of a scan: inline, one table look per byte.
    StoredLook Look(std::string_view stored) const {
        unsigned seen = 0;
        for (std::size_t i = 0; i < stored.size(); ++i)
            seen |= bytes_[i % kCryptKey.size()][static_cast<unsigned char>(stored[i])];
        if (seen & kDamaged) return StoredLook::Damaged;
        return (seen & kMayStart) && stored.size() >= shortest_ ? StoredLook::MayMatch : StoredLook::NoMatch;
    }

private:
    static constexpr unsigned char kDamaged = 1, kMayStart = 2;
    // Per key position (the scrambler repeats its key) and stored byte: kDamaged, kMayStart.
    std::array<std::array<unsigned char, 256>, kCryptKey.size()> bytes_{};
    std::size_t shortest_ = 0;  // fewer stored bytes cannot hold the term (a byte folds to two letters at most)
};

}  // namespace kolvane
