#include "password/stored_password.h"

#include "hub/hub_database.h"
#include "store/member_record.h"

namespace kolvane {
namespace {

constexpr char kPasswordKey[] = "Key";
constexpr char kForegroundKey[] = "Foreground";

}  // namespace

std::optional<std::string> ReadStoredPassword(Hub& hub) {
    const DatabaseIndex index = HubDatabase(hub).Load();
    if (!index.HasSection(kHeaderSection)) return std::nullopt;
    DamageNotice notice(hub.os.dialogs);
    std::string password = index.Read(kHeaderSection, kPasswordKey, notice);
    if (notice.Shown()) return std::nullopt;
    return password;
}

// cppcheck-suppress constParameter ; writes the database through the hub, whose services const would not protect
SaveResult WriteStoredPassword(Hub& hub, std::string_view password) {
    return HubDatabase(hub).Write(kHeaderSection, kPasswordKey, password);
}

bool ReadPromptForeground(const Hub& hub) { return HubDatabase(hub).Read(kHeaderSection, kForegroundKey) == "1"; }

// cppcheck-suppress constParameter ; writes the database through the hub, whose services const would not protect
void WritePromptForeground(Hub& hub, bool foreground) {
    HubDatabase(hub).Write(kHeaderSection, kForegroundKey, foreground ? "1" : "0");
}

}  // namespace kolvane
