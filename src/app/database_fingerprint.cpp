#include "app/database_fingerprint.h"

#include <vector>

namespace kolvane {

namespace {
constexpr std::size_t kBlockSize = 32768;
}

std::optional<std::string> FileFingerprint(Files& files, Md5& md5, const std::string& path) {
    auto reader = files.OpenRead(path);
    auto hash = md5.Start();
    if (!reader || !hash) return std::nullopt;
    std::vector<char> block(kBlockSize);
    for (;;) {
        std::int64_t got = reader->Read(block.data(), block.size());
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        if (!hash->Update(block.data(), static_cast<std::size_t>(got))) return std::nullopt;
    }
    Md5Digest digest;
    if (!hash->Finish(digest)) return std::nullopt;
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned char byte : digest) {
        text += kHex[byte >> 4];
        text += kHex[byte & 15];
    }
    return text;
}

}  // namespace kolvane
