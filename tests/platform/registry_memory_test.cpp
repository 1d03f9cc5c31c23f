#include "platform/registry_memory.h"

#include <gtest/gtest.h>

namespace kolvane {
namespace {

constexpr RegRoot kLm = RegRoot::LocalMachine;
constexpr RegRoot kCu = RegRoot::CurrentUser;

RegData Sz(const std::string& text) { return {RegType::Sz, text + '\0'}; }

TEST(MemoryRegistry, CreateKeyMakesMissingParentsAndTellsWhetherItCreated) {
    MemoryRegistry reg;
    EXPECT_EQ(reg.CreateKey(kLm, "Software\\Brekkan\\Orvintal", ""), KeyCreation::Created);
    EXPECT_TRUE(reg.HasKey(kLm, "Software"));
    EXPECT_TRUE(reg.HasKey(kLm, "Software\\Brekkan"));
    EXPECT_TRUE(reg.KeyExists(kLm, "Software\\Brekkan\\Orvintal"));
    EXPECT_EQ(reg.CreateKey(kLm, "Software\\Brekkan\\Orvintal", ""), KeyCreation::Existed);
    EXPECT_EQ(reg.CreateKey(kLm, "Software\\Brekkan", ""), KeyCreation::Existed);
    EXPECT_EQ(reg.CreateKey(kLm, "Software\\Brekkan\\Quarnbeck", ""), KeyCreation::Created);
}

TEST(MemoryRegistry, NamesMatchWithoutRegardToAsciiCase) {
    MemoryRegistry reg;
    reg.Put(kLm, "Software\\Brekkan\\Orvintal", "NoTmpBeitrag", {RegType::Dword, std::string("\x01\0\0\0", 4)});
    const struct {
        const char* path;
        const char* name;
    } cases[] = {
        {"SOFTWARE\\BREKKAN\\ORVINTAL", "notmpbeitrag"},
        {"software\\brekkan\\orvintal", "NOTMPBEITRAG"},
        {"Software\\Brekkan\\Orvintal", "NoTmpBeitrag"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.path) + " / " + c.name);
        EXPECT_TRUE(reg.KeyExists(kLm, c.path));
        const auto data = reg.QueryValue(kLm, c.path, c.name);
        ASSERT_TRUE(data.has_value());
        EXPECT_EQ(data->type, RegType::Dword);
    }
    EXPECT_EQ(reg.CreateKey(kLm, "SOFTWARE\\brekkan", ""), KeyCreation::Existed);
    // Overwriting through another spelling replaces the one value instead of adding a second.
    EXPECT_TRUE(reg.SetValue(kLm, "software\\BREKKAN\\orvintal", "NOTMPBEITRAG", Sz("x")));
    EXPECT_TRUE(reg.DeleteValue(kLm, "Software\\Brekkan\\Orvintal", "notmpbeitrag"));
    EXPECT_FALSE(reg.QueryValue(kLm, "Software\\Brekkan\\Orvintal", "NoTmpBeitrag").has_value());
}

TEST(MemoryRegistry, ValuesComeBackByteForByteWithTheirType) {
    MemoryRegistry reg;
    reg.CreateKey(kLm, "K", "");
    const RegData cases[] = {
        {RegType::Sz, std::string("abc\0", 4)},
        {RegType::Sz, std::string("a\0b\0\0", 5)},  // padding and an inner NUL are kept as stored
        {RegType::Sz, ""},                           // no terminator at all
        {RegType::ExpandSz, std::string("%TEMP%\\x\0", 10)},
        {RegType::Binary, std::string("\x01\x02", 2)},
        {RegType::Dword, std::string("\xff\xff\xff\xff", 4)},
        {RegType::MultiSz, std::string("a\0b\0\0", 5)},
        {RegType::None, ""},
    };
    for (const RegData& data : cases) {
        SCOPED_TRACE(static_cast<unsigned>(data.type));
        ASSERT_TRUE(reg.SetValue(kLm, "K", "v", data));
        const auto back = reg.QueryValue(kLm, "K", "v");
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->type, data.type);
        EXPECT_EQ(back->bytes, data.bytes);
    }
}

TEST(MemoryRegistry, MissingKeysAndValuesFailWithoutCreatingAnything) {
    MemoryRegistry reg;
    reg.Put(kLm, "Software\\Brekkan", "Old", Sz("1"));
    EXPECT_FALSE(reg.SetValue(kLm, "Software\\Brekkan\\Orvintal", "x", Sz("1")));
    EXPECT_FALSE(reg.HasKey(kLm, "Software\\Brekkan\\Orvintal"));
    EXPECT_FALSE(reg.QueryValue(kLm, "Software\\Brekkan\\Orvintal", "x").has_value());
    EXPECT_FALSE(reg.QueryValue(kLm, "Software\\Brekkan", "x").has_value());
    EXPECT_FALSE(reg.DeleteValue(kLm, "Software\\Brekkan", "x"));
    EXPECT_FALSE(reg.DeleteValue(kLm, "Software\\Brekkan\\Orvintal", "Old"));
    EXPECT_TRUE(reg.QueryValue(kLm, "Software\\Brekkan", "Old").has_value());
}

TEST(MemoryRegistry, PathsWithAnEmptyPartNameNoKey) {
    MemoryRegistry reg;
    reg.Put(kLm, "Software\\Brekkan", "v", Sz("1"));
    for (const char* path : {"Software\\\\Brekkan", "\\Software", "Software\\"}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(reg.KeyExists(kLm, path));
        EXPECT_EQ(reg.CreateKey(kLm, path, ""), KeyCreation::Failed);
        EXPECT_FALSE(reg.SetValue(kLm, path, "v", Sz("2")));
    }
    EXPECT_TRUE(reg.KeyExists(kLm, ""));  // the root itself
}

TEST(MemoryRegistry, RootsAreSeparate) {
    MemoryRegistry reg;
    reg.Put(kCu, "Software\\PDFPrint\\Services\\PDF", "AutoSaveDir", Sz("C:\\Belege"));
    EXPECT_FALSE(reg.KeyExists(kLm, "Software\\PDFPrint"));
    EXPECT_TRUE(reg.KeyExists(kCu, "Software\\PDFPrint"));
    EXPECT_FALSE(reg.QueryValue(kLm, "Software\\PDFPrint\\Services\\PDF", "AutoSaveDir").has_value());
}

TEST(MemoryRegistry, ReadOnlyKeysCanBeReadButNotWritten) {
    MemoryRegistry reg;
    reg.Put(kLm, "Software\\Brekkan\\Orvintal", "StartTime", Sz("old"));
    reg.SetReadOnly(kLm, "Software", true);
    const char* key = "Software\\Brekkan\\Orvintal";
    EXPECT_TRUE(reg.KeyExists(kLm, key));
    EXPECT_EQ(reg.QueryValue(kLm, key, "StartTime")->bytes, std::string("old\0", 4));
    EXPECT_FALSE(reg.SetValue(kLm, key, "StartTime", Sz("new")));
    EXPECT_FALSE(reg.SetValue(kLm, key, "Other", Sz("new")));
    EXPECT_FALSE(reg.DeleteValue(kLm, key, "StartTime"));
    EXPECT_EQ(reg.CreateKey(kLm, key, ""), KeyCreation::Failed);
    EXPECT_EQ(reg.CreateKey(kLm, "Software\\Brekkan\\Neu", ""), KeyCreation::Failed);
    EXPECT_FALSE(reg.HasKey(kLm, "Software\\Brekkan\\Neu"));
    EXPECT_EQ(reg.QueryValue(kLm, key, "StartTime")->bytes, std::string("old\0", 4));
    EXPECT_FALSE(reg.QueryValue(kLm, key, "Other").has_value());
    // Keys beside the read-only branch stay writable.
    EXPECT_EQ(reg.CreateKey(kLm, "System\\X", ""), KeyCreation::Created);

    reg.SetReadOnly(kLm, "Software", false);
    EXPECT_TRUE(reg.SetValue(kLm, key, "StartTime", Sz("new")));
}

TEST(MemoryRegistry, AReadOnlyRootRefusesEveryWrite) {
    MemoryRegistry reg;
    reg.SetReadOnly(kLm, "", true);
    EXPECT_EQ(reg.CreateKey(kLm, "Software", ""), KeyCreation::Failed);
    EXPECT_FALSE(reg.HasKey(kLm, "Software"));
    EXPECT_EQ(reg.CreateKey(kCu, "Software", ""), KeyCreation::Created);
}

}  // namespace
}  // namespace kolvane
