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
    Open(3);
    EXPECT_EQ(p.shell.started, (std::vector<MemoryShell::Started>{
                                   {EditorOn(ProgramFile(hub, "Vorlagen\\Antrag Erm\xE4\xDFigung.pdf")),
                                    ShowState::Normal}}));
    EXPECT_TRUE(p.dialogs.shown.empty());
}

// The stored path begins with a backslash; one written without it still names the file in the folder.
TEST_F(DocumentTemplatesTest, APathWithoutItsLeadingBackslashStillFindsTheTemplate) {
    Open(5);
    EXPECT_EQ(Started(), std::vector<std::string>{EditorOn(ProgramFile(hub, "Vorlagen\\Vollmacht.pdf"))});
}

TEST_F(DocumentTemplatesTest, AMissingTemplateIsReportedAndNothingStarts) {
    const MessageBoxRequest notFound{"Das Dokument konnte im Vorlageordner nicht gefunden werden !",
                                     "Brekkan Orvintal   ", MsgButtons::Ok, MsgIcon::Exclamation};
    // 4 has an empty path, which would name the component folder itself; 6 has none; 7 names a missing file.
    for (int index : {4, 6, 7}) {
        SCOPED_TRACE(index);
        p.dialogs.shown.clear();
        Open(index);
        EXPECT_EQ(p.dialogs.shown, std::vector<MessageBoxRequest>{notFound});
    }
    p.files.Delete(ProgramFile(hub, "VORLAGEN.DAT"));
    p.dialogs.shown.clear();
    Open(0);
    EXPECT_EQ(p.dialogs.shown, std::vector<MessageBoxRequest>{notFound});
    EXPECT_TRUE(Started().empty());
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

// Opening the older copy would show the user something else than the template.
TEST_F(DocumentTemplatesTest, ACopyThatCannotBeMadeIsReportedInsteadOfOpeningAnOlderOne) {
    hub.settings.WriteInt(Setting::ViewLokalfile, 1);
    PutProgram("Sendmail\\Vollmacht.pdf", "edited earlier");
    files.copyFault = FaultyFiles::CopyFault::Refused;
    Open(0);
    EXPECT_TRUE(Started().empty());
    EXPECT_EQ(p.dialogs.shown,
              (std::vector<MessageBoxRequest>{{"Die Vorlage konnte nicht in den Ordner Sendmail kopiert werden.\nBitte "
                                               "schlie\xDF" "en Sie die dort noch ge\xF6" "ffnete Kopie und versuchen Sie "
                                               "es erneut.",
                                               "Brekkan Orvintal   ", MsgButtons::Ok, MsgIcon::Exclamation}}));
}

TEST_F(DocumentTemplatesTest, WithoutAnEditorTheUserIsOfferedTheSettings) {
    const MessageBoxRequest noEditor{" \nIn den Einstellungen ist kein Pdf-Editor eingetragen. \nSoweit ein solches "
                                     "Programm nicht verf\xFCgbar ist, \ninstallieren Sie bitte eine "
                                     "Internet-Anwendung.",
                                     "Brekkan Orvintal   ", MsgButtons::OkCancel, MsgIcon::Exclamation};
    struct Case {
        const char* name;
        std::optional<RegData> editor;
    };
    const Case cases[] = {
        {"missing", std::nullopt},
        {"not installed", SzValue("C:\\Programme\\Weg\\editor.exe")},
        {"a folder", SzValue("C:\\Programme\\Pdf Werk")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        p.registry.DeleteValue(kSettingsKey.root, kSettingsKey.path, "PdfEditor");
        if (c.editor) p.registry.Put(kSettingsKey.root, kSettingsKey.path, "PdfEditor", *c.editor);
        p.dialogs.shown.clear();
        p.dialogs.answers = {MsgAnswer::Cancel};
        Open(0);
        EXPECT_EQ(p.dialogs.shown, std::vector<MessageBoxRequest>{noEditor});
    }
    EXPECT_TRUE(Started().empty());
}

TEST_F(DocumentTemplatesTest, AnEditorPathIsCutAtItsFirstNul) {
    p.registry.Put(kSettingsKey.root, kSettingsKey.path, "PdfEditor",
                   {RegType::Sz, std::string(kEditor) + std::string(3, '\0')});
    Open(0);
    EXPECT_EQ(Started(), std::vector<std::string>{EditorOn(ProgramFile(hub, "Vorlagen\\Vollmacht.pdf"))});
}

// "weitere ..." opens the template manager.
TEST_F(DocumentTemplatesTest, IndexTenOpensTheTemplateManager) {
    PutProgram("SHEETVUE.EXE");
    Open(kTemplateManagerIndex);
    EXPECT_EQ(Started(), std::vector<std::string>{Quoted("SHEETVUE.EXE")});
    EXPECT_TRUE(p.dialogs.shown.empty());
}

TEST_F(DocumentTemplatesTest, TheMenuKeysOpenTheirTemplates) {
    RunAction(hub, ActionKey::DocVorlage3, {menu, 12});
    EXPECT_EQ(Started(), std::vector<std::string>{EditorOn(ProgramFile(hub, "Vorlagen\\Antrag Erm\xE4\xDFigung.pdf"))});
}

}  // namespace
}  // namespace kolvane
