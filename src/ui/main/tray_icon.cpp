#include "ui/main/tray_icon.h"

#include <shellapi.h>
#include <algorithm>
#include <cwchar>
#include <iterator>

#include "platform/win32/late_calls.h"

namespace vesk::ui {

TrayIcon::TrayIcon(HWND owner, HICON icon) {
    // The first layout of the record is the one every shell understands.
    data_.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data_.hWnd = owner;
    data_.uID = 0;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = WM_TRAYICON;
    data_.hIcon = icon;
    std::wcsncpy(data_.szTip, L"Vesk1.2", std::size(data_.szTip) - 1);
}

void TrayIcon::Add() {
    // After the shell restarted, the old icon is gone though we still count
    // it as added: add it again all the same.
    added_ = platform::win32::late::Shell_NotifyIconW(NIM_ADD, &data_) != FALSE || added_;
}

void TrayIcon::Change(HICON icon, const std::wstring& tip) {
    data_.hIcon = icon;
    const std::size_t length = std::min(tip.size(), std::size(data_.szTip) - 1);
    tip.copy(data_.szTip, length);
    data_.szTip[length] = L'\0';
    if (added_) platform::win32::late::Shell_NotifyIconW(NIM_MODIFY, &data_);
}

void TrayIcon::Delete() {
    if (!added_) return;
    platform::win32::late::Shell_NotifyIconW(NIM_DELETE, &data_);
    added_ = false;
}

}  // namespace vesk::ui
