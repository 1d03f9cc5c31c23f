// KOLVANE.EXE: wires the Win32 platform to the hub, runs the start-up sequence and the message loop.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "app/resource.h"
#include "hub/command_channel.h"
#include "hub/hub_window_win32.h"
#include "hub/startup_sequence.h"
#include "platform/clock_win32.h"
#include "platform/dialogs_win32.h"
#include "platform/files_win32.h"
#include "platform/ini_files_win32.h"
#include "platform/kernel_win32.h"
#include "platform/md5_win32.h"
#include "platform/network_win32.h"
#include "platform/registry_win32.h"
#include "platform/shell_win32.h"
#include "platform/tray_win32.h"
#include "platform/windows_win32.h"

namespace {

constexpr UINT kSymbolCallback = 512;

HICON LoadIconResource(HINSTANCE instance, int id) {
    return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                         GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace kolvane;
    InitCommonControls();
    // The shell's functions (ShellExecute, the folder browser) expect COM on the hub's one thread.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    HubWindows windows;
    if (!CreateHubWindows(instance, windows)) return 1;

    Win32Registry registry;
    Win32IniFiles ini;
    Win32Windows windowList;
    Win32Tray tray(windows.Symbol, kSymbolCallback, LoadIconResource(instance, IDI_KOLVANE_STARTING),
                   LoadIconResource(instance, IDI_KOLVANE_READY));
    Win32Shell shell;
    Win32Kernel kernel;
    Win32Files files;
    Win32Clock clock;
    Win32Dialogs dialogs(windows.Root);
    Win32Md5 md5;
    Win32Network network;
    Platform os{registry, ini, windowList, tray, shell, kernel, files, clock, dialogs, md5, network};
    kernel.OnTerminate([&tray] { tray.Remove(); });

    Hub hub(os);
    hub.Root = ToWindowId(windows.Root);
    hub.Text1 = ToWindowId(windows.Text1);
    windows.onCommand = [&hub](const std::string& text) { OnCommandText(hub, text); };

    RunStartup(hub);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    tray.Remove();
    return 0;
}
