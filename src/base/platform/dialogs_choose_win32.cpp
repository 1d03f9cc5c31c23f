// Choosing a file, a folder or a popup entry: the common dialog, the shell's folder browser and a menu at the
// mouse, each modal to the window that asks.
#include "platform/dialogs_win32.h"

#include <commdlg.h>
#include <shlobj.h>

#include <memory>

#include "platform/handle_win32.h"

namespace kolvane {
namespace {

constexpr char kFolderPrompt[] = "Bitte wählen Sie den gewünschten Zielordner ...";

// "Name|Pattern|..." becomes the NUL-separated list the dialog wants, ending in two NULs.
std::string FilterList(const std::string& filter) {
    std::string list = filter;
    for (char& c : list)
        if (c == '|') c = '\0';
    return list + std::string(2, '\0');
}

struct ComScope {
    ComScope() : ok(SUCCEEDED(::CoInitialize(nullptr))) {}
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope() {
        if (ok) ::CoUninitialize();
    }
    bool ok;
};

struct ItemListFree {
    void operator()(ITEMIDLIST* list) const { ::CoTaskMemFree(list); }
};
using ItemList = std::unique_ptr<ITEMIDLIST, ItemListFree>;

int FolderOf(FolderStart start) {
    switch (start) {
        case FolderStart::Network: return CSIDL_NETWORK;
        case FolderStart::Documents: return CSIDL_PERSONAL;
        default: return CSIDL_DRIVES;
    }
}

}  // namespace

std::optional<std::string> Win32Dialogs::ChooseFile(const FileDialogRequest& request) {
    const std::string filter = FilterList(request.filter);
    char name[MAX_PATH * 4] = {};
    request.fileName.copy(name, sizeof name - 1);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Owner();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name;
    dialog.nMaxFile = sizeof name;
    dialog.lpstrInitialDir = request.folder.empty() ? nullptr : request.folder.c_str();
    dialog.lpstrTitle = request.title.c_str();
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | (request.save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = request.save ? ::GetSaveFileNameA(&dialog) : ::GetOpenFileNameA(&dialog);
    if (!chosen) return std::nullopt;
    return std::string(name);
}

std::string Win32Dialogs::BrowseFolder(FolderStart start) {
    const ComScope com;
    ITEMIDLIST* rootList = nullptr;
    ::SHGetSpecialFolderLocation(nullptr, FolderOf(start), &rootList);
    const ItemList root(rootList);
    BROWSEINFOA browse{};
    browse.hwndOwner = Owner();
    browse.pidlRoot = root.get();
    browse.lpszTitle = kFolderPrompt;
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    const ItemList chosen(::SHBrowseForFolderA(&browse));
    char path[MAX_PATH] = {};
    if (!chosen || !::SHGetPathFromIDListA(chosen.get(), path)) return "";
    return path;
}

int Win32Dialogs::ChooseMenuEntry(const std::vector<std::string>& entries) {
    const Menu menu(::CreatePopupMenu());
    if (!menu) return 0;
    for (std::size_t i = 0; i < entries.size(); ++i)
        ::AppendMenuA(menu.get(), entries[i].empty() ? MF_SEPARATOR : MF_STRING, i + 1, entries[i].c_str());
    POINT at{};
    ::GetCursorPos(&at);
    const HWND owner = Owner();
    ::SetForegroundWindow(owner);  // so that a click elsewhere closes the menu
    return ::TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
}

}  // namespace kolvane
