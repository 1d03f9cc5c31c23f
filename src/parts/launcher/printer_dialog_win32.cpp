#include "launcher/printer_dialog_win32.h"

#include <commdlg.h>
#include <winspool.h>

#include <cstring>

#include "hub/tray_symbol_window_win32.h"
#include "platform/handle_win32.h"

namespace kolvane {
namespace {

// The print-setup form, without a selection range and without printing to a file.
constexpr DWORD kDialogFlags = 0x100044;
static_assert(kDialogFlags == (PD_PRINTSETUP | PD_NOSELECTION | PD_HIDEPRINTTOFILE));

// The dialog starts on the printer the user chose from the menu.
HGLOBAL DeviceNames(const std::string& device) {
    const std::size_t size = sizeof(DEVNAMES) + device.size() + 2;
    HGLOBAL memory = GlobalAlloc(GHND, size);
    if (!memory) return nullptr;
    auto* names = static_cast<DEVNAMES*>(GlobalLock(memory));
    names->wDriverOffset = sizeof(DEVNAMES) + static_cast<WORD>(device.size());  // an empty text
    names->wDeviceOffset = sizeof(DEVNAMES);
    names->wOutputOffset = names->wDriverOffset;
    std::memcpy(reinterpret_cast<char*>(names) + sizeof(DEVNAMES), device.c_str(), device.size() + 1);
    GlobalUnlock(memory);
    return memory;
}

std::string DeviceOf(HGLOBAL memory) {
    if (!memory) return {};
    const auto* names = static_cast<const DEVNAMES*>(GlobalLock(memory));
    std::string device = names ? reinterpret_cast<const char*>(names) + names->wDeviceOffset : "";
    GlobalUnlock(memory);
    return device;
}

std::string DefaultPrinter() {
    DWORD size = 0;
    GetDefaultPrinterA(nullptr, &size);
    if (size == 0) return {};
    std::string name(size, '\0');
    if (!GetDefaultPrinterA(name.data(), &size)) return {};
    name.resize(std::strlen(name.c_str()));
    return name;
}

// The title is the hub's own; the set-up form has none to pass.
UINT_PTR CALLBACK SetupHook(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* request = reinterpret_cast<const PRINTDLGA*>(lParam);
        SetWindowTextA(dialog, reinterpret_cast<const char*>(request->lCustData));
    }
    return 0;
}

}  // namespace

std::string Win32PrinterDialog::ChooseDefault(const std::string& title, const std::string& preselected) {
    const TraySymbolWindow owner(instance_);
    Global devNames(DeviceNames(preselected));
    PRINTDLGA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner.get();
    request.hDevNames = devNames.get();
    request.Flags = kDialogFlags | PD_ENABLESETUPHOOK;
    request.lpfnSetupHook = SetupHook;
    request.lCustData = reinterpret_cast<LPARAM>(title.c_str());
    const bool confirmed = PrintDlgA(&request) != FALSE;
    // The dialog may have replaced both blocks; whichever it left is freed here.
    (void)devNames.release();
    devNames.reset(request.hDevNames);
    const Global devMode(request.hDevMode);
    if (confirmed) {
        const std::string device = DeviceOf(devNames.get());
        if (!device.empty()) SetDefaultPrinterA(device.c_str());
    }
    return DefaultPrinter();
}

}  // namespace kolvane
