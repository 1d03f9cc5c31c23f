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
    // cppcheck-suppress constParameter ; a handle names an object, it points at nothing of ours
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

// The handles that are plain values, "none" being zero, closed by one call.
template <typename T, auto CloseFunction>
struct ValueHandleTraits {
    using Type = T;
    static constexpr Type kNone = {};
    // cppcheck-suppress constParameter ; a handle names an object, it points at nothing of ours
    static bool IsValid(Type h) { return h != kNone; }
    static void Close(Type h) { CloseFunction(h); }
};

inline void ReleaseCryptProvider(HCRYPTPROV provider) { ::CryptReleaseContext(provider, 0); }

using Key = UniqueHandle<ValueHandleTraits<HKEY, ::RegCloseKey>>;
using Menu = UniqueHandle<ValueHandleTraits<HMENU, ::DestroyMenu>>;
// An icon created or loaded without LR_SHARED; shared icons are never destroyed and need no owner.
using Icon = UniqueHandle<ValueHandleTraits<HICON, ::DestroyIcon>>;
using Global = UniqueHandle<ValueHandleTraits<HGLOBAL, ::GlobalFree>>;
using CryptProvider = UniqueHandle<ValueHandleTraits<HCRYPTPROV, ReleaseCryptProvider>>;
using CryptHash = UniqueHandle<ValueHandleTraits<HCRYPTHASH, ::CryptDestroyHash>>;

// Pens, brushes and fonts of our own drawing; an object must be out of every device context before it goes.
template <typename T>
inline void DeleteGdiObject(T object) { ::DeleteObject(object); }
template <typename T>
using GdiObject = UniqueHandle<ValueHandleTraits<T, DeleteGdiObject<T>>>;
using Font = GdiObject<HFONT>;

// The bold heading font of the hub's own windows, `pixels` high at 100 % and larger by the screen's scale, as
// the dialogs' own font grows with it.
inline Font BoldHeadingFont(int pixels) {
    HDC screen = ::GetDC(nullptr);
    const int height = ::MulDiv(pixels, ::GetDeviceCaps(screen, LOGPIXELSY), USER_DEFAULT_SCREEN_DPI);
    ::ReleaseDC(nullptr, screen);
    return Font(::CreateFontA(-height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Tahoma"));
}

}  // namespace kolvane
