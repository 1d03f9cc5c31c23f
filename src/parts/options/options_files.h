#pragma once
// The files and database entries the window `Optionen` shares with the suite's programs, beside the settings key.
#include <array>
#include <string>
#include <string_view>

#include "options/options_controls.h"

namespace kolvane {

// In the database folder: which parts the automatic backup takes, "1" or "0" under B1 ... B5.
inline constexpr char kBackupListFile[] = "DATASAFE.INI";
inline constexpr char kBackupSection[] = "AUTOFILE";
inline std::string BackupKey(int part) { return "B" + std::to_string(part); }

// In the installation folder.
inline constexpr char kTipsFile[] = "Tips.dat";           // [Ex] Show: tips and tricks after the start
inline constexpr char kSignatureFile[] = "SIGNUP.DAT";    // the signature printed under letters
inline constexpr char kSignatureAssistant[] = "SIGNCHK.EXE";
inline constexpr char kSetupFile[] = "SETUP.INI";

// In the header section of the member database: the contributions password.
inline constexpr std::string_view kPaySecurityKey = "PaySecurity";

// The four range fields in the order of the database's keys A1, A2, B1, B2.
inline constexpr std::array<Ctl, 4> kRangeFields{Ctl::TAnfang1, Ctl::TEnde1, Ctl::TAnfang2, Ctl::TEnde2};

// The sizes the font pair is offered in, two digits each; the first, nine points, is stored as "9".
inline constexpr std::string_view kBarCodeSizes[] = {"09", "10", "11", "12", "14", "16", "18", "20", "24", "28", "36"};

}  // namespace kolvane
