#include "platform/sim/sim_windows.h"

#include "platform/sim/case_fold.h"

namespace vesk::platform::sim {

WindowHandle SimWindows::Create(std::string className, std::string title, bool visible,
                                ProcessId process) {
    const WindowHandle handle = next_;
    next_ += 4;  // real handles are multiples of four too
    index_[handle] = windows_.size();
    windows_.push_back({.handle = handle, .className = std::move(className), .title = std::move(title),
                        .visible = visible, .process = process});
    return handle;
}

void SimWindows::Destroy(WindowHandle window) {
    if (SimWindow* w = Find(window)) w->alive = false;
    index_.erase(window);
    if (foreground == window) foreground = kNoWindow;
}

SimWindow* SimWindows::Find(WindowHandle window) {
    auto it = index_.find(window);
    return it == index_.end() ? nullptr : &windows_[it->second];
}

void SimWindows::Rehandle(WindowHandle from, WindowHandle to) {
    auto it = index_.find(from);
    if (it == index_.end() || index_.count(to)) return;
    const std::size_t position = it->second;
    index_.erase(it);
    windows_[position].handle = to;
    index_[to] = position;
}

std::vector<WindowHandle> SimWindows::EnumTopLevel() {
    std::vector<WindowHandle> handles;
    for (const auto& w : windows_) {
        if (w.alive) handles.push_back(w.handle);
    }
    return handles;
}

bool SimWindows::Exists(WindowHandle window) { return Find(window) != nullptr; }

bool SimWindows::IsVisible(WindowHandle window) {
    const SimWindow* w = Find(window);
    return w && w->visible;
}

void SimWindows::Change(WindowHandle window, bool visible) {
    if (changesWait) pending_.push_back({window, visible});
    else Find(window)->visible = visible;
}

void SimWindows::Show(WindowHandle window) {
    if (!Find(window)) return;
    ++showCalls;
    Change(window, true);
}

void SimWindows::Hide(WindowHandle window) {
    if (!Find(window)) return;
    ++hideCalls;
    Change(window, false);
}

void SimWindows::RunPendingChanges() {
    std::vector<PendingChange> stillWaiting;
    for (const PendingChange& change : pending_) {
        SimWindow* w = Find(change.window);
        if (!w) continue;
        if (w->hung) stillWaiting.push_back(change);
        else w->visible = change.visible;
    }
    pending_ = std::move(stillWaiting);
}

void SimWindows::SetForeground(WindowHandle window) {
    if (Find(window)) foreground = window;
}

WindowHandle SimWindows::FindByClass(const std::string& className) {
    const std::string wanted = FoldCase(className);
    for (const auto& w : windows_) {
        if (w.alive && FoldCase(w.className) == wanted) return w.handle;
    }
    return kNoWindow;
}

WindowHandle SimWindows::FindByTitle(const std::string& title) {
    for (const auto& w : windows_) {
        if (w.alive && w.title == title) return w.handle;
    }
    return kNoWindow;
}

void SimWindows::PostClose(WindowHandle window) {
    if (Find(window)) closeRequests.push_back(window);
}

std::string SimWindows::ClassName(WindowHandle window) {
    const SimWindow* w = Find(window);
    return w ? w->className : std::string();
}

std::string SimWindows::Title(WindowHandle window) {
    const SimWindow* w = Find(window);
    return w ? w->title : std::string();
}

ProcessId SimWindows::OwnerProcess(WindowHandle window) {
    const SimWindow* w = Find(window);
    return w ? w->process : 0;
}

}  // namespace vesk::platform::sim
