#include "platform/windows_memory.h"

#include "platform/text.h"

namespace kolvane {

WindowId MemoryWindows::Create(const std::string& windowClass, const std::string& caption, WindowId parent) {
    WindowId id = nextId_++;
    windows_[id] = Window{windowClass, caption, parent, ShowState::Hidden, nullptr};
    return id;
}

void MemoryWindows::Destroy(WindowId window) {
    windows_.erase(window);
    std::erase_if(windows_, [&](const auto& entry) { return entry.second.parent == window; });
}

WindowId MemoryWindows::Next(WindowId parent, WindowId after, const std::optional<std::string>& windowClass,
                             const std::optional<std::string>& caption) {
    for (auto it = windows_.upper_bound(after); it != windows_.end(); ++it) {
        const Window& w = it->second;
        if (w.parent != parent) continue;
        if (windowClass && !EqualsNoCase(w.windowClass, *windowClass)) continue;
        // FindWindow compares captions without regard to case.
        if (caption && !EqualsNoCase(w.caption, *caption)) continue;
        return it->first;
    }
    return kNoWindow;
}

WindowId MemoryWindows::Find(const std::optional<std::string>& windowClass, const std::optional<std::string>& caption) {
    return Next(kNoWindow, kNoWindow, windowClass, caption);
}

WindowId MemoryWindows::FindChild(WindowId parent, WindowId after, const std::optional<std::string>& windowClass,
                                  const std::optional<std::string>& caption) {
    return Next(parent, after, windowClass, caption);
}

std::string MemoryWindows::GetText(WindowId window) {
    auto it = windows_.find(window);
    return it == windows_.end() ? std::string() : it->second.caption;
}

bool MemoryWindows::SetText(WindowId window, const std::string& text) {
    auto it = windows_.find(window);
    if (it == windows_.end()) return false;
    sent_.push_back({window, text});
    bool changed = it->second.caption != text;
    it->second.caption = text;
    if (changed && it->second.onChange) it->second.onChange(text);
    return true;
}

void MemoryWindows::Show(WindowId window, ShowState state) {
    auto it = windows_.find(window);
    if (it != windows_.end()) it->second.shown = state;
}

}  // namespace kolvane
