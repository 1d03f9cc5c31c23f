#include "hub/installation_check.h"

#include "hub_fixture.h"

namespace kolvane {
namespace {

using Started = MemoryShell::Started;

constexpr char kRegsvr32[] = "\"C:\\Windows\\SysWOW64\\Regsvr32.exe\" /s ";

std::string Regsvr32(const std::string& library) { return kRegsvr32 + ("\"C:\\Orvintal\\" + library + "\""); }

TEST(InstallationCheckTest, ComponentsAreFoundInTheProgramOrTheSystemFolders) {
    struct Case {
        const char* name;
        std::vector<std::string> places;  // where Ssubtmr.dll lies
        bool registered;                  // Regsvr32 runs on the program folder's copy
    };
    const Case cases[] = {
        {"only in the program folder", {"C:\\Orvintal"}, true},
        {"program folder and System", {"C:\\Orvintal", "C:\\Windows\\System"}, false},
        {"program folder and System32", {"C:\\Orvintal", "C:\\Windows\\System32"}, false},
        {"program folder and the platform's system folder", {"C:\\Orvintal", "C:\\Windows\\SysWOW64"}, true},
        {"only in System32", {"C:\\Windows\\System32"}, false},
        {"only in the platform's system folder", {"C:\\Windows\\SysWOW64"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InstalledSystem s;
        s.p.files.Delete("C:\\Windows\\System32\\Ssubtmr.dll");
        for (const std::string& place : c.places) s.p.files.Put(place + "\\Ssubtmr.dll", "");

        CheckSystemComponents(s.hub);

        EXPECT_EQ(s.p.shell.started, OnlyIf(c.registered, std::vector<Started>{{Regsvr32("Ssubtmr.dll"), ShowState::Hidden}}));
        EXPECT_TRUE(s.p.dialogs.shown.empty());
    }
}

TEST(InstallationCheckTest, MissingComponentEndsTheStartAfterItsMessage) {
    for (const char* name : {"Ssubtmr.dll", "Ssubtmr6.dll", "CNewMenu.dll", "MsStdFmt.dll"}) {
        SCOPED_TRACE(name);
        InstalledSystem s;
        s.p.files.Delete(std::string("C:\\Windows\\System32\\") + name);
        s.p.files.Delete("C:\\Windows\\System32\\MsStdFmt.dll");  // a later one is never looked at

        EXPECT_THROW(CheckSystemComponents(s.hub), ProcessTerminated);

        EXPECT_EQ(s.p.dialogs.shown,
                  (std::vector<MessageBoxRequest>{
                      {std::string("Die Systemkomponente ''") + name + "'' konnte nicht gefunden werden.   ",
                       "Brekkan Orvintal   ", MsgButtons::Ok, MsgIcon::Critical}}));
    }
}

// The menu library in the program folder is registered (both of its names, each run bounded) only when its
// class is not registered and no copy lies in the system folder; it is reported registered only when it is.
TEST(InstallationCheckTest, MenuLibraryIsRegisteredWhereNeededAndReportedTruthfully) {
    enum class Report { None, Registered, Failed };
    const MessageBoxRequest registered{"Die Systemkomponente ''CNewMenu.dll'' wurde registriert. ",
                                       "Brekkan Orvintal   ", MsgButtons::Ok, MsgIcon::Critical};
    const MessageBoxRequest failed{
        "Die Systemkomponente ''CNewMenu.dll'' konnte nicht registriert werden.\nDas Men\xFC von Orvintal wird "
        "eventuell nicht angezeigt. Bitte installieren Sie Orvintal erneut oder wenden Sie sich an Ihren "
        "Systembetreuer.",
        "Brekkan Orvintal   ", MsgButtons::Ok, MsgIcon::Critical};
    struct Case {
        const char* name;
        bool classRegistered;
        std::vector<std::string> inSystem32;  // the library's copies there
        bool inProgramFolder;
        const char* registersIt;  // the library whose registration writes the class, if any
        bool hangs;
        bool runs;
        Report report;
    };
    const Case cases[] = {
        {"registered already", true, {"CNewMenu.dll"}, true, nullptr, false, false, Report::None},
        {"registration of CNEWMENU.DLL", false, {}, true, "CNEWMENU.DLL", false, true, Report::Registered},
        {"registration of CNEWMENU6.DLL", false, {}, true, "CNEWMENU6.DLL", false, true, Report::Registered},
        {"registration without effect", false, {}, true, nullptr, false, true, Report::Failed},
        {"Regsvr32 does not end", false, {}, true, nullptr, true, true, Report::Failed},
        {"no library in the program folder", false, {"CNewMenu.dll"}, false, nullptr, false, false, Report::Failed},
        {"a copy in System32", false, {"CNewMenu.dll", "CNEWMENU6.DLL"}, true, nullptr, false, false, Report::Failed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InstalledSystem s;
        s.p.files.Delete("C:\\Windows\\System32\\CNewMenu.dll");
        for (const std::string& name : c.inSystem32) s.p.files.Put("C:\\Windows\\System32\\" + name, "");
        if (c.inProgramFolder) s.p.files.Put("C:\\Orvintal\\CNewMenu.dll", "");
        if (!c.classRegistered) s.p.registry.DeleteValue(kMenuComponentClsidKey.root, kMenuComponentClsidKey.path, "");
        s.p.shell.hasEnded = [&](const Started& started) {
            // Regsvr32 writes the class as it ends.
            if (c.registersIt && started.commandLine == Regsvr32(c.registersIt))
                RegSetSetting(s.p.registry, kMenuComponentClsidKey.root, kMenuComponentClsidKey.path, "",
                              std::string("PopupMenu"));
            return !c.hangs;
        };

        CheckSystemComponents(s.hub);

        EXPECT_EQ(s.p.shell.started, OnlyIf(c.runs, std::vector<Started>{{Regsvr32("CNEWMENU.DLL"), ShowState::Hidden, true},
                                                                         {Regsvr32("CNEWMENU6.DLL"), ShowState::Hidden, true}}));
        EXPECT_EQ(s.p.dialogs.shown, OnlyIf(c.report != Report::None,
                                            std::vector{c.report == Report::Registered ? registered : failed}));
        EXPECT_NEAR(s.p.clock.Elapsed(), c.hangs ? 61 : 0, 1) << "each Regsvr32 run gets its bounded wait";
    }
}

TEST(InstallationCheckTest, PackFilesAreRemovedOnlyOnceTheUnpackerHasEnded) {
    InstalledSystem s;
    for (const char* pack : {"DATA.PAK", "FORMULAR.PAK", "LIBRARY.PAK"}) s.p.files.Put(std::string("C:\\Orvintal\\") + pack, "x");
    EXPECT_NO_THROW(CheckInstallation(s.hub));
    EXPECT_TRUE(s.p.shell.started.empty()) << "nothing unpacks them without the pack tool";
    EXPECT_TRUE(s.p.files.Exists("C:\\Orvintal\\DATA.PAK"));

    // The unpacker of the forms takes its time and is still reading when the bound is reached; the others
    // end after twelve seconds.
    s.p.files.Put("C:\\Orvintal\\PACKLIB.DLL", "");
    s.p.shell.hasEnded = [&s, from = s.p.clock.Elapsed()](const Started& started) {
        if (started.commandLine.find(" /us ") != std::string::npos) {
            EXPECT_TRUE(s.p.files.Exists("C:\\Orvintal\\DATA.PAK")) << "never removed while the unpacker runs";
        }
        return started.commandLine.find(" /uf ") == std::string::npos && s.p.clock.Elapsed() - from >= 12;
    };
    const double before = s.p.clock.Elapsed();

    CheckInstallation(s.hub);

    EXPECT_EQ(s.p.shell.started,
              (std::vector<Started>{
                  {"\"C:\\Orvintal\\PACKLIB.DLL\" /us \"C:\\Orvintal\\Data.pak\"", ShowState::Normal, true},
                  {"\"C:\\Orvintal\\PACKLIB.DLL\" /uf \"C:\\Orvintal\\Formular.pak\"", ShowState::Normal, true},
                  {"\"C:\\Orvintal\\PACKLIB.DLL\" /um \"C:\\Orvintal\\Library.pak\"", ShowState::Normal, true}}));
    EXPECT_FALSE(s.p.files.Exists("C:\\Orvintal\\DATA.PAK"));
    EXPECT_TRUE(s.p.files.Exists("C:\\Orvintal\\FORMULAR.PAK")) << "unpacked again at the next start";
    EXPECT_FALSE(s.p.files.Exists("C:\\Orvintal\\LIBRARY.PAK"));
    EXPECT_NEAR(s.p.clock.Elapsed() - before, 12 + 300, 2);
}

TEST(InstallationCheckTest, NewTemplateComponentIsStaged) {
    struct Case {
        const char* name;
        const char* recorded;  // in VORLAGEN.DAT
        bool stagingFails;
        const char* recordedAfter;
        std::optional<std::string> staged;  // TEMPLATE.TMP afterwards
        bool started;
    };
    const Case cases[] = {
        {"newer component", "01.11.2026 10:00:00", false, "01.12.2026 09:05:00", "neu", true},
        {"the recorded one: an earlier staged copy goes", "01.12.2026 09:05:00", false, "01.12.2026 09:05:00",
         std::nullopt, false},
        {"staging fails: tried again at the next start", "01.11.2026 10:00:00", true, "01.11.2026 10:00:00",
         std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InstalledSystem s;
        s.p.files.Put("C:\\Orvintal\\VORLAGEN.DAT", std::string("[UPDATE]\r\nEXE=") + c.recorded + "\r\n");
        s.p.files.Put(c.stagingFails ? "C:\\Orvintal\\TEMPLATE.TMP\\x" : "C:\\Orvintal\\TEMPLATE.TMP", "alt");
        s.p.files.Put("C:\\Orvintal\\TEMPLATE.EXE", "neu");
        s.p.files.SetModifiedTime("C:\\Orvintal\\TEMPLATE.EXE", {2026, 12, 1, 9, 5, 0});

        CheckInstallation(s.hub);

        EXPECT_EQ(s.p.ini.Read("C:\\Orvintal\\VORLAGEN.DAT", "UPDATE", "EXE"), c.recordedAfter);
        EXPECT_EQ(s.p.files.ReadAll("C:\\Orvintal\\TEMPLATE.TMP"), c.staged);
        EXPECT_EQ(s.p.files.ReadAll("C:\\Orvintal\\TEMPLATE.EXE"),
                  c.started ? std::nullopt : std::optional<std::string>("neu"));
        EXPECT_EQ(s.p.shell.started, OnlyIf(c.started, std::vector<Started>{{"\"C:\\Orvintal\\TEMPLATE.TMP\"", ShowState::Normal}}));
    }
}

TEST(InstallationCheckTest, MissingSampleFilesAreCounted) {
    const char* samples[] = {"Data\\Ort.dat", "Data\\Plz.dat", "Formulare\\DISPATCH.DAT", "Resource\\Db01000.dat",
                             "Vorlagen\\user.dat"};
    for (int missing = 0; missing <= 5; ++missing) {
        SCOPED_TRACE(missing);
        InstalledSystem s;
        for (int i = 0; i < missing; ++i) s.p.files.Delete(std::string("C:\\Orvintal\\") + samples[i]);
        s.p.dialogs.answers = {MsgAnswer::Cancel};

        CheckInstallation(s.hub);

        ASSERT_EQ(s.p.dialogs.shown.size(), missing ? 1u : 0u);
        if (!missing) continue;
        EXPECT_EQ(s.p.dialogs.shown[0],
                  (MessageBoxRequest{
                      "Einige wichtige Systemordner von Orvintal sind nicht im Installationsordner vorhanden, sodass "
                      "Funktionen eventuell nicht verf\xFC" "gbar sind. M\xF6glicherweise wurde ein Update nicht "
                      "vollst\xE4ndig durchgef\xFChrt oder die Ordner wurden gel\xF6scht.\n \n"
                      "Einige Inhalte in den Ordnern: 'Data', 'Formulare', 'Resource' und 'Vorlagen' im "
                      "Installationsordner sind fehlerhaft.\n \n"
                      "Bitte beheben Sie die " + std::to_string(missing) +
                          " Fehler mit einem Online-Update oder mit Wiederherstellung einer Datensicherung.",
                      "Brekkan Orvintal   ", MsgButtons::OkCancel, MsgIcon::Exclamation}));
    }
}

}  // namespace
}  // namespace kolvane
