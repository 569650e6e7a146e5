#pragma once
#include <string>
#include <vector>

#include "platform/types.h"

namespace vesk::platform {

// Top-level windows of all processes. Every call on a handle that no longer
// names a window fails quietly (false, empty or 0).
class WindowManager {
public:
    virtual ~WindowManager() = default;
    // All top-level windows in the system's stable enumeration (Z) order.
    virtual std::vector<WindowHandle> EnumTopLevel() = 0;
    virtual bool Exists(WindowHandle window) = 0;
    virtual bool IsVisible(WindowHandle window) = 0;
    // Show and hide never wait for the window's thread: a hung program must
    // not stall the caller.
    virtual void Show(WindowHandle window) = 0;
    virtual void Hide(WindowHandle window) = 0;
    // Show or Hide for each window of the list, in its order; a system that
    // charges for every question about a window may ask fewer.
    virtual void ShowEach(const std::vector<WindowHandle>& list) {
        for (auto w : list) Show(w);
    }
    virtual void HideEach(const std::vector<WindowHandle>& list) {
        for (auto w : list) Hide(w);
    }
    virtual WindowHandle Foreground() = 0;
    virtual void SetForeground(WindowHandle window) = 0;
    // First top-level window of that class (compared without case); 0 if none.
    virtual WindowHandle FindByClass(const std::string& className) = 0;
    // First top-level window with exactly that title; 0 if none.
    virtual WindowHandle FindByTitle(const std::string& title) = 0;
    virtual void PostClose(WindowHandle window) = 0;
    virtual bool IsMinimized(WindowHandle window) = 0;
    // Restores a minimised window (OpenIcon).
    virtual void Restore(WindowHandle window) = 0;
    virtual std::string ClassName(WindowHandle window) = 0;
    virtual std::string Title(WindowHandle window) = 0;
    virtual ProcessId OwnerProcess(WindowHandle window) = 0;
};

}  // namespace vesk::platform
