#include "platform/clock_win32.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

namespace kolvane {

double Win32Clock::Timer() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
}

DateTime Win32Clock::Now() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

namespace {

long long Ticks(const FILETIME& time) {
    return static_cast<long long>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

long long Count() {
    LARGE_INTEGER count{};
    ::QueryPerformanceCounter(&count);
    return count.QuadPart;
}

}  // namespace

double Win32Clock::SinceProcessStart() {
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    if (anchorCount_ < 0) {
        FILETIME created{}, exited{}, kernel{}, user{}, now{};
        ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
        ::GetSystemTimeAsFileTime(&now);
        ageAtAnchor_ = static_cast<double>(Ticks(now) - Ticks(created)) / 1e7;  // 100-ns units
        anchorCount_ = Count();
    }
    return ageAtAnchor_ + static_cast<double>(Count() - anchorCount_) / static_cast<double>(frequency.QuadPart);
}

void Win32Clock::Pump(double maxSeconds) {
    // Never INFINITE: a wait always ends.
    double milliseconds = std::clamp(std::ceil(maxSeconds * 1000.0), 0.0, static_cast<double>(INFINITE - 1));
    DWORD timeout = static_cast<DWORD>(milliseconds);
    // MWMO_INPUTAVAILABLE: messages that arrived before this call and were not yet removed wake it too.
    // cppcheck-suppress nullPointer ; with a count of 0 there is no array of handles to read
    ::MsgWaitForMultipleObjectsEx(0, nullptr, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    MSG message{};
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

}  // namespace kolvane
