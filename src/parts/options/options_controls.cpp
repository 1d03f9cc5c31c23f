#include "options/options_controls.h"

namespace kolvane {
namespace {

using C = Ctl;
using K = CtlKind;
using S = Setting;
using F = Flow;
using Items = std::span<const std::string_view>;

constexpr std::string_view kStartApps[] = {"Nichts starten (Standard)", "Interface Explorer", "Verwaltung",
                                           "Status-Information", "Quickpad Mobile"};
constexpr std::string_view kMouseActions[] = {"Menü (Standard)",   "Verwaltung",        "Interface Explorer",
                                              "Kurzmitteilungen",  "Form-Dokumente",    "Steuererklärungen",
                                              "Rechts-Bibliothek", "Beitragskonten",    "Quittungen"};
constexpr std::string_view kImportRhythms[] = {"Jeder Änderung", "Wöchentlich", "Monatlich"};
constexpr std::string_view kCalendars[] = {"Interner Kalender", "OneCalendar (StoreApp)", "Kalender (StoreApp)"};
constexpr std::string_view kBackupTimes[] = {"Morgens (10 Uhr)", "Mittags (13 Uhr)", "Abends (18 Uhr)"};

constexpr std::nullopt_t kNoSetting = std::nullopt;
constexpr int kField = 180;   // a folder or file field with its buttons beside it
constexpr int kBrowse = 16;   // "..."
constexpr int kInfo = 14;     // "?"
constexpr int kNumber = 40;   // a member number

// The three boxes that have no page of their own went where their subject is: `CNumlock` among the workplace
// options of page 2, `CMailIntern` with the other display switches on page 3, `CUnterschrift` with the documents.
constexpr std::array<OptionsControl, kControlCount> kTable{{
    {C::Title1, "Title1", 1, K::Title, "Allgemeine Optionen", kNoSetting},
    {C::CAutostart, "CAutostart", 1, K::Check, "Auto&matisch nach dem Start von Windows laden", kNoSetting},
    {C::CRefreshDialog, "CRefreshDialog", 1, K::Check, "H&inweise für regelmäßige Software-Aktualisierungen",
     S::RefreshDialog},
    {C::COeffnen, "CÖffnen", 1, K::Check, "&Namen in Listboxen selbständig anzeigen und aufklappen", S::Oeffnen},
    {C::CDorvenhal, "CDorvenhal", 1, K::Check, "&Finanzämter anhand der Straßennamen synchronisieren", S::Dorvenhal,
     F::Line, 260},
    {C::bDorvenhal, "bDorvenhal", 1, K::Button, "?", kNoSetting, F::Beside, kInfo},
    {C::CPostleitzahl, "CPostleitzahl", 1, K::Check, "St&raßennamen überprüfen und Postleitzahl ergänzen",
     S::Postleitzahl},
    {C::CTipsTricks, "CTipsTricks", 1, K::Check, "An&zeige von Tips und Tricks nach dem Start", kNoSetting},
    {C::CNoTooltipps, "CNoTooltipps", 1, K::Check, "&Quickinfos mit Tooltipps in der Taskleiste ausblenden",
     S::NoHintfeed, F::Same},
    {C::CMenueanzeige, "CMenüanzeige", 1, K::Check, "Menü in der &Verwaltung nach oben aufklappen", S::Menueanzeige},
    {C::CNoCompany, "CNoCompany", 1, K::Check, "Keine &Bearbeitung und Anzeige von Firmen in der Verwaltung",
     S::NoCompany, F::Line, 260},
    {C::bTempDatabaseNetwork, "bTempDatabaseNetwork", 1, K::Button, "?", kNoSetting, F::Beside, kInfo},
    {C::CNoSupport, "CNoSupport", 1, K::Check, "&Keine erweiterten Support-Hilfen in der Verwaltung anzeigen",
     S::NoSupport},
    {C::CNoStatus, "CNoStatus", 1, K::Check, "&Status-Informationen in Verwaltung nicht automatisch zuweisen",
     S::NoStatus},
    {C::CCheckNr, "CCheckNr", 1, K::Check, "&Warnung bei Neubenutzung gelöschten Nummern anzeigen", S::CheckNr},
    {C::CAddContract, "CAddContract", 1, K::Check, "A&ufnahmeantrag nachdem Hinzufügen neuer Mitglieder scannen",
     S::AddContract},
    {C::COneUser, "COneUser", 1, K::Check, "Nu&r eine geöffnete Verwaltung zulassen", S::OneUser},
    {C::CSecurity, "CSecurity", 1, K::Check, "E&rhöhte Komponentensicherheit aktivieren", S::Security},

    {C::Title2, "Title2", 2, K::Title, "Erweiterte Optionen", kNoSetting},
    {C::CAutoUpdate, "CAutoUpdate", 2, K::Check, "A&utomatische Updateprüfung bei aktiver Verbindung", S::AutoUpdate},
    {C::CInternetUpdate, "CInternetUpdate", 2, K::Check, "&Einmal im Monat über die Updateprüfung informieren",
     S::InternetUpdate},
    {C::CPackageUpdate, "CPackageUpdate", 2, K::Check, "&Einmal monatlich neue Aktualisierungen herunterladen",
     S::PackageUpdate, F::Same},
    {C::CUpdRecovery, "CUpdRecovery", 2, K::Check, "Aktualisierte Programmdateien in den Papierkorb verschieben",
     S::UpdRecovery},
    {C::CQuittungVerboten, "CQuittungVerboten", 2, K::Check, "&Quittungsausdruck an diesem Arbeitsplatz verbieten",
     S::QuittungVerboten},
    {C::CReceiptPrint, "CReceiptPrint", 2, K::Check, "&Quittungsausdruck als Zahlungsbeleg verwenden",
     S::ReceiptPrint},
    {C::CBarCodeKey, "CBarCodeKey", 2, K::Check, "Bar&Code als Mgl-Nr. in Listbox umwandeln", S::FindListUser},
    {C::CLastPaytyp, "CLastPaytyp", 2, K::Check, "&Verwendete Zahlungsart in der Beitragsverwaltung merken",
     S::LastPayTyp},
    {C::CBarcode, "CBarcode", 2, K::Check, "&Mitgliedsnummer als BarCode auf der Vollmacht", S::Barcode},
    {C::CStartbild, "CStartbild", 2, K::Check, "Start-&Bildschirm nicht mehr anzeigen", S::Startbild},
    {C::CTemporary, "CTemporary", 2, K::Check, "&Temporäre Vorlage beim Anlegen der Steuererklärungen", S::Temporary},
    {C::CKlicker, "CKlicker", 2, K::Check, "&Sound für Infos und Aktualisierung der temporären Datenbank",
     S::Klicker},
    {C::CNumlock, "CNumlock", 2, K::Check, "&Numlock nach Keysend-Methode aktivieren", S::Numlock},
    {C::LStartApp, "LStartApp", 2, K::Label, "Öffne nach dem Startvorgang:", kNoSetting},
    {C::CStartApp, "CStartApp", 2, K::List, "", S::StartApp, F::Line, 160, 1, Items(kStartApps)},
    {C::LMaustaste, "LMaustaste", 2, K::Label, "Symbolklick mit linke Maustaste:", kNoSetting},
    {C::CMaustaste, "CMaustaste", 2, K::List, "", S::Maustaste, F::Line, 160, 1, Items(kMouseActions)},

    {C::Title3, "Title3", 3, K::Title, "Sonstige Optionen", kNoSetting},
    {C::CSteuererklaerung, "CSteuererklärung", 3, K::Check, "&Rechts-Bibliothek im Orvintal-Explorer Menü darstellen",
     S::Steuererklaerung},
    {C::CExplorer, "CExplorer", 3, K::Check, "&Interface Explorer im Orvintal-Explorer Menü darstellen", S::Explorer},
    {C::CDrucker, "CDrucker", 3, K::Check, "D&ruckerverwaltung im Orvintal-Explorer Menü anzeigen", S::Drucker},
    {C::CDienststellen, "CDienststellen", 3, K::Check, "&Beratungsstellen im Orvintal-Explorer Menü anzeigen",
     S::Dienststellen},
    {C::CBibliothek, "CBibliothek", 3, K::Check, "Do&kumentvorlagen im Orvintal-Explorer Menü anzeigen",
     S::Bibliothek},
    {C::CBeitraege, "CBeiträge", 3, K::Check, "B&eitragskonten im Orvintal-Explorer Menü anzeigen", S::Beitraege},
    {C::CShowNoContacts, "CShowNoContacts", 3, K::Check, "&E-Mail Kontakte im Explorer ausblenden", S::ShowNoContacts},
    {C::CVersetzung, "CVersetzung", 3, K::Check, "&Versetzen des Interface Explorers an obere Stelle", S::Versetzung},
    {C::CMailIntern, "CMailIntern", 3, K::Check, "&Interne E-Mail Oberfläche in der Verwaltung anzeigen",
     S::MailIntern},
    {C::LVereinsname, "LVereinsname", 3, K::Label, "&Name des Unternehmens (Bezeichnung):", kNoSetting},
    {C::tVereinsname, "tVereinsname", 3, K::Edit, "", S::ALizenz0, F::Line, 240},
    {C::LBarCode, "LBarCode", 3, K::Label, "Bar&Code-Schriftart und Größe:", kNoSetting},
    {C::tBarCodeFont, "tBarCodeFont", 3, K::EditList, "", S::BarcodeFont, F::Line, 160},
    {C::tBarCodeSize, "tBarCodeSize", 3, K::EditList, "", S::BarcodeSize, F::Beside, 40},
    {C::LWeitere, "LWeitere", 3, K::Label, "Weitere Einstellungen", kNoSetting, F::Line, 100},
    {C::bFontInfo, "bFontInfo", 3, K::Button, "&Schriftarten ...", kNoSetting, F::Beside, 70},

    {C::Title4, "Title4", 4, K::Title, "Dokumente und Nachweise", kNoSetting},
    {C::LImages, "LImages", 4, K::Label, "&Speicherordner für gedruckte Dokumente:", kNoSetting},
    {C::TImages, "TImages", 4, K::Edit, "", S::Images, F::Line, kField},
    {C::BImages, "BImages", 4, K::Button, "Verzeichnis", kNoSetting, F::Beside, 50},
    {C::BImagesHelp, "BImagesHelp", 4, K::Button, "?", kNoSetting, F::Beside, kInfo},
    {C::LBelege, "LBelege", 4, K::Label, "Sp&eicherordner für gescannte Belege:", kNoSetting},
    {C::TBelege, "TBelege", 4, K::Edit, "", S::Belege, F::Line, kField},
    {C::BBelege, "BBelege", 4, K::Button, "Verzeichnis", kNoSetting, F::Beside, 50},
    {C::BImagesHelp2, "BImagesHelp2", 4, K::Button, "?", kNoSetting, F::Beside, kInfo},
    {C::LPdfViewer, "LPdfViewer", 4, K::Label, "&PDF-Viewer zur Dokumentenanzeige:", kNoSetting},
    {C::TPdfViewer, "TPdfViewer", 4, K::Edit, "", kNoSetting, F::Line, kField},
    {C::BPdfViewer, "BPdfViewer", 4, K::Button, "Verzeichnis", kNoSetting, F::Beside, 50},
    {C::BPdfViewerDownload, "BPdfViewerDownload", 4, K::Button, "Viewer/Editor", kNoSetting, F::Beside, 54},
    {C::LPdfDrucker, "LPdfDrucker", 4, K::Label, "P&DF-Drucker:", kNoSetting},
    {C::tPdfDrucker, "tPdfDrucker", 4, K::List, "", kNoSetting, F::Line, kField},
    {C::LabelChgEditor, "LabelChgEditor", 4, K::Label, "Pdf-Editor", kNoSetting, F::Beside, 60},
    {C::CViewBescheide, "CViewBescheide", 4, K::Check, "&Zeige die Dokumente neben der Verwaltung", S::Bescheide},
    {C::CCheckBeitrag, "CCheckBeitrag", 4, K::Check, "Be&iträge vor Öffnen von Steuerfällen/Dokumente überprüfen",
     S::ChkBeitrag},
    {C::CScanDocs, "CScanDocs", 4, K::Check, "&Dokumente standardmäßig mit einem Scanner hinzugefügt", S::ScanDocs},
    {C::CScanDate, "CScanDate", 4, K::Check, "&Gescannte Dokumente mit aktuelle Datum kopieren", S::ScanDate},
    {C::CExtScanner, "CExtScanner", 4, K::Check, "&Externe Scannerüberprüfung verwenden", S::ExtScanner},
    {C::CAddButtons, "CAddButtons", 4, K::Check, "&Touch-Schaltflächen in der Verwaltung anzeigen", S::AddButtons},
    {C::CViewLokalfile, "CViewLokalfile", 4, K::Check, "Dokumente aus dem &lokalen Ordner anzeigen",
     S::ViewLokalfile},
    {C::CUnterschrift, "CUnterschrift", 4, K::Check, "&Unterschrift unter Dokumente drucken", S::Unterschrift},

    {C::Title5, "Title5", 5, K::Title, "Beitragsverwaltung", kNoSetting},
    {C::LDatFile, "LDatFile", 5, K::Label, "D&atenbank:", kNoSetting},
    {C::tDatFile, "tDatFile", 5, K::Edit, "", kNoSetting, F::Line, kField},
    {C::bDatFile, "bDatFile", 5, K::Button, "...", kNoSetting, F::Beside, kBrowse},
    {C::bDatFileNetwork, "bDatFileNetwork", 5, K::Button, "Netzwerkverbindung", kNoSetting, F::Beside, 76},
    {C::LMdbFile, "LMdbFile", 5, K::Label, "SQL-&Datenbank:", kNoSetting},
    {C::tMdbFile, "tMdbFile", 5, K::Edit, "", S::MDBUsed, F::Line, kField},
    {C::bMdbFile, "bMdbFile", 5, K::Button, "...", kNoSetting, F::Beside, kBrowse},
    {C::bMDBHilfe, "bMDBHilfe", 5, K::Button, "?", kNoSetting, F::Beside, kInfo},
    {C::cMDBUsed, "cMDBUsed", 5, K::Check, "&SQL-Datenbank für die Mitgliederabrechnung verwenden", kNoSetting},
    {C::cSQLUsed, "cSQLUsed", 5, K::Check, "SQL-Datenbank für die &Zahlungserfassung verwenden", kNoSetting},
    {C::cMDBAddin, "cMDBAddin", 5, K::Check, "SQL-Datenbank als Add-&In einbinden", kNoSetting},
    {C::CAutoDataImport, "CAutoDataImport", 5, K::Check, "A&utomatisch SQL-Datenbank importieren:",
     S::AutoDataImport, F::Line, 170},
    {C::cMdbFileRythm, "cMdbFileRythm", 5, K::List, "", S::MdbFileRythm, F::Beside, 90, 1, Items(kImportRhythms)},
    {C::cMdbOverwrite, "cMdbOverwrite", 5, K::Check, "&Überschreibe vorhandene Mitglieder bei der SQL-Importierung",
     S::MdbOverwrite},
    {C::cPelmondo, "cPelmondo", 5, K::Check, "&Beitragsverwaltung statt Zahlungserfassung verwenden", S::Pelmondo},
    {C::cNoTmpBeitrag, "cNoTmpBeitrag", 5, K::Check, "&Keine temporäre Datenbank für Beiträge (xml) verwenden",
     S::NoTmpBeitrag},
    {C::cNoKillDB, "cNoKillDB", 5, K::Check, "&Temporäre Datenbank auf Netzwerklaufwerken nicht löschen",
     S::NoKillIHP},
    {C::cStateMarkView, "cStateMarkView", 5, K::Check, "Ben&utzerverwaltung in der Verwaltung unter Status anzeigen",
     S::StateMarkView},

    {C::Title6, "Title6", 6, K::Title, "Mitgliederbereich", kNoSetting},
    {C::LRanges, "LRanges", 6, K::Note,
     "Die Einstellungen für den Nummernbereich der Mitglieder. Einträge müssen absteigend größer werden.", kNoSetting,
     F::Line, 0, 2},
    {C::LHauptstelle, "LHauptstelle", 6, K::Label, "Hauptstelle:", kNoSetting, F::Line, 56},
    {C::LAnfang1, "LAnfang1", 6, K::Label, "Anfang:", kNoSetting, F::Beside, 30},
    {C::TAnfang1, "TAnfang1", 6, K::Edit, "", kNoSetting, F::Beside, kNumber},
    {C::LEnde1, "LEnde1", 6, K::Label, "Ende:", kNoSetting, F::Beside, 24},
    {C::TEnde1, "TEnde1", 6, K::Edit, "", kNoSetting, F::Beside, kNumber},
    {C::LNebenstelle, "LNebenstelle", 6, K::Label, "Nebenstelle:", kNoSetting, F::Line, 56},
    {C::LAnfang2, "LAnfang2", 6, K::Label, "Anfang:", kNoSetting, F::Beside, 30},
    {C::TAnfang2, "TAnfang2", 6, K::Edit, "", kNoSetting, F::Beside, kNumber},
    {C::LEnde2, "LEnde2", 6, K::Label, "Ende:", kNoSetting, F::Beside, 24},
    {C::TEnde2, "TEnde2", 6, K::Edit, "", kNoSetting, F::Beside, kNumber},
    {C::LRangesInfo, "LRangesInfo", 6, K::Note,
     "Mit Nummernbereichen können mehrere Berater mit einer Datenbank arbeiten. Der Nummernbereich der Hauptstelle "
     "wird dem Benutzer 1 zugeordnet, ein weiterer Nummernbereich der Nebenstelle als Benutzer 2.",
     kNoSetting, F::Line, 0, 3},

    {C::Title7, "Title7", 7, K::Title, "Kalender", kNoSetting},
    {C::LKalenderLabel, "LKalenderLabel", 7, K::Label, "&Folgenden Kalender verwenden:", kNoSetting},
    {C::LKalender, "LKalender", 7, K::List, "", S::Calendar, F::Line, 160, 1, Items(kCalendars)},
    {C::TKalenderInfo, "TKalenderInfo", 7, K::Note, "", kNoSetting, F::Line, 0, 3},
    {C::LKalenderNote, "LKalenderNote", 7, K::Note,
     "Die Terminverwaltung kann über den internen Kalender verwaltet werden oder Sie verwenden eine App aus dem "
     "Kachelbildschirm (Windows Calendar).",
     kNoSetting, F::Line, 0, 2},
    {C::CShowNoContactsDeaktiviert, "CShowNoContactsDeaktiviert", 7, K::Check,
     "&E-Mail Kontakte im Explorer ausblenden", kNoSetting},

    {C::Title8, "Title8", 8, K::Title, "Formulare", kNoSetting},
    {C::LFormulare, "LFormulare", 8, K::Label, "&Speicherort für Formulare verwenden:", kNoSetting},
    {C::tFormulare, "tFormulare", 8, K::Edit, "", S::Formulare, F::Line, kField},
    {C::bFormulare, "bFormulare", 8, K::Button, "...", kNoSetting, F::Beside, kBrowse},
    {C::bFormSettings, "bFormSettings", 8, K::Button, "Einstellungen", kNoSetting, F::Beside, 60},
    {C::LFormulareNote, "LFormulareNote", 8, K::Note,
     "Die Vorlagen der Formulare (Form-Dokumente) können gemeinsam genutzt werden, soweit Sie die Datenbank über ein "
     "Netzwerk mit anderen Computern verwenden.",
     kNoSetting, F::Line, 0, 3},

    {C::Title9, "Title9", 9, K::Title, "Datensicherungen", kNoSetting},
    {C::CAutoTaxBackup, "CAutoTaxBackup", 9, K::Check, "&Automatische Datensicherung durchführen", S::AutoTaxBackup},
    {C::CBackup1, "CBackup1", 9, K::Check, "Datenbanken", kNoSetting},
    {C::CBackup2, "CBackup2", 9, K::Check, "Programmoptionen", kNoSetting},
    {C::CBackup3, "CBackup3", 9, K::Check, "Jahressteuerberechnung", kNoSetting},
    {C::CBackup4, "CBackup4", 9, K::Check, "Form-Dokumente und Vorlagen", kNoSetting},
    {C::CBackup5, "CBackup5", 9, K::Check, "Beitragsabrechnungen", kNoSetting},
    {C::LAutoBackupFolder, "LAutoBackupFolder", 9, K::Label, "&Sicherungsordner der automatischen Datensicherung:",
     kNoSetting},
    {C::tAutoBackupFolder, "tAutoBackupFolder", 9, K::Edit, "", S::AutoBackupFolder, F::Line, kField},
    {C::bAutoBackupFolder, "bAutoBackupFolder", 9, K::Button, "...", kNoSetting, F::Beside, kBrowse},
    {C::bAutoBackupFolderNetwork, "bAutoBackupFolderNetwork", 9, K::Button, "Netzwerkverbindung", kNoSetting,
     F::Beside, 76},
    {C::LAutoTaxTime, "LAutoTaxTime", 9, K::Label, "&Zeitpunkt der Datensicherung:", kNoSetting},
    {C::CAutoTaxTime, "CAutoTaxTime", 9, K::List, "", S::AutoTaxTime, F::Line, 120, 1, Items(kBackupTimes)},
}};

constexpr bool InEnumOrder() {
    for (std::size_t i = 0; i < kTable.size(); ++i)
        if (Index(kTable[i].id) != i) return false;
    return true;
}
static_assert(InEnumOrder(), "every control has its row, in the order of the enum");

}  // namespace

const std::array<OptionsPage, kOptionPages> kOptionsPages{{
    {" Allgemeines ", "DEF", Ctl::CAutostart},
    {" Erweitertes ", "ENH", Ctl::CAutoUpdate},
    {" Sonstiges ", "OTH", Ctl::CSteuererklaerung},
    {" Dokumente ", "DOC", Ctl::CViewBescheide},
    {" Abrechnungen ", "DBS", Ctl::cMDBUsed},
    {" Mitglieder ", "MGL", Ctl::TAnfang1},
    {" Kalender ", "CAL", Ctl::LKalender},
    {" Formulare ", "FRM", Ctl::tFormulare},
    {" Datensicherung ", "BCK", Ctl::CAutoTaxBackup},
}};

const OptionsControl& ControlOf(Ctl id) { return kTable[Index(id)]; }

std::span<const OptionsControl> AllControls() { return kTable; }

}  // namespace kolvane
