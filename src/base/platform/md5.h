#pragma once
// MD5 digests. Implemented by md5_win32.cpp (CryptoAPI) and md5_openssl.cpp (libcrypto, native builds).
#include <array>
#include <cstddef>
#include <memory>

namespace kolvane {

using Md5Digest = std::array<unsigned char, 16>;

class Md5Hash {
public:
    virtual ~Md5Hash() = default;
    virtual bool Update(const char* data, std::size_t size) = 0;
    virtual bool Finish(Md5Digest& digest) = 0;
};

class Md5 {
public:
    virtual ~Md5() = default;
    // Empty when the cryptographic service cannot be had.
    virtual std::unique_ptr<Md5Hash> Start() = 0;
};

}  // namespace kolvane
