#include "pack/member_name.h"

#include <gtest/gtest.h>

#include <string>

namespace kolvane {
namespace {

TEST(MemberName, AcceptsOnlyPlainFileNamesInsideTheTargetFolder) {
    // Names that merely begin like a device, or have dots inside, are ordinary files.
    const std::string safe[] = {"A.TXT", "Brief an Müller & Söhne (Entwurf).doc", "ohne Endung", "a.b.c", ".profil",
                                "NULL.TXT", "COM10", "LPT", std::string(255, 'x')};
    const std::string unsafe[] = {
        std::string(256, 'x'), "",
        // Drives, streams, folders and parent steps.
        "C:A.TXT", "A.TXT:stream", "sub\\A.TXT", "sub/A.TXT", "\\\\server\\share", ".", "..", "a..b",
        // Devices, with and without an extension, in any case.
        "CON", "nul", "NUL.txt", "Nul.tar.gz", "NUL .txt", "aux", "PRN.doc", "COM1", "com9.log", "LPT1", "COM\xB9",
        "lpt\xB3.txt", "CONIN$", "conout$.x",
        // Characters Windows refuses or alters.
        "a?b", "a*b", "a<b", "a>b", "a|b", "a\"b", "tab\there", "zeile\r\n", "A.TXT.", "A.TXT "};
    for (const std::string& name : safe) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(IsSafeMemberName(name));
    }
    for (const std::string& name : unsafe) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(IsSafeMemberName(name));
    }
}

}  // namespace
}  // namespace kolvane
