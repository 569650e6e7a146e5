#pragma once
#include "platform/win32/windows_api.h"

#include <shellapi.h>

namespace vesk::ui {

// Window message the notification-area icon calls back with; its second
// parameter is the mouse message that happened over the icon.
inline constexpr UINT WM_TRAYICON = WM_USER + 1;

// The program's icon in the notification area. Filled once; added and
// deleted as the ShowIcon setting says, never modified in between.
class TrayIcon {
public:
    TrayIcon(HWND owner, HICON icon);
    ~TrayIcon() { Delete(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // A failure is not reported: the main-window hotkey still brings the
    // window back.
    void Add();
    void Delete();
    bool added() const { return added_; }

private:
    NOTIFYICONDATAW data_{};
    bool added_ = false;
};

}  // namespace vesk::ui
