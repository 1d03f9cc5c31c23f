// `BReady` of the window `Optionen`: every check first, so that a stopped save has changed nothing stored; then
// the writes in the order the suite's programs expect. A value is written only when what its control gives
// differs from what the store held when the window was opened, or the value is missing: whatever a peer stored
// meanwhile under an untouched control stays. A write that fails stops the save with a message naming the
// setting; the window stays open.
#include <algorithm>
#include <optional>

#include "options/settings_action.h"
#include "platform/ini_codec.h"
#include "platform/text.h"
#include "settings/ini_store.h"
#include "options/options_files.h"
#include "options/options_save.h"
#include "options/options_tools.h"
#include "settings/registry_keys.h"
#include "settings/registry_store.h"
#include "store/member_database.h"
#include "store/safe_ini_writer.h"

namespace kolvane {
namespace {

using C = Ctl;
using S = Setting;

constexpr char kRangeTitle[] = " Brekkan Mitgliederbereich";
constexpr char kHubTitle[] = " Brekkan Orvintal";
constexpr int kLargestEnd = 9999;  // the suite's member numbers have at most four digits

std::string DialogTitle() { return std::string(" ") + kOptionenCaption; }

// ---- the checks ----

bool SqlDatabaseNamed(Hub& hub, OptionsForm& form) {
    if (!form.Checked(C::cMDBUsed) || !form[C::tMdbFile].text.empty()) return true;
    hub.os.dialogs.ShowMessage({"Bitte geben Sie den Speicherort der SQL-Datenbank an.  \n"
                                "Deaktivieren Sie ggf. die Verwendung der Datenbank.",
                                DialogTitle(), MsgButtons::Ok, MsgIcon::Exclamation});
    form.focus = C::tMdbFile;
    return false;
}

bool Refuse(Hub& hub, OptionsForm& form, const char* text, MsgIcon icon, C focus) {
    hub.os.dialogs.ShowMessage({text, kRangeTitle, MsgButtons::Ok, icon});
    form.focus = focus;
    return false;
}

bool RangesChanged(const OptionsForm& form) {
    return std::any_of(kRangeFields.begin(), kRangeFields.end(), [&](C field) { return form.Changed(field); });
}

// Ranges the user left as the database holds them are neither checked nor written: the number ranges window
// keeps them by rules of its own. A field holds a number only as ASCII digits (blanks around them aside). Every
// test compares numbers, so that ranges of different digit counts ("999" and "1500") are judged by their values.
bool RangesValid(Hub& hub, OptionsForm& form) {
    if (!RangesChanged(form)) return true;
    std::array<std::optional<long>, 4> n;
    for (std::size_t i = 0; i < kRangeFields.size(); ++i) {
        const std::string_view text = IniTrim(form[kRangeFields[i]].text);
        if (IsDigits(text) && text.size() <= 9) n[i] = std::stol(std::string(text));
    }
    const bool numbers = n[0] && n[1] && n[2] && n[3];
    const bool gap = numbers && *n[1] + 3 >= *n[2];
    if (!numbers || *n[0] >= *n[1] || *n[2] >= *n[3] || *n[1] >= *n[3])
        return Refuse(hub, form,
                      "Fehlerhafte Vergabe der Lizenz-Nummern. \nZahlen müssen pro Feld immer größer werden.",
                      MsgIcon::Critical, C::TAnfang1);
    if (gap)
        return Refuse(hub, form,
                      "Fehlerhafte Vergabe der Lizenz-Nummern. \nDie Haupt- und Nebenstelle benötigen 3 freie Stellen.",
                      MsgIcon::Exclamation, C::TAnfang2);
    if (*n[3] >= kLargestEnd || *n[1] >= kLargestEnd)
        return Refuse(hub, form, "In Orvintal sind max. 4-stellige Mitgliedsnummern erlaubt. ", MsgIcon::Exclamation,
                      *n[1] >= kLargestEnd ? C::TEnde1 : C::TEnde2);
    for (std::size_t i = 0; i < kRangeFields.size(); ++i)
        form[kRangeFields[i]].text = FormatMemberNumber(static_cast<int>(*n[i]));
    return true;
}

bool FolderChanges(Hub& hub, const OptionsForm& form) {
    return !EqualsNoCase(FolderWithBackslash(std::string(IniTrim(form[C::tDatFile].text))), hub.LrDatabase);
}

// The database folder changes only to a folder that is there.
bool DatabaseFolderExists(Hub& hub, OptionsForm& form) {
    const std::string folder = FolderWithBackslash(std::string(IniTrim(form[C::tDatFile].text)));
    if (!FolderChanges(hub, form) || (!folder.empty() && hub.os.files.IsFolder(folder))) return true;
    hub.os.dialogs.ShowMessage({"Der Ordner für die Datenbanken wurde nicht gefunden:\n" + folder, DialogTitle(),
                                MsgButtons::Ok, MsgIcon::Exclamation});
    form.focus = C::tDatFile;
    return false;
}

// The backup list and the member ranges go into the database folder. That they can be written is checked before
// the first write, so that the message names the cause; a folder that is gone does not keep the user from
// changing to another one: what would go into it is left out then.
bool DatabaseFilesWritable(Hub& hub, OptionsForm& form, bool& folderLeft) {
    const std::string& folder = form.databaseFolder;
    if (!hub.os.files.IsFolder(folder)) {
        folderLeft = FolderChanges(hub, form);
        if (folderLeft) return true;
        hub.os.dialogs.ShowMessage({"Der Ordner für die Datenbanken ist nicht erreichbar:\n" + folder +
                                        "\nPrüfen Sie die Verbindung zum Netzwerk oder wählen Sie einen anderen Ordner.",
                                    DialogTitle(), MsgButtons::Ok, MsgIcon::Exclamation});
        form.focus = C::tDatFile;
        return false;
    }
    const std::string database = folder + std::string(kDatabaseFileName);
    const std::string backupList = folder + kBackupListFile;
    std::string busy;
    if (RangesChanged(form) && !hub.os.locks.TryLock(LockFileOf(database))) busy = database;
    else if (hub.os.files.Exists(backupList) && !hub.os.files.Writable(backupList)) busy = backupList;
    if (busy.empty()) return true;
    hub.os.dialogs.ShowMessage({"Die Datei " + busy +
                                    " wird gerade an einem anderen Arbeitsplatz bearbeitet.\n"
                                    "Bitte versuchen Sie es in einigen Sekunden noch einmal.",
                                DialogTitle(), MsgButtons::Ok, MsgIcon::Exclamation});
    return false;
}

// ---- the writes ----

struct Writing {
    Writing(Hub& h, OptionsForm& f) : hub(h), form(f) {}
    Hub& hub;
    OptionsForm& form;
    std::string failed;  // the name of the first value that could not be written
    bool stopped = false;  // a write failed that its writer has already reported
    int previousVersetzung = 0;
    OptionsOutcome outcome = OptionsOutcome::Saved;

    bool databaseFolderLeft = false;  // the folder cannot be reached and is being changed: nothing goes into it

    Setting SettingOf(C c) const { return *ControlOf(c).setting; }
    bool Due(Setting s, const std::string& value) const {
        return form.stored[static_cast<std::size_t>(s)] != value || !hub.settings.Exists(s);
    }
    void Note(bool written, std::string_view name) {
        if (!written && failed.empty()) failed = name;
    }
    void Note(bool written, Setting s) { Note(written, EntryOf(s).name); }
    void Number(Setting s, std::int16_t value) {
        if (Due(s, std::to_string(value))) Note(hub.settings.WriteInt(s, value), s);
    }
    void Flag(C c, std::optional<Setting> s = std::nullopt) { Number(s.value_or(SettingOf(c)), form.Checked(c) ? 1 : 0); }
    void Flags(std::initializer_list<C> controls) {
        for (C c : controls) Flag(c);
    }
    // Values the hub itself never stores, but that the user may change here.
    void FlagIfChanged(C c) {
        if (form.Changed(c)) Note(hub.settings.WriteInt(SettingOf(c), form.Checked(c) ? 1 : 0), SettingOf(c));
    }
    void Index(C c) { Number(SettingOf(c), static_cast<std::int16_t>(form[c].value)); }
    void Text(Setting s, const std::string& text) {
        if (Due(s, text)) Note(hub.settings.WriteText(s, text), s);
    }
    void Text(C c) { Text(SettingOf(c), form[c].text); }
    void Remove(Setting s) { Note(!hub.settings.Exists(s) || hub.settings.Delete(s), s); }
    void Ini(const std::string& file, const char* section, const std::string& key, const char* value) {
        if (form.storedKeys[key] != value || IniReadString(hub.os.ini, file, section, key).empty())
            Note(IniWriteString(hub.os.ini, file, section, key, value), key);
    }
};

void Autostart(Writing& w) {
    const bool present = w.hub.os.registry.QueryValue(kRunKey.root, kRunKey.path, kAutostartValue).has_value();
    if (!w.form.Changed(C::CAutostart) && w.form.Checked(C::CAutostart) == present) return;
    if (!w.form.Checked(C::CAutostart)) {
        w.Note(!present || RegDeleteSetting(w.hub.os.registry, kRunKey.root, kRunKey.path, kAutostartValue),
               kAutostartValue);
        return;
    }
    const std::string program = ProgramFileExists(w.hub, "Orvintal.exe") ? ProgramFile(w.hub, "Orvintal.exe")
                                                                         : ProgramFile(w.hub, ToLower(kHubProgram));
    w.Note(RegSetSetting(w.hub.os.registry, kRunKey.root, kRunKey.path, kAutostartValue, "\"" + program + "\""),
           kAutostartValue);
    const std::string setup = ProgramFile(w.hub, kSetupFile);
    const std::string hub = ProgramFile(w.hub, kHubProgram);
    for (const auto& [section, key, value] : {std::tuple{"Setup", "Win32Dir", hub.c_str()},
                                              std::tuple{"Setup", "Win64Dir", hub.c_str()},
                                              std::tuple{"Setup", "MaximizedState", "0"}, std::tuple{"Run", "Normal", ""}})
        w.Note(IniWriteString(w.hub.os.ini, setup, section, key, value), key);
}

void GeneralFlags(Writing& w) {
    w.Flags({C::CRefreshDialog, C::COeffnen, C::CDorvenhal, C::CPostleitzahl, C::CNoCompany, C::CCheckNr,
             C::CNoSupport, C::CNoStatus, C::CAddContract, C::CSecurity, C::CUnterschrift, C::CMenueanzeige});
}

void BarCodeKey(Writing& w) { w.Flag(C::CBarCodeKey); }

void WorkplaceAndMenuFlags(Writing& w) {
    w.Flags({C::CTemporary, C::CKlicker});
    w.Flag(C::CKlicker, S::NoInfoSound);
    w.Flags({C::CMailIntern, C::CAutoUpdate, C::CInternetUpdate, C::CPackageUpdate, C::CUpdRecovery, C::CLastPaytyp,
             C::CReceiptPrint, C::CQuittungVerboten, C::CNumlock, C::CBarcode, C::COneUser, C::CStartbild});
    w.Index(C::CStartApp);
    w.Flags({C::CSteuererklaerung, C::CExplorer, C::CDrucker, C::CDienststellen, C::CBibliothek, C::CBeitraege,
             C::CShowNoContacts});
}

void PreviousVersetzung(Writing& w) {
    if (w.form.Changed(C::CShowNoContacts)) w.previousVersetzung = w.form[C::CVersetzung].value + 1;
    std::int32_t stored = 0;
    if (w.hub.settings.Get(S::Versetzung, stored)) w.previousVersetzung = stored;
}

// Written last: a save stopped on the way leaves the old value, and the next Ok still asks for the restart.
void Versetzung(Writing& w) { w.Flag(C::CVersetzung); }

void DocumentFlags(Writing& w) {
    w.Flags({C::CViewBescheide, C::CCheckBeitrag, C::CScanDocs, C::CScanDate, C::CExtScanner});
    w.Remove(S::PdfDocument);
    w.Remove(S::PdfProbe);
    w.Flag(C::CAddButtons);
    w.FlagIfChanged(C::CViewLokalfile);
    w.FlagIfChanged(C::CNoTooltipps);
}

void PdfTools(Writing& w) {
    constexpr Setting kTools[] = {S::PdfViewer, S::PdfEditor, S::PdfDocTool, S::PdfDriver};
    for (std::size_t tool = 0; tool < kPdfTools; ++tool) w.Text(kTools[tool], w.form.pdfTools[tool]);
    w.Text(C::TImages);
}

// The PDF printer driver saves into the receipts folder; a drive root keeps its backslash.
void PdfPrinterFolder(Writing& w) {
    const std::string& receipts = w.form[C::TBelege].text;
    std::string current;
    if (receipts.empty() || !RegGetSetting(w.hub.os.registry, w.hub.os.kernel, kPdfPrinterKey.root, kPdfPrinterKey.path,
                                           kAutoSaveDirValue, current))
        return;
    const std::string_view shorter = std::string_view(receipts).substr(0, receipts.size() - 1);
    if (w.hub.os.files.IsFolder(current) && (EqualsNoCase(current, receipts) || EqualsNoCase(current, shorter))) return;
    Wait(w.hub, 1);
    const bool root = receipts.size() == 3 && receipts[1] == ':';
    const std::string folder = receipts.ends_with('\\') && !root ? std::string(shorter) : receipts;
    w.Note(RegSetSetting(w.hub.os.registry, kPdfPrinterKey.root, kPdfPrinterKey.path, kAutoSaveDirValue, folder),
           kAutoSaveDirValue);
}

void Receipts(Writing& w) { w.Text(C::TBelege); }

void Contributions(Writing& w) {
    w.Flags({C::cNoTmpBeitrag, C::cNoKillDB});
    if (!w.form[C::tMdbFile].text.empty()) {
        w.Flags({C::cPelmondo, C::CAutoDataImport});
        w.Index(C::cMdbFileRythm);
        w.Flag(C::cMdbOverwrite);
        w.Text(C::tMdbFile);
        return;
    }
    // Without an SQL database its options mean nothing, and the contributions go to the contributions program.
    // They are not written before they are removed: a save stopped in between would leave values behind that
    // neither the old nor the new settings hold.
    for (Setting s : {S::AutoDataImport, S::MDBUsed, S::MdbFileRythm, S::MdbOverwrite}) w.Remove(s);
    w.Note(w.hub.settings.WriteInt(S::Pelmondo, 1), S::Pelmondo);
}

void Backup(Writing& w) {
    w.Flags({C::cStateMarkView, C::CAutoTaxBackup});
    w.Text(C::tAutoBackupFolder);
    w.Index(C::CAutoTaxTime);
}

void BackupParts(Writing& w) {
    constexpr C kParts[] = {C::CBackup1, C::CBackup2, C::CBackup3, C::CBackup4, C::CBackup5};
    if (w.databaseFolderLeft) return;
    for (int part = 1; part <= 5; ++part)
        w.Ini(w.form.databaseFolder + kBackupListFile, kBackupSection, BackupKey(part),
              w.form.Checked(kParts[part - 1]) ? "1" : "0");
}

void AssociationName(Writing& w) {
    w.Text(S::ALizenz0, w.form[C::tVereinsname].text + ", ");
}

void DatabaseFolder(Writing& w) {
    const std::string folder = FolderWithBackslash(std::string(IniTrim(w.form[C::tDatFile].text)));
    if (EqualsNoCase(folder, w.hub.LrDatabase)) return;
    if (w.hub.os.dialogs.ShowMessage({"Möchten Sie den Ordner für die Datenbanken wirklich ändern ?  ", kHubTitle,
                                      MsgButtons::RetryCancel, MsgIcon::Exclamation}) == MsgAnswer::Cancel)
        return;
    w.Note(w.hub.settings.WriteText(S::Database, folder), S::Database);
    if (w.failed.empty()) w.hub.LrDatabase = folder;
}

void Tips(Writing& w) {
    w.Ini(ProgramFile(w.hub, kTipsFile), "Ex", "Show", w.form.Checked(C::CTipsTricks) ? "1" : "0");
}

void Calendar(Writing& w) {
    w.Index(C::LKalender);
    w.Number(S::OneCalendar, w.form[C::LKalender].value == 0 ? 0 : 1);
}

void FormsAndMouse(Writing& w) {
    w.Text(C::tFormulare);
    w.Index(C::CMaustaste);
}

// Into the database the ranges were read from, all four or none.
void MemberRanges(Writing& w) {
    if (!RangesChanged(w.form) || w.databaseFolderLeft) return;
    MemberDatabase database(w.hub.os, w.form.databaseFolder + std::string(kDatabaseFileName));
    std::array<DatabaseValue, 4> values;
    for (std::size_t i = 0; i < kRangeFields.size(); ++i) values[i] = {kRangeKeys[i].key, w.form[kRangeFields[i]].text};
    if (database.Write(kHeaderSection, values) != SaveResult::Saved) {
        w.stopped = true;
        return;
    }
    if (EqualsNoCase(w.form.databaseFolder, w.hub.LrDatabase))
        w.hub.memberRanges = ParseMemberRanges({values[0].value, values[1].value, values[2].value, values[3].value});
}

void UpdateTimer(Writing& w) { EnableTimer(w.hub, HubTimer::Timer1, w.form.Checked(C::CAutoUpdate)); }

void Restart(Writing& w) {
    if (w.previousVersetzung == w.form[C::CVersetzung].value) return;
    if (w.hub.os.dialogs.ShowMessage(
            {"Sie möchten den Interface Explorer im Menü an oberster Stelle angezeigen.    \n"
             "Um diese Option zu aktivieren, muss Orvintal neu gestartet werden.\n \n"
             "Möchten Sie Orvintal und Komponenten jetzt neu starten ?",
             kHubTitle, MsgButtons::OkCancel, MsgIcon::Exclamation}) != MsgAnswer::Ok)
        return;
    if (RestartHub(w.hub, w.hub.os.windows.GetText(w.hub.Root) + kSecondInstancePrefix))
        w.outcome = OptionsOutcome::Restarting;
}

using Step = void (*)(Writing&);

// The hub menu's entries follow the menu switches through the menu's construction: the settings action restarts
// the hub when a switch changed, unless this save has restarted it already.
constexpr Step kSteps[] = {Autostart,     GeneralFlags,  BarCodeKey,       WorkplaceAndMenuFlags, PreviousVersetzung,
                           DocumentFlags, PdfTools,      PdfPrinterFolder, Receipts,              Contributions,
                           Backup,        BackupParts,   AssociationName,  DatabaseFolder,        Tips,
                           Calendar,      FormsAndMouse, MemberRanges,     Versetzung,            UpdateTimer,
                           Restart};

}  // namespace

std::optional<OptionsOutcome> OptionsSave(Hub& hub, OptionsForm& form) {
    Writing w(hub, form);
    if (!SqlDatabaseNamed(hub, form) || !RangesValid(hub, form) || !DatabaseFolderExists(hub, form) ||
        !DatabaseFilesWritable(hub, form, w.databaseFolderLeft))
        return std::nullopt;
    if (!form[C::tMdbFile].enabled) form[C::tMdbFile].text.clear();
    form.pdfTools[form.pdfShown] = form[C::TPdfViewer].text;
    for (Step step : kSteps) {
        step(w);
        if (w.stopped) return std::nullopt;
        if (w.failed.empty()) continue;
        hub.os.dialogs.ShowMessage({"Die Einstellung ''" + w.failed +
                                        "'' konnte nicht gespeichert werden.\n"
                                        "Möglicherweise fehlen die Rechte dazu. Die übrigen Einstellungen wurden "
                                        "nicht mehr gespeichert.",
                                    DialogTitle(), MsgButtons::Ok, MsgIcon::Exclamation});
        return std::nullopt;
    }
    return w.outcome;
}

}  // namespace kolvane
