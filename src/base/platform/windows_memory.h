#pragma once
// Windows for tests: top-level and child windows that a test creates, found by class and caption as
// FindWindow finds them, with every text sent to a window recorded.
#include <functional>
#include <map>
#include <vector>

#include "platform/windows.h"

namespace kolvane {

class MemoryWindows : public Windows {
public:
    struct Window {
        std::string windowClass;
        std::string caption;
        WindowId parent = kNoWindow;
        ShowState shown = ShowState::Hidden;
        // Runs when a text really changes the window's text (as an edit control's change event).
        std::function<void(const std::string&)> onChange;
    };
    struct SentText {
        WindowId window;
        std::string text;
        friend bool operator==(const SentText&, const SentText&) = default;
    };

    WindowId Create(const std::string& windowClass, const std::string& caption, WindowId parent = kNoWindow);
    void Destroy(WindowId window);
    Window& Get(WindowId window) { return windows_.at(window); }
    const std::vector<SentText>& Sent() const { return sent_; }
    WindowId foreground = kNoWindow;

    WindowId Find(const std::optional<std::string>& windowClass, const std::optional<std::string>& caption) override;
    WindowId FindChild(WindowId parent, WindowId after, const std::optional<std::string>& windowClass,
                       const std::optional<std::string>& caption) override;
    std::string GetText(WindowId window) override;
    bool SetText(WindowId window, const std::string& text) override;
    void SetForeground(WindowId window) override { foreground = window; }
    void Show(WindowId window, ShowState state) override;
    void SetPointer(MousePointer pointer) override { pointers.push_back(pointer); }
    std::vector<MousePointer> pointers;  // every pointer set, in order
    ScreenSize screen{1024, 768};
    ScreenSize Screen() override { return screen; }
    std::vector<Monitor> monitors{{{0, 0, 1024, 768}, {0, 0, 1024, 728}}};
    std::vector<Monitor> Monitors() override { return monitors; }

private:
    WindowId Next(WindowId parent, WindowId after, const std::optional<std::string>& windowClass,
                  const std::optional<std::string>& caption);

    std::map<WindowId, Window> windows_;
    WindowId nextId_ = 0x100;
    std::vector<SentText> sent_;
};

}  // namespace kolvane
