#pragma once
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/window_manager.h"

namespace vesk::platform::sim {

struct SimWindow {
    WindowHandle handle = kNoWindow;
    std::string className;
    std::string title;
    bool visible = true;
    bool minimized = false;
    bool alive = true;
    ProcessId process = 0;
    // Its program handles no messages: queued changes wait even through
    // RunPendingChanges.
    bool hung = false;
};

// Top-level windows in Z order (first = top). Show and hide count the calls
// that reached a live window, so tests can see what was touched.
class SimWindows : public WindowManager {
public:
    WindowHandle Create(std::string className, std::string title, bool visible = true,
                        ProcessId process = 100);
    void Destroy(WindowHandle window);
    SimWindow* Find(WindowHandle window);

    std::vector<WindowHandle> EnumTopLevel() override;
    bool Exists(WindowHandle window) override;
    bool IsVisible(WindowHandle window) override;
    void Show(WindowHandle window) override;
    void Hide(WindowHandle window) override;
    WindowHandle Foreground() override { return foreground; }
    void SetForeground(WindowHandle window) override;
    WindowHandle FindByClass(const std::string& className) override;
    WindowHandle FindByTitle(const std::string& title) override;
    void PostClose(WindowHandle window) override;
    bool IsMinimized(WindowHandle window) override {
        const SimWindow* w = Find(window);
        return w && w->minimized;
    }
    void Restore(WindowHandle window) override {
        if (SimWindow* w = Find(window)) w->minimized = false, w->visible = true;
    }
    std::string ClassName(WindowHandle window) override;
    std::string Title(WindowHandle window) override;
    ProcessId OwnerProcess(WindowHandle window) override;

    WindowHandle foreground = kNoWindow;
    // Like showing or hiding another program's window on Windows
    // (ShowWindowAsync): with changesWait set, each request is queued and
    // takes effect, in order, when that program next runs
    // (RunPendingChanges); IsVisible tells the old state until then.
    bool changesWait = false;
    void RunPendingChanges();
    int showCalls = 0;
    int hideCalls = 0;
    std::vector<WindowHandle> closeRequests;

    // Gives a window another handle, as when the system reuses the handle of
    // a closed window for a new one.
    void Rehandle(WindowHandle from, WindowHandle to);

private:
    struct PendingChange {
        WindowHandle window;
        bool visible;
    };
    void Change(WindowHandle window, bool visible);
    std::vector<PendingChange> pending_;  // in the order they were asked
    std::vector<SimWindow> windows_;  // Z order
    std::unordered_map<WindowHandle, std::size_t> index_;  // live windows only
    WindowHandle next_ = 0x1000;
};

}  // namespace vesk::platform::sim
