#pragma once
// MD5 through OpenSSL's libcrypto, for the native build.
#include "platform/md5.h"

namespace kolvane {

class OpenSslMd5 : public Md5 {
public:
    std::unique_ptr<Md5Hash> Start() override;
};

}  // namespace kolvane
