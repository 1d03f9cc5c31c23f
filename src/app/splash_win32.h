#pragma once
// The splash window `Startup` on screen: a modeless dialog owned by the hub window.
#include <windows.h>

#include "app/splash.h"
#include "platform/handle_win32.h"

namespace kolvane {

class Win32SplashView final : public SplashView {
public:
    Win32SplashView(HINSTANCE instance, HWND owner);
    ~Win32SplashView() override;
    Win32SplashView(const Win32SplashView&) = delete;
    Win32SplashView& operator=(const Win32SplashView&) = delete;

    bool Loaded() const override { return window_ != nullptr; }
    void Load(const SplashForm& form) override;
    void Show() override;
    void Unload() override;

private:
    HINSTANCE instance_;
    HWND owner_;
    HWND window_ = nullptr;
    Font titleFont_;  // lives as long as the window that shows it
};

}  // namespace kolvane
