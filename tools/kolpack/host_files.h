#pragma once
// The host's own files for the native kolpack: paths as the host writes them, a backslash taken as
// the folder separator that the pack class puts between folder and member name. Names compare as the
// host compares them.
#include "platform/files.h"

namespace kolvane {

class HostFiles final : public Files {
public:
    bool Exists(const std::string& path) override;
    bool IsFolder(const std::string& path) override;
    std::vector<std::string> List(const std::string& folder, const std::string& pattern) override;
    std::optional<std::uint64_t> Size(const std::string& path) override;
    std::optional<FileTime> ModifiedTime(const std::string& path) override;
    std::unique_ptr<FileReader> OpenRead(const std::string& path) override;
    std::optional<std::string> ReadAll(const std::string& path) override;
    bool WriteAll(const std::string& path, const std::string& bytes) override;
    bool Append(const std::string& path, const std::string& bytes) override;
    bool Copy(const std::string& from, const std::string& to) override;
    bool Replace(const std::string& from, const std::string& to) override;
    bool Delete(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    // The packer never needs a file kept from others.
    std::unique_ptr<HeldFile> Hold(const std::string&) override { return nullptr; }
    bool Writable(const std::string&) override { return false; }
};

}  // namespace kolvane
