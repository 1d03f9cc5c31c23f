#include "platform/md5_openssl.h"

#include <openssl/evp.h>

namespace kolvane {

namespace {

struct ContextFree {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};

class OpenSslHash : public Md5Hash {
public:
    bool Init() { return context_ && EVP_DigestInit_ex(context_.get(), EVP_md5(), nullptr) == 1; }
    bool Update(const char* data, std::size_t size) override {
        return EVP_DigestUpdate(context_.get(), data, size) == 1;
    }
    bool Finish(Md5Digest& digest) override {
        unsigned int length = 0;
        return EVP_DigestFinal_ex(context_.get(), digest.data(), &length) == 1 && length == digest.size();
    }

private:
    std::unique_ptr<EVP_MD_CTX, ContextFree> context_{EVP_MD_CTX_new()};
};

}  // namespace

std::unique_ptr<Md5Hash> OpenSslMd5::Start() {
    auto hash = std::make_unique<OpenSslHash>();
    if (!hash->Init()) return nullptr;
    return hash;
}

}  // namespace kolvane
