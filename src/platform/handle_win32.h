#pragma once
// One owner for every kind of Windows handle: it cannot be copied (no double close), it can be moved,
// and it closes what it holds when it goes away. The traits say which value means "none" and how the
// handle is closed. Only the *_win32.cpp files include this header.
#include <windows.h>
#include <wincrypt.h>

#include <utility>

namespace kolvane {

template <typename Traits>
class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    Type get() const { return handle_; }
    explicit operator bool() const { return Traits::IsValid(handle_); }

    // Closes the held handle (if any) and takes the new one.
    void reset(Type handle = Traits::kNone) {
        if (Traits::IsValid(handle_)) Traits::Close(handle_);
        handle_ = handle;
    }
    // Gives up ownership without closing.
    [[nodiscard]] Type release() { return std::exchange(handle_, Traits::kNone); }

private:
    Type handle_ = Traits::kNone;
};

// Kernel objects: some functions answer "none" with NULL, others with INVALID_HANDLE_VALUE.
struct KernelHandleTraits {
    using Type = HANDLE;
    static constexpr Type kNone = nullptr;
    static bool IsValid(Type h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(Type h) { ::CloseHandle(h); }
};
using Handle = UniqueHandle<KernelHandleTraits>;

// A mutex this thread owns: ownership is given back before the handle is closed.
struct OwnedMutexTraits : KernelHandleTraits {
    static void Close(Type h) {
        ::ReleaseMutex(h);
        ::CloseHandle(h);
    }
};
using OwnedMutex = UniqueHandle<OwnedMutexTraits>;

// A directory search of FindFirstFileA.
struct FindHandleTraits : KernelHandleTraits {
    static void Close(Type h) { ::FindClose(h); }
};
using FindHandle = UniqueHandle<FindHandleTraits>;

struct KeyTraits {
    using Type = HKEY;
    static constexpr Type kNone = nullptr;
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { ::RegCloseKey(h); }
};
using Key = UniqueHandle<KeyTraits>;

struct MenuTraits {
    using Type = HMENU;
    static constexpr Type kNone = nullptr;
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { ::DestroyMenu(h); }
};
using Menu = UniqueHandle<MenuTraits>;

// An icon created or loaded without LR_SHARED; shared icons are never destroyed and need no owner.
struct IconTraits {
    using Type = HICON;
    static constexpr Type kNone = nullptr;
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { ::DestroyIcon(h); }
};
using Icon = UniqueHandle<IconTraits>;

struct CryptProviderTraits {
    using Type = HCRYPTPROV;
    static constexpr Type kNone = 0;
    static bool IsValid(Type h) { return h != 0; }
    static void Close(Type h) { ::CryptReleaseContext(h, 0); }
};
using CryptProvider = UniqueHandle<CryptProviderTraits>;

struct CryptHashTraits {
    using Type = HCRYPTHASH;
    static constexpr Type kNone = 0;
    static bool IsValid(Type h) { return h != 0; }
    static void Close(Type h) { ::CryptDestroyHash(h); }
};
using CryptHash = UniqueHandle<CryptHashTraits>;

}  // namespace kolvane
