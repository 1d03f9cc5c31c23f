#pragma once
// The member database DATEX.DAT in the hub's database folder, as most parts of the hub read and write it.
#include <string>

#include "hub/hub.h"
#include "store/member_database.h"

namespace kolvane {

inline MemberDatabase HubDatabase(const Hub& hub) {
    return MemberDatabase(hub.os, DatabaseFile(hub, std::string(kDatabaseFileName)));
}

}  // namespace kolvane
