#include "store/damage_notice.h"

#include "store/crypt.h"

namespace kolvane {

std::string DamageNotice::Unscramble(std::string_view stored) {
    std::optional<std::string> plain = Crypt(stored);
    if (plain) return std::move(*plain);
    if (!shown_) {
        shown_ = true;
        dialogs_.ShowMessage(CryptRejectedMessage());
    }
    return {};
}

}  // namespace kolvane
