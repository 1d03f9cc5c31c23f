#include "settings/settings_table.h"

#include <array>

namespace kolvane {
namespace {

using K = SettingKind;
using S = Setting;

constexpr SettingDefault kNone{};
constexpr SettingDefault Absent(std::int32_t number) { return {true, number, {}}; }
constexpr SettingDefault Absent(std::string_view text) { return {true, 0, text}; }

// One line per value, in the order of the enum. Values without a default here get theirs from the code
// that owns them (the database folder from the program folder, the document folders from the database
// folder, dates from today) or mean "not set" when missing.
constexpr std::array<SettingEntry, kSettingCount> kTable{{
    {S::RefreshDialog, "RefreshDialog", K::Flag, Absent(1)},
    {S::Oeffnen, "Öffnen", K::Flag, Absent(0)},
    {S::Dorvenhal, "Dorvenhal", K::Flag, Absent(1)},
    {S::Postleitzahl, "Postleitzahl", K::Flag, Absent(1)},
    {S::NoCompany, "NoCompany", K::Flag, Absent(0)},
    {S::NoSupport, "NoSupport", K::Flag, Absent(0)},
    {S::NoStatus, "NoStatus", K::Flag, Absent(0)},
    {S::AddContract, "AddContract", K::Flag, Absent(1)},
    {S::CheckNr, "CheckNr", K::Flag, Absent(0)},
    {S::Menueanzeige, "Menüanzeige", K::Flag, Absent(1)},
    {S::Security, "Security", K::Flag, Absent(0)},
    {S::Unterschrift, "Unterschrift", K::Flag, Absent(0)},
    {S::FindListUser, "FindListUser", K::FlagDeletedWhenOff, Absent(0)},
    {S::Temporary, "Temporary", K::Flag, Absent(1)},
    {S::Klicker, "Klicker", K::Flag, Absent(1)},
    {S::NoInfoSound, "NoInfoSound", K::Flag, Absent(1)},
    {S::MailIntern, "MailIntern", K::Flag, Absent(0)},
    {S::AutoUpdate, "AutoUpdate", K::Flag, Absent(1)},
    {S::InternetUpdate, "InternetUpdate", K::Flag, Absent(1)},
    {S::PackageUpdate, "PackageUpdate", K::Flag, Absent(1)},
    {S::UpdRecovery, "UpdRecovery", K::Flag, Absent(1)},
    {S::LastPayTyp, "LastPayTyp", K::Flag, Absent(1)},
    {S::ReceiptPrint, "ReceiptPrint", K::Flag, Absent(0)},
    {S::QuittungVerboten, "QuittungVerboten", K::Flag, Absent(0)},
    {S::Numlock, "Numlock", K::Flag, Absent(1)},
    {S::Barcode, "Barcode", K::Flag, Absent(1)},
    {S::OneUser, "OneUser", K::Flag, Absent(0)},
    {S::Startbild, "Startbild", K::Flag, Absent(0)},
    {S::NoHintfeed, "NoHintfeed", K::Flag, Absent(0)},

    {S::StartApp, "StartApp", K::Index, Absent(0)},
    {S::Maustaste, "Maustaste", K::Index, Absent(0)},
    {S::Steuererklaerung, "Steuererklärung", K::Flag, Absent(1)},
    {S::Explorer, "Explorer", K::Flag, Absent(1)},
    {S::Drucker, "Drucker", K::Flag, Absent(0)},
    {S::Dienststellen, "Dienststellen", K::Flag, Absent(1)},
    {S::Bibliothek, "Bibliothek", K::Flag, Absent(1)},
    {S::Beitraege, "Beiträge", K::Flag, Absent(1)},
    {S::ShowNoContacts, "ShowNoContacts", K::Flag, Absent(1)},
    {S::Versetzung, "Versetzung", K::Flag, Absent(0)},
    {S::ALizenz0, "ALizenz0", K::Text, Absent("Kelmsdorfer Lohnsteuerberatung")},
    {S::Bescheide, "Bescheide", K::Flag, Absent(1)},
    {S::ChkBeitrag, "ChkBeitrag", K::Flag, Absent(1)},
    {S::ScanDocs, "ScanDocs", K::Flag, Absent(1)},
    {S::ScanDate, "ScanDate", K::Flag, Absent(0)},
    {S::ExtScanner, "ExtScanner", K::Flag, Absent(0)},
    {S::AddButtons, "AddButtons", K::Flag, Absent(0)},
    {S::PdfViewer, "PdfViewer", K::TextDeletedWhenEmpty, Absent("")},
    {S::PdfEditor, "PdfEditor", K::TextDeletedWhenEmpty, Absent("")},
    {S::PdfDocTool, "PdfDocTool", K::TextDeletedWhenEmpty, Absent("")},
    {S::PdfDriver, "PdfDriver", K::TextDeletedWhenEmpty, Absent("")},
    {S::Images, "Images", K::TextDeletedWhenEmpty, kNone},
    {S::Belege, "Belege", K::TextDeletedWhenEmpty, kNone},
    {S::Pelmondo, "Pelmondo", K::Flag, Absent(1)},
    {S::NoTmpBeitrag, "NoTmpBeitrag", K::Flag, Absent(1)},
    {S::NoKillIHP, "NoKillIHP", K::Flag, Absent(1)},
    {S::StateMarkView, "StateMarkView", K::Flag, Absent(0)},
    {S::AutoDataImport, "AutoDataImport", K::Flag, Absent(0)},
    {S::MdbFileRythm, "MdbFileRythm", K::Index, Absent(0)},
    {S::MdbOverwrite, "MdbOverwrite", K::Flag, Absent(0)},
    {S::MDBUsed, "MDBUsed", K::TextDeletedWhenEmpty, kNone},
    {S::Calendar, "Calendar", K::Index, Absent(0)},
    {S::OneCalendar, "OneCalendar", K::Flag, kNone},
    {S::AutoTaxBackup, "AutoTaxBackup", K::Flag, Absent(0)},
    {S::AutoBackupFolder, "AutoBackupFolder", K::Text, Absent("")},
    {S::AutoTaxTime, "AutoTaxTime", K::Index, Absent(0)},
    {S::Formulare, "Formulare", K::TextWrittenWhenSet, Absent("")},
    {S::Database, "Database", K::Text, kNone},

    {S::BarcodeFont, "BarcodeFont", K::Text, kNone},
    {S::BarcodeSize, "BarcodeSize", K::TextNumber, kNone},
    {S::GridFontName, "GridFontName", K::Text, kNone},
    {S::GridFontSize, "GridFontSize", K::TextNumber, kNone},

    {S::MDBFileData, "MDBFileData", K::Text, kNone},
    {S::MDBFileCheck, "MDBFileCheck", K::Text, kNone},
    {S::MdbRefresh, "MdbRefresh", K::Text, kNone},
    {S::DBDatCount, "DBDatCount", K::Marker, kNone},
    {S::DBDatKey, "DBDatKey", K::Marker, kNone},
    {S::DBMdbKey, "DBMdbKey", K::Marker, kNone},

    {S::PdfDocument, "PdfDocument", K::Marker, kNone},
    {S::PdfProbe, "PdfProbe", K::Marker, kNone},

    {S::RunAdmin, "RunAdmin", K::Number, kNone},
    {S::FirstRun, "FirstRun", K::Number, kNone},
    {S::FirstStart, "FirstStart", K::Text, kNone},
    {S::StartTime, "StartTime", K::Number, kNone},
    {S::Running, "Running", K::TextNumber, kNone},
    {S::CloseExplorer, "CloseExplorer", K::Flag, kNone},
    {S::NowClose, "NowClose", K::Flag, kNone},
    {S::StopError, "StopError", K::Marker, kNone},
    {S::Version, "Version", K::Text, kNone},
    {S::Version_A, "Version_A", K::Text, Absent("0.00")},
    {S::InstallDir, "InstallDir", K::Text, kNone},
    {S::Fristwaechter, "Fristwächter", K::Text, kNone},
    {S::Steuerjahr, "Steuerjahr", K::TextNumber, kNone},
    {S::Jahrgang, "Jahrgang", K::TextNumber, kNone},
    {S::Erklaerungen, "Erklärungen", K::Text, kNone},
    {S::AutoOnlyNew, "AutoOnlyNew", K::Flag, Absent(1)},
    {S::Konvertierung, "Konvertierung", K::Flag, Absent(1)},
    {S::Updates, "Updates", K::Text, kNone},
    {S::LastUpdate, "LastUpdate", K::Text, kNone},
    {S::UpdPackage, "UpdPackage", K::Text, Absent("000")},
    {S::Infotip, "Infotip", K::Text, kNone},
    {S::TaxBackup, "TaxBackup", K::Text, kNone},
    {S::DB_IHP, "DB_IHP", K::TextNumber, kNone},
    {S::Encoder, "Encoder", K::Flag, kNone},
    {S::HashFile, "HashFile", K::Text, kNone},
    {S::CheckPrint, "CheckPrint", K::Flag, kNone},
    {S::Themes, "Themes", K::Number, kNone},
    {S::Steuertips, "Steuertips", K::Text, kNone},
    {S::Steuertips_03, "Steuertips_03", K::Text, kNone},
    {S::Quickwrite, "Quickwrite", K::Flag, kNone},
    {S::Quickload, "Quickload", K::Marker, kNone},
    {S::PCName, "PCName", K::Text, kNone},
    {S::Postbuch, "Postbuch", K::Number, kNone},
    {S::ViewLokalfile, "ViewLokalfile", K::Flag, kNone},
    {S::ReceiptColor, "ReceiptColor", K::Number, Absent(1)},
    {S::HPos1, "HPos1", K::TextNumber, kNone},
    {S::HPos2, "HPos2", K::TextNumber, kNone},
    {S::LastUser, "LastUser", K::Text, kNone},
    {S::Kurzmitteilung, "Kurzmitteilung", K::Text, kNone},
    {S::Steuernummer, "Steuernummer", K::Text, kNone},
    {S::ALizenz1, "ALizenz1", K::Text, kNone},
    {S::ALizenz2, "ALizenz2", K::Text, kNone},
    {S::ALizenz3, "ALizenz3", K::Text, kNone},
    {S::ALizenz4, "ALizenz4", K::Text, kNone},
    {S::ALizenz5, "ALizenz5", K::Text, kNone},
    {S::ALizenz6, "ALizenz6", K::Text, kNone},
    {S::BLizenz1, "BLizenz1", K::Text, kNone},
    {S::BLizenz2, "BLizenz2", K::Text, kNone},
    {S::BLizenz3, "BLizenz3", K::Text, kNone},
    {S::BLizenz4, "BLizenz4", K::Text, kNone},
    {S::BLizenz5, "BLizenz5", K::Text, kNone},
    {S::BLizenz6, "BLizenz6", K::Text, kNone},
    {S::RegisteredOwner, "RegisteredOwner", K::Text, kNone},

    // The web pages the launcher opens: the tax authority's online portal and the map service.
    {S::PortalUrl, "PortalUrl", K::Text, Absent("https://www.elster.de"), SettingOwner::Hub},
    // Time and size of the UPDATE.SET last handed to the update manager: the next start deletes that file.
    {S::UpdateSetGiven, "UpdateSetGiven", K::Text, kNone, SettingOwner::Hub},
    {S::MapUrl, "MapUrl", K::Text, Absent("https://www.openstreetmap.org"), SettingOwner::Hub},
}};

constexpr bool InEnumOrder() {
    for (std::size_t i = 0; i < kTable.size(); ++i)
        if (static_cast<std::size_t>(kTable[i].id) != i) return false;
    return true;
}
static_assert(InEnumOrder(), "every setting has its line, in the order of the enum");

}  // namespace

const SettingEntry& EntryOf(Setting setting) { return kTable[static_cast<std::size_t>(setting)]; }

std::span<const SettingEntry> AllSettings() { return kTable; }

}  // namespace kolvane
