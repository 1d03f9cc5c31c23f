#include "pack/member_name.h"

#include <gtest/gtest.h>

namespace kolvane {
namespace {

TEST(MemberName, AcceptsOnlyPlainFileNamesInsideTheTargetFolder) {
    // Names that merely begin like a device, or have dots inside, are ordinary files.
    const std::string safe[] = {"Brief an M\xFCller & S\xF6hne (Entwurf).doc", "ohne Endung", "a.b.c", ".profil",
                                "NULL.TXT", "COM10", "LPT", std::string(255, 'x')};
    // Too long or empty; drives, streams, folders and parent steps; devices in any case and with any
    // extension; characters Windows refuses or alters.
    const std::string unsafe[] = {std::string(256, 'x'), "", "C:A.TXT", "A.TXT:stream", "sub\\A.TXT", "sub/A",
                                  "\\\\server\\share", ".", "..", "a..b", "CON", "nul", "Nul.tar.gz", "NUL .txt", "aux",
                                  "PRN.doc", "com9.log", "LPT1", "COM\xB9", "lpt\xB3.txt", "CONIN$", "conout$.x", "a?b",
                                  "a*b", "a<b", "a>b", "a|b", "a\"b", "tab\there", "zeile\r\n", "A.TXT.", "A.TXT "};
    for (const std::string& name : safe) EXPECT_TRUE(IsSafeMemberName(name)) << name;
    for (const std::string& name : unsafe) EXPECT_FALSE(IsSafeMemberName(name)) << name;
}

}  // namespace
}  // namespace kolvane
