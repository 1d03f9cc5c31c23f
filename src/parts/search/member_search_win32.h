#pragma once
// The search window `Suchen` on screen.
#include <windows.h>

#include "search/member_search.h"

namespace kolvane {

class Win32SuchenView : public SuchenView {
public:
    explicit Win32SuchenView(HINSTANCE instance) : instance_(instance) {}
    void Run(MemberSearch& search) override;
    void Update(const SuchenForm& form) override;
    void Close() override;
    void Beep() override { MessageBeep(MB_OK); }
    std::optional<ObjekteEntry> TrackObjekte(const ObjekteMenu& menu) override;

private:
    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Load();
    void Command(int id);
    void Notify(const NMHDR& header);
    void ReadControls();
    void ShowRows(const SuchenForm& form);
    TwipsRect Place() const;

    HINSTANCE instance_;
    HWND dialog_ = nullptr;
    MemberSearch* search_ = nullptr;
    // What the controls show, so that an update touches only what changed: a scan updates after every
    // member.
    SuchenForm shown_;
    std::size_t rowsShown_ = 0;
    bool timerOn_ = false;
};

}  // namespace kolvane
