#pragma once
// MD5 digests through the CryptoAPI of the system, which every Windows since 95 OSR2 carries.
#include "platform/md5.h"

namespace kolvane {

class Win32Md5 final : public Md5 {
public:
    std::unique_ptr<Md5Hash> Start() override;
};

}  // namespace kolvane
