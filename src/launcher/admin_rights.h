#pragma once
#include "hub/hub.h"

namespace kolvane {

inline constexpr char kLayersKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Layers";
inline constexpr char kRunAsAdmin[] = "~ RUNASADMIN";

// Marks every component program to run with administrator rights, once: existing marks are never changed.
void AdminRechte(Hub& hub);

}  // namespace kolvane
