#include "pack/member_name.h"

#include <gtest/gtest.h>

#include <string>

namespace kolvane {
namespace {

TEST(MemberName, AcceptsOnlyPlainFileNamesInsideTheTargetFolder) {
    struct Case {
        std::string name;
        bool safe;
    };
    const Case cases[] = {
        {"A.TXT", true},
        {"Brief an Müller & Söhne (Entwurf).doc", true},
        {"ohne Endung", true},
        {"a.b.c", true},
        {".profil", true},
        {"NULL.TXT", true},
        {"CONFIG.SYS", true},
        {"COM10", true},
        {"LPT", true},
        {std::string(255, 'x'), true},
        {std::string(256, 'x'), false},
        {"", false},
        // Drives, folders and parent steps.
        {"C:A.TXT", false},
        {"C:\\A.TXT", false},
        {"A.TXT:stream", false},
        {"sub\\A.TXT", false},
        {"sub/A.TXT", false},
        {"\\\\server\\share", false},
        {".", false},
        {"..", false},
        {"...", false},
        {"a..b", false},
        // Devices, with and without an extension, in any case.
        {"CON", false},
        {"nul", false},
        {"NUL.txt", false},
        {"Nul.tar.gz", false},
        {"NUL .txt", false},
        {"aux", false},
        {"PRN.doc", false},
        {"COM1", false},
        {"com9.log", false},
        {"LPT1", false},
        {"COM¹", false},
        {"lpt³.txt", false},
        {"CONIN$", false},
        {"conout$.x", false},
        // Characters Windows refuses or alters.
        {"a?b", false},
        {"a*b", false},
        {"a<b", false},
        {"a>b", false},
        {"a|b", false},
        {"a\"b", false},
        {"tab\there", false},
        {"zeile\r\n", false},
        {"A.TXT.", false},
        {"A.TXT ", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsSafeMemberName(c.name), c.safe);
    }
}

}  // namespace
}  // namespace kolvane
