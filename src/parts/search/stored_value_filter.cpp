#include "search/stored_value_filter.h"

#include <string>

#include "search/german_fold.h"

namespace kolvane {

StoredValueFilter::StoredValueFilter(std::string_view foldedTerm) : shortest_((foldedTerm.size() + 1) / 2) {
    for (std::size_t position = 0; position < kCryptKey.size(); ++position) {
        for (int b = 0; b < 256; ++b) {
            // The blanks in front only bring the byte to its key position; they unscramble without fault.
            std::string probe(position, ' ');
            probe += static_cast<char>(b);
            const std::optional<std::string> plain = Crypt(probe);
            unsigned char& look = bytes_[position][static_cast<std::size_t>(b)];
            if (!plain) look = kDamaged;
            else if (foldedTerm.empty() || FoldGerman(plain->substr(position)).find(foldedTerm[0]) != std::string::npos)
                look = kMayStart;
        }
    }
}

}  // namespace kolvane
