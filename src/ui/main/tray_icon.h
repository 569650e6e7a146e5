#pragma once
#include "platform/win32/windows_api.h"

#include <shellapi.h>

#include <string>

namespace vesk::ui {

// Window message the notification-area icon calls back with; its second
// parameter is the mouse message that happened over the icon.
inline constexpr UINT WM_TRAYICON = WM_USER + 1;

// The program's icon in the notification area, added and deleted as the
// ShowIcon setting says; its picture and tip change with the desktop.
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
    // A new picture and tip, shown at once when the icon is in the area. The
    // caller keeps the icon alive until the next change (the shell copies it).
    void Change(HICON icon, const std::wstring& tip);
    bool added() const { return added_; }

private:
    NOTIFYICONDATAW data_{};
    bool added_ = false;
};

}  // namespace vesk::ui
