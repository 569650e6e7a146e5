// The main window's window procedure (MainWndProc): hotkeys, the tray
// callback and its menu, the recorder's message, the mouse over the panel,
// painting and closing.
#include "ui/main/main_form.h"

#include <windowsx.h>

#include "ui/flat/guarded_call.h"
#include "ui/main/remote_control.h"

namespace vesk::ui {
namespace {

// Where the tray menu opens: near the screen's lower right corner.
constexpr int kMenuRightInset = 10;
constexpr int kMenuBottomInset = 30;

MouseButton ButtonOf(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: return MouseButton::Left;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: return MouseButton::Right;
    default: return MouseButton::Middle;
    }
}

bool KeyHeld(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

LRESULT CALLBACK MainForm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<MainForm*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_.reset(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<MainForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        // Destroyed by the system (WM_CREATE refused it), not by Close:
        // nothing is left for the owner to destroy.
        if (form != nullptr && form->window_.get() == window) form->window_.release();
    }
    if (form == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return flat::GuardedCall(window, LRESULT{0}, [&] { return form->HandleMessage(window, message, wParam, lParam); });
}

// `window` is passed on rather than window_, which is cleared once the close
// has begun while the system still sends the last messages.
LRESULT MainForm::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == startedUpMessage_ && startedUpMessage_ != 0) return startedUp_ ? 1 : 0;
    if (message == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0) {
        if (app_.state().ShowIcon) AddTrayIcon();
        return 0;
    }
    if (HandleMouse(message, wParam)) return 0;
    switch (message) {
    case WM_CREATE: return FormCreate() ? 0 : -1;
    case WM_HOTKEY: commands_.HotkeyCommand(static_cast<int>(wParam)); return 0;
    case WM_RECORDDONE: recorder_.RecordDone(); return 0;
    case WM_STARTMUSIC: engine::ApplyMusic(context_); return 0;
    case WM_TRAYICON: TrayMessage(static_cast<UINT>(lParam)); return 0;
    case WM_ERASEBKGND:
        // The picture goes on at once, so the window never flashes white.
        if (const DibCanvas* background = pictures_.background()) {
            background->CopyTo(reinterpret_cast<HDC>(wParam), 0, 0);
            return 1;
        }
        break;
    case WM_PAINT: {
        const flat::PaintDc dc(window);
        Paint(dc.get());
        return 0;
    }
    case WM_DPICHANGED:
        DpiChanged(window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_MEASUREITEM:
        if (deskMenu_.Measure(window, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
        break;
    case WM_DRAWITEM:
        if (deskMenu_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), app_.state().CurrentDesktop))
            return TRUE;
        break;
    case WM_KEYDOWN:
        if (wParam == VK_F1 && !KeyHeld(VK_SHIFT) && !KeyHeld(VK_CONTROL) && !KeyHeld(VK_MENU)) commands_.Help();
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && !firstShow_) {
            SetCursor(LoadCursorW(nullptr, panel_.Cursor() == CursorShape::Hand ? IDC_HAND : IDC_ARROW));
            return TRUE;
        }
        break;
    case WM_COPYDATA: {
        // Only once started up: a command before that would meet desktops
        // that have not collected their windows yet.
        if (!startedUp_ || !window_) return FALSE;
        const auto command = remote::ReceivedCommand(wParam, lParam);
        if (!command) return FALSE;
        return remote::Answer(wParam, commands_.RunRemote(*command));
    }
    case WM_CLOSE: Close(); return 0;
    case WM_ENDSESSION:
        // The session ends without asking: settings are saved and every
        // window is given back, as at a confirmed exit.
        if (wParam) {
            tag_ = 1;
            Close();
        }
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool MainForm::HandleMouse(UINT message, WPARAM wParam) {
    // Without a skin there is no panel to act on; once closing, nothing is.
    if (firstShow_ || !window_) return false;
    // The client position in lParam was taken against where the window was
    // when the message was queued, which a drag may have changed since: the
    // message's screen position is taken against where the window is now.
    const DWORD screen = GetMessagePos();
    POINT client{GET_X_LPARAM(screen), GET_Y_LPARAM(screen)};
    ScreenToClient(window_.get(), &client);
    const Point p{client.x, client.y};
    std::optional<CommandRequest> request;
    switch (message) {
    case WM_MOUSEMOVE: {
        if (!trackingLeave_) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_.get(), 0};
            trackingLeave_ = TrackMouseEvent(&track) != FALSE;
        }
        const auto moved = panel_.MouseMove(p, (wParam & MK_LBUTTON) != 0);
        if (moved.windowMovedBy) {
            // The grabbed point goes under the pointer where it is now. Wine
            // delivers moves late and updates the window's position late
            // too, so steps added up from both would overshoot.
            const Point origin = panel_.DragOrigin();
            POINT pointer{};
            GetCursorPos(&pointer);
            SetWindowPos(window_.get(), nullptr, pointer.x - origin.x, pointer.y - origin.y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        if (moved.redraw) RedrawAll();
        return true;
    }
    case WM_MOUSELEAVE:
        trackingLeave_ = false;
        if (panel_.MouseLeave()) RedrawAll();
        return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetCapture(window_.get());
        request = panel_.MouseDown(p, ButtonOf(message));
        RedrawAll();
        // A command may open a modal window, which takes the mouse anyway.
        if (request) ReleaseCapture();
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        request = panel_.MouseUp(p, ButtonOf(message));
        ReleaseCapture();
        RedrawAll();
        break;
    case WM_CAPTURECHANGED:
        panel_.CaptureLost();
        return true;
    default: return false;
    }
    if (request) {
        const recorder::Recorder::CommandGesture gesture(recorder_);
        RunCommand(*request);
    }
    return true;
}

void MainForm::TrayMessage(UINT mouseMessage) {
    if (mouseMessage == WM_LBUTTONDOWN) {
        if (!MainWindowVisible()) ShowForm();
        return;
    }
    if (mouseMessage != WM_RBUTTONDOWN || MainWindowVisible()) return;
    const POINT at{GetSystemMetrics(SM_CXSCREEN) - kMenuRightInset, GetSystemMetrics(SM_CYSCREEN) - kMenuBottomInset};
    const recorder::Recorder::CommandGesture gesture(recorder_);
    const auto chosen = deskMenu_.PopUp(window_.get(), at);
    if (!chosen) return;
    if (const auto request = menuModel_.Click(*chosen)) RunCommand(*request);
}

}  // namespace vesk::ui
