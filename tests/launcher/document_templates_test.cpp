#include "launcher/document_templates.h"

#include "launcher_fixture.h"

namespace kolvane {
namespace {

constexpr char kEditor[] = "C:\\Programme\\Pdf Werk\\editor.exe";

// The template list as the template manager keeps it, with the editor installed.
class DocumentTemplatesTest : public FaultyFilesTest {
protected:
    DocumentTemplatesTest() {
        PutProgram("VORLAGEN.DAT",
                   "[DOCS]\r\n0=Vollmacht\r\n3=Antrag auf Lohnsteuererm\xE4\xDFigung\r\n4=Leer\r\n5=Ohne Backslash\r\n"
                   "[PDFFILE]\r\n0=\\Vorlagen\\Vollmacht.pdf\r\n3=\\Vorlagen\\Antrag Erm\xE4\xDFigung.pdf\r\n"
                   "4=\r\n5=Vorlagen\\Vollmacht.pdf\r\n7=\\Vorlagen\\Fehlt.pdf\r\n");
        PutProgram("Vorlagen\\Vollmacht.pdf", "stored Vollmacht");
        PutProgram("Vorlagen\\Antrag Erm\xE4\xDFigung.pdf", "stored Antrag");
        p.files.Put(kEditor, "MZ");
        hub.settings.WriteText(Setting::PdfEditor, kEditor);
    }
    void Open(int index) { OpenDocumentTemplate(hub, index, {menu, 40 + index}); }
    std::vector<std::string> Started() const {
        std::vector<std::string> lines;
        for (const auto& start : p.shell.started) lines.push_back(start.commandLine);
        return lines;
    }
    std::string EditorOn(const std::string& file) const { return "\"" + std::string(kEditor) + "\" \"" + file + "\""; }
};

TEST_F(DocumentTemplatesTest, ATemplateOpensInTheEditor) {
    const std::string vollmacht = EditorOn(ProgramFile(hub, "Vorlagen\\Vollmacht.pdf"));
    const std::string antrag = EditorOn(ProgramFile(hub, "Vorlagen\\Antrag Erm\xE4\xDFigung.pdf"));
    struct Case {
        const char* what;
        int index;
        std::optional<RegData> editor;  // none: the fixture's
        std::string started;
    };
    const Case cases[] = {
        {"a path with blanks", 3, std::nullopt, antrag},
        // The stored path begins with a backslash; one written without it still names the file in the folder.
        {"a path without its leading backslash", 5, std::nullopt, vollmacht},
        {"an editor path cut at its first NUL", 0, RegData{RegType::Sz, std::string(kEditor) + std::string(3, '\0')},
         vollmacht},
        {"\"weitere ...\": the template manager", kTemplateManagerIndex, std::nullopt, Quoted("SHEETVUE.EXE")},
    };
    PutProgram("SHEETVUE.EXE");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.editor) p.registry.Put(kSettingsKey.root, kSettingsKey.path, "PdfEditor", *c.editor);
        p.shell.started.clear();
        Open(c.index);
        EXPECT_EQ(p.shell.started, (std::vector<MemoryShell::Started>{{c.started, ShowState::Normal}}));
        EXPECT_TRUE(p.dialogs.shown.empty());
    }
    p.shell.started.clear();
    RunAction(hub, ActionKey::DocVorlage3, {menu, 12});
    EXPECT_EQ(Started(), std::vector<std::string>{antrag});
}

// Edits in the editor never reach the stored template: an older copy of the same name is replaced first.
TEST_F(DocumentTemplatesTest, ViewLokalfileOpensAFreshCopyInSendmail) {
    hub.settings.WriteInt(Setting::ViewLokalfile, 1);
    const std::string copy = ProgramFile(hub, "Sendmail\\Vollmacht.pdf");
    Open(0);
    EXPECT_EQ(p.files.ReadAll(copy), "stored Vollmacht");
    p.files.Put(copy, "edited in the editor");
    Open(0);
    EXPECT_EQ(p.files.ReadAll(copy), "stored Vollmacht");
    EXPECT_EQ(p.files.ReadAll(ProgramFile(hub, "Vorlagen\\Vollmacht.pdf")), "stored Vollmacht");
    EXPECT_EQ(Started(), (std::vector<std::string>{EditorOn(copy), EditorOn(copy)}));
}

// Nothing starts where the template, its fresh copy or the editor is missing; the user is told which.
TEST_F(DocumentTemplatesTest, WhatCannotBeOpenedIsReportedAndNothingStarts) {
    const MessageBoxRequest notFound{"Das Dokument konnte im Vorlageordner nicht gefunden werden !",
                                     "Brekkan Orvintal   ", MsgButtons::Ok, MsgIcon::Exclamation};
    const MessageBoxRequest noEditor{" \nIn den Einstellungen ist kein Pdf-Editor eingetragen. \nSoweit ein solches "
                                     "Programm nicht verf\xFCgbar ist, \ninstallieren Sie bitte eine "
                                     "Internet-Anwendung.",
                                     "Brekkan Orvintal   ", MsgButtons::OkCancel, MsgIcon::Exclamation};
    const MessageBoxRequest noCopy{"Die Vorlage konnte nicht in den Ordner Sendmail kopiert werden.\nBitte "
                                   "schlie\xDF" "en Sie die dort noch ge\xF6" "ffnete Kopie und versuchen Sie es erneut.",
                                   "Brekkan Orvintal   ", MsgButtons::Ok, MsgIcon::Exclamation};
    struct Case {
        const char* what;
        int index;
        std::optional<RegData> editor;
        bool copyRefused;
        const MessageBoxRequest& message;
    };
    const Case cases[] = {
        // An empty path would name the component folder itself.
        {"empty path", 4, SzValue(kEditor), false, notFound},
        {"no path", 6, SzValue(kEditor), false, notFound},
        {"missing file", 7, SzValue(kEditor), false, notFound},
        {"no editor set", 0, std::nullopt, false, noEditor},
        {"editor not installed", 0, SzValue("C:\\Programme\\Weg\\editor.exe"), false, noEditor},
        {"editor path names a folder", 0, SzValue("C:\\Programme\\Pdf Werk"), false, noEditor},
        // Opening the older copy would show the user something else than the template.
        {"copy refused", 0, SzValue(kEditor), true, noCopy},
    };
    hub.settings.WriteInt(Setting::ViewLokalfile, 1);
    PutProgram("Sendmail\\Vollmacht.pdf", "edited earlier");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        p.registry.DeleteValue(kSettingsKey.root, kSettingsKey.path, "PdfEditor");
        if (c.editor) p.registry.Put(kSettingsKey.root, kSettingsKey.path, "PdfEditor", *c.editor);
        files.copyFault = c.copyRefused ? FaultyFiles::CopyFault::Refused : FaultyFiles::CopyFault::None;
        p.dialogs.shown.clear();
        p.dialogs.answers = {MsgAnswer::Cancel};
        Open(c.index);
        EXPECT_EQ(p.dialogs.shown, std::vector<MessageBoxRequest>{c.message});
    }
    p.files.Delete(ProgramFile(hub, "VORLAGEN.DAT"));
    p.dialogs.shown.clear();
    Open(0);
    EXPECT_EQ(p.dialogs.shown, std::vector<MessageBoxRequest>{notFound});
    EXPECT_TRUE(Started().empty());
}

}  // namespace
}  // namespace kolvane
