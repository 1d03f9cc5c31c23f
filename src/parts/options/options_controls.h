#pragma once
// The controls of the window `Optionen` (" Einstellungen"), one row each: name, page, kind, caption, the
// setting behind it and its place. Loading, saving, the change test and the Win32 view's layout all walk this
// one table; a control is listed nowhere else.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "settings/settings_table.h"

namespace kolvane {

inline constexpr char kOptionenCaption[] = " Einstellungen";
inline constexpr int kOptionPages = 9;

// ASCII spellings of the control names, in table order (page by page, top to bottom).
enum class Ctl : std::uint8_t {
    // " Allgemeines "
    Title1, CAutostart, CRefreshDialog, COeffnen, CDorvenhal, bDorvenhal, CPostleitzahl, CTipsTricks, CNoTooltipps,
    CMenueanzeige, CNoCompany, bTempDatabaseNetwork, CNoSupport, CNoStatus, CCheckNr, CAddContract, COneUser,
    CSecurity,
    // " Erweitertes "
    Title2, CAutoUpdate, CInternetUpdate, CPackageUpdate, CUpdRecovery, CQuittungVerboten, CReceiptPrint,
    CBarCodeKey, CLastPaytyp, CBarcode, CStartbild, CTemporary, CKlicker, CNumlock, LStartApp, CStartApp,
    LMaustaste, CMaustaste,
    // " Sonstiges "
    Title3, CSteuererklaerung, CExplorer, CDrucker, CDienststellen, CBibliothek, CBeitraege, CShowNoContacts,
    CVersetzung, CMailIntern, LVereinsname, tVereinsname, LBarCode, tBarCodeFont, tBarCodeSize, LWeitere, bFontInfo,
    // " Dokumente "
    Title4, LImages, TImages, BImages, BImagesHelp, LBelege, TBelege, BBelege, BImagesHelp2, LPdfViewer, TPdfViewer,
    BPdfViewer, BPdfViewerDownload, LPdfDrucker, tPdfDrucker, LabelChgEditor, CViewBescheide, CCheckBeitrag,
    CScanDocs, CScanDate, CExtScanner, CAddButtons, CViewLokalfile, CUnterschrift,
    // " Abrechnungen "
    Title5, LDatFile, tDatFile, bDatFile, bDatFileNetwork, LMdbFile, tMdbFile, bMdbFile, bMDBHilfe, cMDBUsed, cSQLUsed,
    cMDBAddin, CAutoDataImport, cMdbFileRythm, cMdbOverwrite, cPelmondo, cNoTmpBeitrag, cNoKillDB, cStateMarkView,
    // " Mitglieder "
    Title6, LRanges, LHauptstelle, LAnfang1, TAnfang1, LEnde1, TEnde1, LNebenstelle, LAnfang2, TAnfang2, LEnde2,
    TEnde2, LRangesInfo,
    // " Kalender "
    Title7, LKalenderLabel, LKalender, TKalenderInfo, LKalenderNote, CShowNoContactsDeaktiviert,
    // " Formulare "
    Title8, LFormulare, tFormulare, bFormulare, bFormSettings, LFormulareNote,
    // " Datensicherung "
    Title9, CAutoTaxBackup, CBackup1, CBackup2, CBackup3, CBackup4, CBackup5, LAutoBackupFolder, tAutoBackupFolder,
    bAutoBackupFolder, bAutoBackupFolderNetwork, LAutoTaxTime, CAutoTaxTime,
};
inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Ctl::CAutoTaxTime) + 1;
constexpr std::size_t Index(Ctl c) { return static_cast<std::size_t>(c); }

enum class CtlKind : std::uint8_t {
    Title,      // the page's heading
    Label,      // one line of text
    Note,       // an explanation of several lines
    Check,      // value 0 or 1
    Edit,       // text
    List,       // drop-down list: value is the chosen index, -1 none
    EditList,   // drop-down with a text of its own
    Button,
};

// Where a control goes: on a new line, beside the one before it, or in the very place of the one before (two
// controls of which only one is ever shown).
enum class Flow : std::uint8_t { Line, Beside, Same };

struct OptionsControl {
    Ctl id;
    std::string_view name;  // as the suite names it
    int page;               // 1 to 9
    CtlKind kind;
    std::string_view caption;
    std::optional<Setting> setting;  // where its value is kept, when it has one of its own
    Flow flow = Flow::Line;
    int width = 0;  // dialog units; 0: the rest of the line
    int lines = 1;  // of a Note
    std::span<const std::string_view> items = {};  // a list's fixed entries
};

const OptionsControl& ControlOf(Ctl id);
std::span<const OptionsControl> AllControls();

// The tabs: caption, key, and the first control the focus goes to.
struct OptionsPage {
    std::string_view caption;
    std::string_view key;
    Ctl first;
};
extern const std::array<OptionsPage, kOptionPages> kOptionsPages;

}  // namespace kolvane
