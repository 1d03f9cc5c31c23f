#pragma once
// A write call's result passed on, with a refusal reported the moment it happens: GetLastError is read
// first, before anything else can change it. Only the *_win32.cpp files include this header.
#include <windows.h>

#include <string>

#include "platform/write_failures.h"

namespace kolvane {

inline bool ReportedStatus(LONG status, const char* call, const std::string& target) {
    if (status == ERROR_SUCCESS) return true;
    char buffer[512] = {};
    DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                    static_cast<DWORD>(status), 0, buffer, sizeof buffer, nullptr);
    std::string text(buffer, length);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) text.pop_back();
    ReportWriteFailure({call, target, static_cast<std::uint32_t>(status), text});
    return false;
}

inline bool Reported(BOOL ok, const char* call, const std::string& target) {
    if (ok) return true;
    LONG error = static_cast<LONG>(::GetLastError());
    return ReportedStatus(error == ERROR_SUCCESS ? ERROR_GEN_FAILURE : error, call, target);
}

}  // namespace kolvane
