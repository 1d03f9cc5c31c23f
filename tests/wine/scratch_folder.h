#pragma once
// A private folder under %TEMP% for one test program, removed with all it holds at the end. Every file
// gets a fresh numbered name, as Wine caches profiles by name.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/files_win32.h"
#include "wine/wine_check.h"

namespace winecheck {

// The bytes of a file after Wine has flushed its profile cache; none when the file does not exist.
inline std::optional<std::string> FileBytes(const std::string& path) {
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    return kolvane::Win32Files().ReadAll(path);
}

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& prefix) {
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + prefix + std::to_string(::GetCurrentProcessId()) + "\\";
        ::CreateDirectoryA(folder_.c_str(), nullptr);
    }
    // Child processes that left their answer may still be ending and holding a file: bounded retries.
    ~ScratchFolder() {
        const ULONGLONG deadline = ::GetTickCount64() + 30000;
        for (;;) {
            for (const std::string& name : Names()) ::DeleteFileA((folder_ + name).c_str());
            if (::RemoveDirectoryA(folder_.c_str()) || ::GetTickCount64() > deadline) return;
            ::Sleep(50);
        }
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // A new file NUMBER + name, written when bytes are given.
    std::string NewFile(const std::string& name, const std::optional<std::string>& bytes) {
        const std::string path = folder_ + std::to_string(++count_) + name;
        if (bytes) CHECK(kolvane::Win32Files().WriteAll(path, *bytes), "write " + path);
        return path;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names = kolvane::Win32Files().List(folder_, "*");
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string folder_;
    int count_ = 0;
};

}  // namespace winecheck
