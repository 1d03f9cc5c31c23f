#pragma once
// Every value under the settings key HKEY_LOCAL_MACHINE\Software\Brekkan\Orvintal: its name as the suite's
// programs spell it, its kind (how it is stored and which empty state deletes it) and what a reader uses
// when it is missing. The table itself is in settings_table.cpp; Settings (settings.h) reads and writes
// through it.
#include <cstdint>
#include <span>
#include <string_view>

namespace kolvane {

// ASCII spellings of the value names; the real names (with umlauts) are in the table.
enum class Setting : std::uint8_t {
    // Check boxes of the pages "Allgemeine Optionen" and "Erweiterte Optionen".
    RefreshDialog, Oeffnen, Dorvenhal, Postleitzahl, NoCompany, NoSupport, NoStatus, AddContract, CheckNr,
    Menueanzeige, Security, Unterschrift, FindListUser, Temporary, Klicker, NoInfoSound, MailIntern,
    AutoUpdate, InternetUpdate, PackageUpdate, UpdRecovery, LastPayTyp, ReceiptPrint, QuittungVerboten,
    Numlock, Barcode, OneUser, Startbild, NoHintfeed,
    // The other options of the dialog, page by page.
    StartApp, Maustaste, Steuererklaerung, Explorer, Drucker, Dienststellen, Bibliothek, Beitraege,
    ShowNoContacts, Versetzung, ALizenz0, Bescheide, ChkBeitrag, ScanDocs, ScanDate, ExtScanner, AddButtons,
    PdfViewer, PdfEditor, PdfDocTool, PdfDriver, Images, Belege, Pelmondo, NoTmpBeitrag, NoKillIHP,
    StateMarkView, AutoDataImport, MdbFileRythm, MdbOverwrite, MDBUsed, Calendar, OneCalendar, AutoTaxBackup,
    AutoBackupFolder, AutoTaxTime, Formulare, Database,
    // Fonts.
    BarcodeFont, BarcodeSize, GridFontName, GridFontSize,
    // Bookkeeping of the SQL database file, and values dropped when the database folder changes.
    MDBFileData, MDBFileCheck, MdbRefresh, DBDatCount, DBDatKey, DBMdbKey,
    // Obsolete values the dialog removes.
    PdfDocument, PdfProbe,
    // Values kept by the start-up, the timers, the launcher, the search and the sender data.
    RunAdmin, FirstRun, FirstStart, StartTime, Running, CloseExplorer, NowClose, StopError, Version, Version_A,
    InstallDir, Fristwaechter, Steuerjahr, Jahrgang, Erklaerungen, AutoOnlyNew, Konvertierung, Updates,
    LastUpdate, UpdPackage, Infotip, TaxBackup, DB_IHP, Encoder, HashFile, CheckPrint, Themes, Steuertips,
    Steuertips_03, Quickwrite, Quickload, PCName, Postbuch, ViewLokalfile, ReceiptColor, HPos1, HPos2, LastUser,
    Kurzmitteilung, Steuernummer, ALizenz1, ALizenz2, ALizenz3, ALizenz4, ALizenz5, ALizenz6, BLizenz1,
    BLizenz2, BLizenz3, BLizenz4, BLizenz5, BLizenz6, RegisteredOwner,
    // The hub's own additions (keep MapUrl last: it sizes the table).
    PortalUrl, UpdateSetGiven, MapUrl,
};

inline constexpr std::size_t kSettingCount = static_cast<std::size_t>(Setting::MapUrl) + 1;

enum class SettingKind : std::uint8_t {
    Flag,                  // REG_DWORD 0 (off) or 1 (on)
    FlagDeletedWhenOff,    // REG_DWORD 1 when on; no value when off
    Index,                 // REG_DWORD zero-based choice of a list
    Number,                // REG_DWORD count, delay or state
    Text,                  // REG_SZ
    TextNumber,            // REG_SZ holding a decimal number, as the peers keep it
    TextDeletedWhenEmpty,  // REG_SZ; an empty text removes the value, so that readers take their default
    TextWrittenWhenSet,    // REG_SZ; an empty text leaves the stored value alone
    Marker,                // kept by others: the hub only tests that it exists and deletes it
};

enum class SettingOwner : std::uint8_t {
    Suite,  // shared with the components under a name they rely on
    Hub,    // this hub's own; no component reads it
};

// What a reader uses when the value is missing. Integer kinds use the number, text kinds the text.
struct SettingDefault {
    bool present = false;
    std::int32_t number = 0;
    std::string_view text;
};

struct SettingEntry {
    Setting id;
    std::string_view name;  // Windows-1252, compared without regard to case by the registry
    SettingKind kind;
    SettingDefault absent;
    SettingOwner owner = SettingOwner::Suite;
};

const SettingEntry& EntryOf(Setting setting);
std::span<const SettingEntry> AllSettings();

}  // namespace kolvane
