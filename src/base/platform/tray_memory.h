#pragma once
// The notification-area icon for tests: its state and every balloon shown.
#include <optional>
#include <vector>

#include "platform/tray.h"

namespace kolvane {

class MemoryTray : public Tray {
public:
    struct Balloon {
        std::string title, text;
        BalloonIcon icon;
    };
    std::optional<TrayPicture> picture;  // empty while no icon is shown
    std::string tip;
    std::vector<Balloon> balloons;

    bool Add(TrayPicture p, const std::string& t) override;
    bool Modify(TrayPicture p, const std::string& t) override;
    bool ShowBalloon(const std::string& title, const std::string& text, BalloonIcon icon) override;
    bool Remove() override;
    bool Restore() override;
};

}  // namespace kolvane
