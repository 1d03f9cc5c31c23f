#include "platform/md5_win32.h"

#include <algorithm>
#include <limits>

#include "platform/handle_win32.h"

namespace kolvane {

namespace {

constexpr std::size_t kMaxBlock = std::numeric_limits<DWORD>::max() / 2;

class Win32Md5Hash final : public Md5Hash {
public:
    // The hash is declared after its provider, so that it is destroyed first.
    Win32Md5Hash(CryptProvider provider, CryptHash hash) : provider_(std::move(provider)), hash_(std::move(hash)) {}

    bool Update(const char* data, std::size_t size) override {
        for (std::size_t done = 0; done < size;) {
            DWORD block = static_cast<DWORD>(std::min(size - done, kMaxBlock));
            if (!::CryptHashData(hash_.get(), reinterpret_cast<const BYTE*>(data + done), block, 0)) return false;
            done += block;
        }
        return true;
    }

    bool Finish(Md5Digest& digest) override {
        DWORD size = static_cast<DWORD>(digest.size());
        return ::CryptGetHashParam(hash_.get(), HP_HASHVAL, digest.data(), &size, 0) && size == digest.size();
    }

private:
    CryptProvider provider_;
    CryptHash hash_;
};

}  // namespace

std::unique_ptr<Md5Hash> Win32Md5::Start() {
    HCRYPTPROV rawProvider = 0;
    if (!::CryptAcquireContextA(&rawProvider, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT)) return nullptr;
    CryptProvider provider(rawProvider);
    HCRYPTHASH rawHash = 0;
    if (!::CryptCreateHash(provider.get(), CALG_MD5, 0, 0, &rawHash)) return nullptr;
    return std::make_unique<Win32Md5Hash>(std::move(provider), CryptHash(rawHash));
}

}  // namespace kolvane
