#pragma once
#include "platform/window_manager.h"

namespace vesk::platform::win32 {

// Nothing here may block on another thread's message loop: windows of other
// threads are shown and hidden asynchronously and their titles are read from
// the text the system keeps, so a hung program cannot stall the caller.
class Win32WindowManager final : public WindowManager {
public:
    std::vector<WindowHandle> EnumTopLevel() override;
    bool Exists(WindowHandle window) override;
    bool IsVisible(WindowHandle window) override;
    void Show(WindowHandle window) override;
    void Hide(WindowHandle window) override;
    void ShowEach(const std::vector<WindowHandle>& list) override;
    void HideEach(const std::vector<WindowHandle>& list) override;
    WindowHandle Foreground() override;
    void SetForeground(WindowHandle window) override;
    WindowHandle FindByClass(const std::string& className) override;
    WindowHandle FindByTitle(const std::string& title) override;
    void PostClose(WindowHandle window) override;
    bool IsMinimized(WindowHandle window) override;
    // OpenIcon for windows of this thread; for others, an asynchronous
    // SW_RESTORE, since OpenIcon first sends them WM_QUERYOPEN and waits.
    void Restore(WindowHandle window) override;
    std::string ClassName(WindowHandle window) override;
    std::string Title(WindowHandle window) override;
    ProcessId OwnerProcess(WindowHandle window) override;
};

}  // namespace vesk::platform::win32
