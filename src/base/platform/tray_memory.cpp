#include "platform/tray_memory.h"

namespace kolvane {

bool MemoryTray::Add(TrayPicture p, const std::string& t) {
    if (picture) return false;
    picture = p;
    tip = t;
    return true;
}

bool MemoryTray::Modify(TrayPicture p, const std::string& t) {
    if (!picture) return false;
    picture = p;
    tip = t;
    return true;
}

bool MemoryTray::ShowBalloon(const std::string& title, const std::string& text, BalloonIcon icon) {
    if (!picture) return false;
    balloons.push_back({title, text, icon});
    return true;
}

bool MemoryTray::Remove() {
    bool had = picture.has_value();
    picture.reset();
    return had;
}

bool MemoryTray::Restore() { return picture.has_value(); }

}  // namespace kolvane
