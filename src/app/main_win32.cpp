// KOLVANE.EXE: wires the Win32 platform to the hub, runs the start-up sequence and the message loop.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "hub/hub_icon_resource.h"
#include "app/database_wait_win32.h"
#include "app/hub_window_win32.h"
#include "app/splash_win32.h"
#include "app/startup_sequence.h"
#include "app/tray_symbol.h"
#include "launcher/about_box_win32.h"
#include "launcher/hub_menu.h"
#include "launcher/popup_view_win32.h"
#include "launcher/printer_dialog_win32.h"
#include "members/number_ranges_win32.h"
#include "members/sender_data_win32.h"
#include "password/password_change_win32.h"
#include "password/password_prompt_win32.h"
#include "platform/clock_win32.h"
#include "platform/dialogs_win32.h"
#include "platform/file_lock_win32.h"
#include "platform/files_win32.h"
#include "platform/handle_win32.h"
#include "platform/ini_files_win32.h"
#include "platform/kernel_win32.h"
#include "platform/md5_win32.h"
#include "platform/network_win32.h"
#include "platform/registry_win32.h"
#include "platform/shell_win32.h"
#include "platform/tray_win32.h"
#include "platform/windows_win32.h"
#include "search/member_search_win32.h"
#include "options/options_dialog_win32.h"

namespace {

kolvane::Icon LoadIconResource(HINSTANCE instance, int id) {
    return kolvane::Icon(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON,
                                                       GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                                       LR_DEFAULTCOLOR)));
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace kolvane;
    InitCommonControls();
    // The shell's functions (ShellExecute, the folder browser) expect COM on the hub's one thread.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    HubWindows windows;
    if (!CreateHubWindows(instance, windows)) return 1;

    const Icon starting = LoadIconResource(instance, IDI_KOLVANE_STARTING);
    const Icon ready = LoadIconResource(instance, IDI_KOLVANE_READY);
    Win32Registry registry;
    Win32IniFiles ini;
    Win32Windows windowList;
    Win32Tray tray(windows.Symbol, kSymbolCallbackMessage, starting.get(), ready.get());
    Win32Shell shell;
    Win32Kernel kernel;
    Win32Files files;
    Win32Clock clock;
    Win32Dialogs dialogs(windows.Root);
    Win32Md5 md5;
    Win32Network network;
    Win32FileLocks locks;
    Platform os{registry, ini, windowList, tray, shell, kernel, files, clock, dialogs, md5, network, locks};
    // Every way out of the process takes the icon away first; the shell would show it until a mouse
    // passes over it.
    kernel.OnTerminate([&tray] { tray.Remove(); });

    Hub hub(os);
    hub.Root = ToWindowId(windows.Root);
    hub.Text1 = ToWindowId(windows.Text1);
    hub.switchTimer = [&windows](HubTimer timer, bool on) { SwitchHubTimer(windows, timer, on); };
    Win32SplashView splash(instance, windows.Root);
    hub.splashView = &splash;
    const auto databaseWait = MakeDatabaseWaitView(instance);
    hub.databaseWaitView = databaseWait.get();
    Win32AbsenderView absender(instance);
    hub.absenderView = &absender;
    Win32LizenzierungView lizenzierung(instance);
    hub.lizenzierungView = &lizenzierung;
    Win32OptionenView optionen(instance);
    hub.optionenView = &optionen;
    Win32PopupView popup(instance, windows.Root);
    Win32PrinterDialog printerDialog(instance);
    Win32PasswortView prompt(instance);
    Win32KennwortView change(instance);
    Win32AboutView about(instance);
    HubMenu menu;
    menu.popupView = &popup;
    menu.printerDialog = &printerDialog;
    hub.accessGate.prompt = &prompt;
    hub.kennwortView = &change;
    menu.aboutView = &about;
    Win32SuchenView search(instance);
    hub.suchenView = &search;
    const MenuAttachment attachment(hub, menu);
    windows.hub = &hub;

    RunStartup(hub);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    windows.hub = nullptr;
    tray.Remove();
    return 0;
}
