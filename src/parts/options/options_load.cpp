// Opening the window `Optionen`: every control filled in the order the suite's programs expect, because two
// steps write (the calendar flag and a missing backup list) and later steps overrule earlier ones.
#include <algorithm>

#include "platform/text.h"
#include "settings/ini_store.h"
#include "options/options_files.h"
#include "options/options_form.h"
#include "settings/registry_keys.h"
#include "store/member_database.h"

namespace kolvane {
namespace {

using C = Ctl;
using S = Setting;

constexpr C kBackupParts[] = {C::CBackup1, C::CBackup2, C::CBackup3, C::CBackup4, C::CBackup5};

struct Loading {
    Hub& hub;
    OptionsForm& form;

    ControlState& operator[](C c) { return form[c]; }
    Setting SettingOf(C c) const { return *ControlOf(c).setting; }
    void Flag(C c) { form[c].value = hub.settings.ReadFlag(SettingOf(c)) ? 1 : 0; }
    void Flags(std::initializer_list<C> controls) {
        for (C c : controls) Flag(c);
    }
    // A stored index that names no entry chooses the first one.
    void Index(C c) {
        const int index = hub.settings.ReadInt(SettingOf(c));
        const int count = static_cast<int>(form[c].items.size());
        form[c].value = index >= 0 && index < count ? index : 0;
    }
    void Text(C c) { form[c].text = hub.settings.ReadText(SettingOf(c)); }
};

void FillFixedLists(OptionsForm& form) {
    for (const OptionsControl& control : AllControls())
        for (std::string_view item : control.items) form[control.id].items.emplace_back(item);
}

void LoadAutostart(Loading& l) {
    l[C::CAutostart].value = l.hub.os.registry.QueryValue(kRunKey.root, kRunKey.path, kAutostartValue) ? 1 : 0;
}

void LoadPlainFlags(Loading& l) {
    l.Flags({C::CRefreshDialog, C::COeffnen, C::CDorvenhal, C::CNoCompany, C::CNoSupport, C::CNoStatus,
             C::CAddContract, C::CCheckNr, C::CMenueanzeige, C::CSecurity, C::CUnterschrift, C::CBarCodeKey,
             C::CTemporary});
}

// Street names can only be checked against the street directory.
void LoadPostleitzahl(Loading& l) {
    const bool directory = ProgramFileExists(l.hub, "Data\\Plz.dat") || ProgramFileExists(l.hub, "Plz.dat");
    l[C::CPostleitzahl].enabled = directory;
    if (directory) l.Flag(C::CPostleitzahl);
    else l[C::CPostleitzahl].value = 0;
}

void LoadSoundAndMail(Loading& l) {
    l[C::CKlicker].value = l.hub.settings.ReadFlag(S::NoInfoSound) ? 1 : 0;
    if (l.hub.settings.Exists(S::Klicker)) l.Flag(C::CKlicker);
    l.Flag(C::CMailIntern);
}

void LoadUpdates(Loading& l) {
    l.Flags({C::CAutoUpdate, C::CInternetUpdate, C::CPackageUpdate});
    OptionsOnEvent(l.hub, l.form, C::CAutoUpdate, OptionsEvent::Change);
    l.Flags({C::CUpdRecovery, C::CLastPaytyp, C::CReceiptPrint});
}

// Without a contributions password a set receipts lock could be lifted by anyone: it stays as it is.
void LoadReceiptLock(Loading& l) {
    l.Flag(C::CQuittungVerboten);
    l.form.paySecurity = MemberDatabase(l.hub.os, l.form.databaseFolder + std::string(kDatabaseFileName))
                             .Read(kHeaderSection, kPaySecurityKey);
    if (l.form.paySecurity.empty() && l.form.Checked(C::CQuittungVerboten)) l[C::CQuittungVerboten].enabled = false;
}

void LoadWorkplace(Loading& l) {
    l.Flags({C::CNumlock, C::CBarcode, C::COneUser, C::CStartbild});
    l.Index(C::CStartApp);
}

void LoadBarCodeFont(Loading& l) {
    ControlState& font = l[C::tBarCodeFont];
    ControlState& size = l[C::tBarCodeSize];
    font.items = l.hub.os.dialogs.DefaultPrinterFonts();
    size.items.assign(std::begin(kBarCodeSizes), std::end(kBarCodeSizes));
    font.value = size.value = -1;
    if (std::string name; l.hub.settings.Get(S::BarcodeFont, name)) {
        font.text = name;
        const auto match = std::find_if(font.items.begin(), font.items.end(),
                                        [&](const std::string& item) { return EqualsNoCase(item, name); });
        if (match != font.items.end()) font.value = static_cast<int>(match - font.items.begin());
    }
    if (std::string points; l.hub.settings.Get(S::BarcodeSize, points)) {
        if (points.starts_with('9')) size.value = 0, size.text = size.items[0];
        else size.text = points;
    }
    if (font.value < 0 && l.hub.os.files.Exists(l.hub.os.kernel.WindowsFolder() + "\\Fonts\\Code-39-25.ttf")) {
        const auto code39 = std::find(font.items.begin(), font.items.end(), "Code-39-25");
        font.text = "Code-39-25";
        if (code39 != font.items.end()) font.value = static_cast<int>(code39 - font.items.begin());
    }
    font.enabled = true;
    l.form.barCodeFontTag = font.text;
    l.form.barCodeSizeTag = size.text;
}

void LoadMenuSwitches(Loading& l) {
    l.Flags({C::CSteuererklaerung, C::CExplorer, C::CDienststellen, C::CBibliothek, C::CBeitraege, C::CDrucker,
             C::CShowNoContacts, C::CVersetzung});
    // The page of the calendar shows the same switch, for reading only.
    l[C::CShowNoContactsDeaktiviert].value = l[C::CShowNoContacts].value;
    l[C::CShowNoContactsDeaktiviert].enabled = false;
}

void LoadDatabaseFolder(Loading& l) { l[C::tDatFile].text = l.hub.LrDatabase; }

void LoadAssociationName(Loading& l) {
    std::string& name = l[C::tVereinsname].text;
    name = l.hub.settings.ReadText(S::ALizenz0);
    if (name.ends_with(", ")) name.resize(name.size() - 2);
    if (name.ends_with(',')) name.pop_back();
}

void LoadDocumentFlags(Loading& l) {
    l.Flags({C::CViewBescheide, C::CCheckBeitrag, C::CScanDocs, C::CScanDate, C::CExtScanner, C::CAddButtons,
             C::CViewLokalfile});
}

void LoadPdfTools(Loading& l) {
    l.form.pdfTools = {l.hub.settings.ReadText(S::PdfViewer), l.hub.settings.ReadText(S::PdfEditor),
                       l.hub.settings.ReadText(S::PdfDocTool), l.hub.settings.ReadText(S::PdfDriver)};
    l[C::TPdfViewer].text = l.form.pdfTools[mnxPdfViewer];
    l[C::tPdfDrucker].shown = l[C::LPdfDrucker].shown = false;  // the printer list takes the field's turn
    l.Text(C::TImages);
    l.Text(C::TBelege);
}

void LoadContributions(Loading& l) {
    l.Flags({C::cPelmondo, C::cNoTmpBeitrag, C::cNoKillDB, C::CAutoDataImport});
    l.Index(C::cMdbFileRythm);
    l.Flags({C::cMdbOverwrite, C::cStateMarkView});
    l.hub.settings.Get(S::MDBUsed, l[C::tMdbFile].text);
    if (!l[C::tMdbFile].text.empty()) l[C::cMDBUsed].value = 1;
}

void LoadCalendar(Loading& l) {
    l.Index(C::LKalender);
    OptionsOnEvent(l.hub, l.form, C::LKalender, OptionsEvent::Change);
    l.hub.settings.WriteInt(S::OneCalendar, l[C::LKalender].value == 0 ? 0 : 1);
}

void LoadBackup(Loading& l) {
    l.Flag(C::CAutoTaxBackup);
    l.Text(C::tAutoBackupFolder);
    l.Index(C::CAutoTaxTime);
    const std::string file = l.form.databaseFolder + kBackupListFile;
    if (!l.hub.os.files.Exists(file))
        for (int part = 1; part <= 5; ++part) IniWriteString(l.hub.os.ini, file, kBackupSection, BackupKey(part), "1");
    for (int part = 1; part <= 5; ++part) {
        const std::string& key = l.form.storedKeys[BackupKey(part)] =
            IniReadString(l.hub.os.ini, file, kBackupSection, BackupKey(part));
        l[kBackupParts[part - 1]].value = key == "1";
    }
}

void LoadFormsAndMouse(Loading& l) {
    l.Text(C::tFormulare);
    l.Index(C::CMaustaste);
}

void LoadMemberRanges(Loading& l) { OptionsLoadRanges(l.hub, l.form); }

// The quick-info switch takes the place of the tips switch, which keeps its value for the save.
void LoadTooltipSwitch(Loading& l) {
    l.Flag(C::CNoTooltipps);
    l[C::CNoTooltipps].shown = true;
    l[C::CTipsTricks].shown = false;
}

void LoadSignature(Loading& l) { l[C::CUnterschrift].value = ProgramFileExists(l.hub, kSignatureFile) ? 1 : 0; }

void LoadTips(Loading& l) {
    const std::string file = ProgramFile(l.hub, kTipsFile);
    l[C::CTipsTricks].enabled = l.hub.os.files.Exists(file);
    l[C::CTipsTricks].value = (l.form.storedKeys["Show"] = IniReadString(l.hub.os.ini, file, "Ex", "Show")) == "1";
}

void StartTimers(Loading& l) { l.form.tooltipTimer = l.form.timer1 = true; }

}  // namespace

void OptionsLoadRanges(Hub& hub, OptionsForm& form) {
    const DatabaseIndex index = MemberDatabase(hub.os, form.databaseFolder + std::string(kDatabaseFileName)).Load();
    DamageNotice notice(hub.os.dialogs);
    for (std::size_t i = 0; i < kRangeFields.size(); ++i)
        form[kRangeFields[i]].text = index.Read(kHeaderSection, kRangeKeys[i].key, notice);
    if (form[C::TAnfang2].text == "8999") form[C::TAnfang2].text = "9000";
}

OptionsForm OptionsLoad(Hub& hub) {
    OptionsForm form;
    for (std::size_t s = 0; s < kSettingCount; ++s)
        if (std::string value; hub.settings.Get(static_cast<Setting>(s), value)) form.stored[s] = value;
    form.databaseFolder = hub.LrDatabase;
    FillFixedLists(form);
    Loading l{hub, form};
    LoadAutostart(l);
    LoadPlainFlags(l);
    LoadPostleitzahl(l);
    LoadSoundAndMail(l);
    LoadUpdates(l);
    LoadReceiptLock(l);
    LoadWorkplace(l);
    LoadBarCodeFont(l);
    LoadMenuSwitches(l);
    LoadDatabaseFolder(l);
    LoadAssociationName(l);
    LoadDocumentFlags(l);
    LoadPdfTools(l);
    LoadContributions(l);
    LoadCalendar(l);
    LoadBackup(l);
    LoadFormsAndMouse(l);
    LoadMemberRanges(l);
    LoadTooltipSwitch(l);
    LoadSignature(l);
    // The hub menu's entries for the printers and the interface explorer follow the menu switches only through
    // the menu's construction, which the settings action repeats by a restart when a switch changed.
    LoadTips(l);
    StartTimers(l);
    OptionsOnEvent(hub, form, C::CAutoTaxBackup, OptionsEvent::Change);
    form.loaded = form.controls;
    return form;
}

}  // namespace kolvane
