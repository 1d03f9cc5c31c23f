#include "app/installation_check.h"

#include "hub/hub_fixture.h"

namespace kolvane {
namespace {

Started Regsvr32(const std::string& library, bool watched = false) {
    return {"\"C:\\Windows\\SysWOW64\\Regsvr32.exe\" /s \"C:\\Orvintal\\" + library + "\"", ShowState::Hidden, watched};
}

// A library of the program folder is registered unless a copy lies in System or System32; one that is only in a
// system folder is found there; a missing one ends the start after its message, before a later one is looked at.
TEST(InstallationCheckTest, ComponentsAreFoundInTheProgramOrTheSystemFolders) {
    const std::vector<MessageBoxRequest> missing{{"Die Systemkomponente ''CNewMenu.dll'' konnte nicht gefunden werden.   ",
                                                  "Brekkan Orvintal   ", MsgButtons::Ok, MsgIcon::Critical}};
    const std::tuple<std::vector<std::string>, std::vector<Started>, std::vector<MessageBoxRequest>> cases[] = {
        {{"C:\\Orvintal", "C:\\Windows\\SysWOW64"}, {Regsvr32("Ssubtmr.dll")}, {}},
        {{"C:\\Orvintal", "C:\\Windows\\System"}, {}, {}},
        {{"C:\\Windows\\SysWOW64"}, {}, {}},
        {{"C:\\Windows\\System32"}, {}, missing},  // CNewMenu.dll and MsStdFmt.dll gone as well
    };
    for (const auto& [places, started, shown] : cases) {
        InstalledSystem s;
        s.p.files.Delete("C:\\Windows\\System32\\Ssubtmr.dll");
        for (const std::string& place : places) s.Put(place + "\\Ssubtmr.dll");
        if (!shown.empty())
            for (const char* name : {"CNewMenu.dll", "MsStdFmt.dll"}) s.p.files.Delete(std::string("C:\\Windows\\System32\\") + name);
        EXPECT_EQ(Ends([&] { CheckSystemComponents(s.hub); }), !shown.empty());
        EXPECT_EQ(s.p.shell.started, started) << places.back();
        EXPECT_EQ(s.p.dialogs.shown, shown);
    }
}

// The menu library in the program folder is registered (both of its names, each run bounded) only when its
// class is not registered and no copy lies in System32; it is reported registered only when it is.
TEST(InstallationCheckTest, MenuLibraryIsRegisteredWhereNeededAndReportedTruthfully) {
    struct Case { std::vector<std::string> inSystem32; bool registers, hangs, runs; const char* report; };
    const Case cases[] = {
        {{}, true, false, true, "wurde registriert"},
        {{}, false, true, true, "konnte nicht registriert werden"},  // Regsvr32 does not end
        {{"CNewMenu.dll", "CNEWMENU6.DLL"}, false, false, false, "konnte nicht registriert werden"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(i);
        InstalledSystem s;
        s.p.files.Delete("C:\\Windows\\System32\\CNewMenu.dll");
        for (const std::string& name : c.inSystem32) s.Put("C:\\Windows\\System32\\" + name);
        s.Put("C:\\Orvintal\\CNewMenu.dll");
        s.p.registry.DeleteValue(kMenuComponentClsidKey.root, kMenuComponentClsidKey.path, "");
        s.p.shell.hasEnded = [&](const Started& started) {
            if (c.registers && started == Regsvr32("CNEWMENU6.DLL", true))  // it writes the class as it ends
                RegSetSetting(s.p.registry, kMenuComponentClsidKey.root, kMenuComponentClsidKey.path, "", std::string("x"));
            return !c.hangs;
        };

        CheckSystemComponents(s.hub);

        EXPECT_EQ(s.p.shell.started, (c.runs ? std::vector{Regsvr32("CNEWMENU.DLL", true), Regsvr32("CNEWMENU6.DLL", true)}
                                             : std::vector<Started>{}));
        ASSERT_EQ(s.p.dialogs.shown.size(), c.report ? 1u : 0u);
        EXPECT_TRUE(!c.report || s.p.dialogs.shown[0].text.find(c.report) != std::string::npos);
        EXPECT_NEAR(s.p.clock.Elapsed(), c.hangs ? 61 : 0, 1) << "each Regsvr32 run gets its bounded wait";
    }
}

// A pack file goes only once its unpacker has ended; the new template component is staged under another name and
// started, its time recorded only once the staged copy is complete; missing sample files are counted.
TEST(InstallationCheckTest, PackFilesTemplateAndSamples) {
    InstalledSystem s;
    for (const char* pack : {"DATA.PAK", "FORMULAR.PAK", "LIBRARY.PAK", "PACKLIB.DLL"}) s.Put(std::string("C:\\Orvintal\\") + pack, "x");
    // The unpacker of the forms is still reading when the bound is reached; the others end after twelve seconds.
    s.p.shell.hasEnded = [&s](const Started& started) {
        EXPECT_TRUE(started.commandLine.find(" /us ") == std::string::npos || s.p.files.Exists("C:\\Orvintal\\DATA.PAK"))
            << "never removed while the unpacker runs";
        return started.commandLine.find(" /uf ") == std::string::npos && s.p.clock.Elapsed() >= 12;
    };
    s.Put("C:\\Orvintal\\VORLAGEN.DAT", "[UPDATE]\r\nEXE=01.11.2026 10:00:00\r\n");
    s.Put("C:\\Orvintal\\TEMPLATE.TMP\\x");  // staging fails: tried again at the next start
    s.Put("C:\\Orvintal\\TEMPLATE.EXE", "neu");
    s.p.files.SetModifiedTime("C:\\Orvintal\\TEMPLATE.EXE", {2026, 12, 1, 9, 5, 0});
    s.p.files.Delete("C:\\Orvintal\\Data\\Ort.dat");
    s.p.files.Delete("C:\\Orvintal\\Vorlagen\\user.dat");

    CheckInstallation(s.hub);

    ASSERT_EQ(s.p.shell.started.size(), 3u);
    EXPECT_EQ(s.p.shell.started[1], (Started{"\"C:\\Orvintal\\PACKLIB.DLL\" /uf \"C:\\Orvintal\\Formular.pak\"", ShowState::Normal, true}));
    // The forms are unpacked again at the next start; the template's time stays while it is not staged.
    EXPECT_EQ(std::tuple(s.p.files.Exists("C:\\Orvintal\\DATA.PAK"), s.p.files.Exists("C:\\Orvintal\\LIBRARY.PAK"),
                         s.p.files.Exists("C:\\Orvintal\\FORMULAR.PAK"), s.p.ini.Read("C:\\Orvintal\\VORLAGEN.DAT", "UPDATE", "EXE")),
              std::tuple(false, false, true, "01.11.2026 10:00:00"));
    EXPECT_NEAR(s.p.clock.Elapsed(), 12 + 300, 2);
    ASSERT_EQ(s.p.dialogs.shown.size(), 1u);
    EXPECT_NE(s.p.dialogs.shown[0].text.find("Bitte beheben Sie die 2 Fehler"), std::string::npos);

    std::filesystem::remove_all(s.p.files.HostPath("C:\\Orvintal\\TEMPLATE.TMP"));
    s.p.shell.started.clear();
    for (int start = 0; start < 2; ++start) CheckInstallation(s.hub);
    // The staged copy goes at the next start.
    EXPECT_EQ(std::tuple(s.p.ini.Read("C:\\Orvintal\\VORLAGEN.DAT", "UPDATE", "EXE"), s.p.files.ReadAll("C:\\Orvintal\\TEMPLATE.TMP"),
                         s.p.files.Exists("C:\\Orvintal\\TEMPLATE.EXE")),
              std::tuple("01.12.2026 09:05:00", std::nullopt, false));
    EXPECT_EQ(std::count(s.p.shell.started.begin(), s.p.shell.started.end(), Started{"\"C:\\Orvintal\\TEMPLATE.TMP\"", ShowState::Normal}), 1);
}

}  // namespace
}  // namespace kolvane
