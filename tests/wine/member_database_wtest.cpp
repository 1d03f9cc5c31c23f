// The member store on the Win32 platform under Wine:
// - the index answers every lookup as GetPrivateProfileStringA does, on a generated database with the
//   edge cases of the profile functions added (0xA0 is never trimmed: "3964" scrambles to A0 A0 A0 A0);
// - a file written by the store reads the same through GetPrivateProfileStringA, and a file written
//   through WritePrivateProfileStringA with scrambled names and values reads the same through the store;
// - two processes writing different keys of one file at the same time lose none of them;
// - a peer that holds the file open delays a save within its bound, or makes it fail without a change;
// - damaged files are read without a crash and without any write.
// Run by ctest; "member_database_wtest.exe writer FILE ID" is the child that writes.
#include <windows.h>

#include <random>
#include <string>
#include <vector>

#include "demo_database.h"
#include "platform/clock_win32.h"
#include "platform/file_lock_win32.h"
#include "platform/files_win32.h"
#include "platform/ini_codec.h"
#include "platform/ini_files_win32.h"
#include "platform/kernel_win32.h"
#include "platform/md5_win32.h"
#include "platform/network_win32.h"
#include "platform/registry_win32.h"
#include "platform/shell_win32.h"
#include "platform/tray_win32.h"
#include "platform/windows_win32.h"
#include "store/crypt.h"
#include "store/member_database.h"
#include "wine/scratch_folder.h"

namespace {

using namespace kolvane;
using namespace std::string_literals;

constexpr DWORD kChildMilliseconds = 180000;
constexpr DWORD kWritingMilliseconds = 4000;  // how long each writer keeps saving, at the least
constexpr DWORD kLeastSaves = 10;             // and how many saves it makes at the least
constexpr DWORD kWriterFailed = 100000;      // the writer's exit code when a save was not saved

class RecordingDialogs final : public Dialogs {
public:
    std::vector<MessageBoxRequest> shown;
    MsgAnswer ShowMessage(const MessageBoxRequest& request) override {
        shown.push_back(request);
        return MsgAnswer::Ok;
    }
    std::vector<std::string> PrinterNames() override { return {}; }
};

// The Win32 platform, with message boxes recorded instead of shown.
struct Win32Store {
    Win32Registry registry;
    Win32IniFiles ini;
    Win32Windows windows;
    Win32Tray tray{nullptr, 0, nullptr, nullptr};
    Win32Shell shell;
    Win32Kernel kernel;
    Win32Files files;
    Win32Clock clock;
    RecordingDialogs dialogs;
    Win32Md5 md5;
    Win32Network network;
    Win32FileLocks locks;
    Platform os{registry, ini, windows, tray, shell, kernel, files, clock, dialogs, md5, network, locks};
};

using Scratch = winecheck::ScratchFolder;

std::string Escaped(const std::string& bytes) { return winecheck::Escaped(bytes, 120); }
std::string Bytes(const std::string& path) { return winecheck::FileBytes(path).value_or("(no file)"); }

std::string Line(std::string_view key, std::string_view value) { return *Crypt(key) + "=" + *Crypt(value) + "\r\n"; }

// What the profile functions make difficult, added to a generated database.
std::string EdgeCases() {
    const std::string v254(254, '\xD3');
    return "[EDGE]\r\n" + Line("Key", "3964") + *Crypt("BS1") + "=\xA0" + *Crypt("x") + "\xA0\r\n" +
           "k1= \t value \t \r\n" + "k2=\"quoted\"\r\n" + "k3='single'\r\n" + "k4=\"mixed'\r\n" + "k5=\"\"\r\n" +
           "k6=" + v254 + "\r\n" + "k7=" + v254 + "\xD4\xD5\r\n" + "k8=\"" + v254 + "\"\r\n" + "k9=\"" +
           v254.substr(1) + "\"\r\n" + "K10=first\r\nk10=second\r\n" + "k11\r\nk11=hidden\r\n" +
           "k12=\x01" "ctrl\x1F\r\n" + "\xA0k13\xA0=a0 around the name\r\n" + "k14=\x1A\x0Bv\x0C\x1A\r\n" +
           "k15=a\0b\r\n"s + "\xC4k=upper umlaut\r\n" + "[ edge2 ]\r\nk=v\r\n" + "[EDGE]\r\nlater=never seen\r\n" +
           "[042]\r\n" + Line("NAME", "never seen") + "[7]\r\n" + Line("NAME", "Sieben") + "[0042]\r\nk=v\r\n" +
           "[CR]\rk=v\rj=w\r" + "[LF]\nk=v\n\n" + "[LAST]\r\nk=end";
}

void TestIndexAgainstTheProfileFunctions(Scratch& scratch) {
    DemoOptions options;
    options.members = 300;
    const std::vector<DemoMember> members = MakeDemoMembers(options);
    const std::string bytes = "orphan=before any section\r\n" + MakeDemoDatabase(options, members) + EdgeCases();
    const std::string path = scratch.NewFile("DIFF.DAT", bytes);
    const IniDocument document(bytes);
    const DatabaseIndex index(bytes);
    Win32IniFiles profile;

    // Every section in three spellings against its own names, a few of other sections and some missing.
    std::vector<std::string> keys;
    for (const IniEntry& entry : document.Entries()) keys.emplace_back(document.Text(entry.name));
    int lookups = 0;
    for (const IniSection& section : document.Sections()) {
        if (!section.headed) continue;
        const std::string name(document.Text(section.name));
        std::vector<std::string> tried(keys.begin() + static_cast<std::ptrdiff_t>(section.firstEntry),
                                       keys.begin() + static_cast<std::ptrdiff_t>(section.firstEntry + section.entryCount));
        for (const char* extra : {"orphan", "K", "missing", "K10", " k1 ", "\xE4k", "k13", "\xA0k13\xA0"})
            tried.emplace_back(extra);
        tried.push_back(*Crypt("NAME"));
        for (const std::string& spelling : {name, " " + name + "\t", IniFoldName(name)}) {
            for (const std::string& key : tried) {
                const std::string expected = profile.Read(path, spelling, key);
                CHECK_EQ(index.ReadStored(spelling, key), expected, "[" + Escaped(spelling) + "] " + Escaped(key));
                ++lookups;
            }
        }
    }
    CHECK(lookups > 3000, "lookups: " + std::to_string(lookups));

    RecordingDialogs dialogs;
    DamageNotice pass(dialogs);
    for (const DemoMember& member : members) {
        const MemberRecord record = index.ReadMember(member.number, pass);
        CHECK(record == member.record, "member " + std::to_string(member.number));
        const std::string viaProfile =
            *Crypt(profile.Read(path, MemberSection(member.number), *Crypt("STRASSE")));
        CHECK_EQ(record.STRASSE, viaProfile, "member " + std::to_string(member.number) + " through the profile");
    }
    CHECK(dialogs.shown.empty(), "no notice on a sound database");
}

void TestStoreWritesWhatTheProfileFunctionsRead(Scratch& scratch) {
    DemoOptions options;
    options.members = 50;
    const std::vector<DemoMember> members = MakeDemoMembers(options);
    const std::string bytes = MakeDemoDatabase(options, members);
    const std::string path = scratch.NewFile("DATEX.DAT", bytes);
    Win32Store store;
    MemberDatabase database(store.os, path);
    const DatabaseValue header[] = {{"A1", "005"}, {"A2", "890"}, {"B1", "895"}, {"B2", "1999"},
                                    {"ALizenz2", "Schlo\xDF" "stra\xDF" "e 1"}, {"Key", "3964"}};
    CHECK(database.Write("000", header) == SaveResult::Saved, "header saved");
    const DatabaseValue member[] = {{"NAME", "M\xFCller-L\xFC" "denscheid"}, {"MANN", "J\xF6rg"}, {"PAAR", "True"}};
    CHECK(database.Write("4711", member) == SaveResult::Saved, "new member section saved");
    CHECK(database.Delete("000", "BS2") == SaveResult::Saved, "BS2 deleted");
    CHECK(store.dialogs.shown.empty(), "no message");

    Win32IniFiles profile;
    auto read = [&](const std::string& section, std::string_view key) {
        return *Crypt(profile.Read(path, section, *Crypt(key)));
    };
    for (const DatabaseValue& value : header) CHECK_EQ(read("000", value.key), std::string(value.value), std::string(value.key));
    for (const DatabaseValue& value : member) CHECK_EQ(read("4711", value.key), std::string(value.value), std::string(value.key));
    CHECK_EQ(read("000", "BS2"), std::string(), "BS2 gone");
    CHECK_EQ(read("000", "BS1"), std::string("Musterstadt"), "untouched header entry");
    CHECK_EQ(read(MemberSection(members[0].number), "ORT"), members[0].record.ORT, "untouched member");
    const std::string middle = bytes.substr(bytes.size() / 3, bytes.size() / 3);
    CHECK(Bytes(path).find(middle) != std::string::npos, "the member sections kept byte for byte");
}

void TestStoreReadsWhatTheProfileFunctionsWrite(Scratch& scratch) {
    const std::string path = scratch.NewFile("DATEX.dat", std::nullopt);
    struct Entry {
        const char* section;
        const char* key;
        std::string value;
    };
    const Entry entries[] = {
        {"000", "A1", "001"}, {"000", "A2", "4999"}, {"000", "B1", "5005"}, {"000", "B2", "9998"},
        {"000", "Key", "3964"}, {"000", "BS1", "K\xF6nigsbr\xFC" "ck"},
        {"007", "NAME", "Wei\xDF"}, {"007", "MANN", "Hans-J\xFCrgen"}, {"007", "FRAU", "B\xE4rbel"},
        {"007", "PAAR", "True"}, {"007", "IDENTNR", "12345678901"}, {"007", "FAIDX", "21/815/08150"},
        {"007", "STRASSE", "Am M\xFChlbach 3a"}, {"007", "ORT", "34567 M\xFChlheim an der Aue"},
        {"007", "MAIL", "hj.weiss@example.de"}, {"007", "AUSTRITT", "31.12.2025"},
        {"1000", "NAME", std::string(254, 'a')},
    };
    for (const Entry& e : entries)
        CHECK(::WritePrivateProfileStringA(e.section, Crypt(e.key)->c_str(), Crypt(e.value)->c_str(), path.c_str()),
              std::string("WritePrivateProfileStringA ") + e.key);
    Bytes(path);

    Win32Store store;
    MemberDatabase database(store.os, path);
    for (const Entry& e : entries)
        CHECK_EQ(database.Read(e.section, e.key), e.value, std::string(e.section) + " " + e.key);
    CHECK(database.ReadRanges() == (MemberRanges{1, 4999, 5005, 9998}), "ranges");
    const MemberRecord seven = database.ReadMember(7);
    CHECK_EQ(seven.MANN, std::string("Hans-J\xFCrgen"), "member 7");
    CHECK_EQ(seven.AUSTRITT, std::string("31.12.2025"), "member 7");
    CHECK_EQ(MemberDatabase(store.os, path.substr(0, path.size() - 3) + "DAT").Read("007", "NAME"),
             std::string("Wei\xDF"), "DATEX.DAT names the same file as DATEX.dat");
    CHECK(store.dialogs.shown.empty(), "no message");
}

std::string WriterKey(const std::string& id, DWORD n) { return "W" + id + "K" + std::to_string(n); }
std::string WriterValue(const std::string& id, DWORD n) { return std::to_string(n * 7) + id; }

// The child: saves its own keys W<ID>K0, W<ID>K1 ... into FILE for a while, and at least a few times even when
// the other writer kept the lock most of that while; its exit code is the number of saves, or kWriterFailed
// when one of them was not saved.
int RunWriter(const std::string& path, const std::string& id) {
    Win32Store store;
    MemberDatabase database(store.os, path);
    const DWORD start = ::GetTickCount();
    DWORD saved = 0;
    while (::GetTickCount() - start < kWritingMilliseconds || saved < kLeastSaves) {
        if (database.Write("000", WriterKey(id, saved), WriterValue(id, saved)) != SaveResult::Saved)
            return static_cast<int>(kWriterFailed);
        ++saved;
    }
    return static_cast<int>(saved);
}

HANDLE StartWriter(const std::string& path, const std::string& id) {
    char self[MAX_PATH];
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string commandLine = "\"" + std::string(self) + "\" writer \"" + path + "\" " + id;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process))
        return nullptr;
    ::CloseHandle(process.hThread);
    return process.hProcess;
}

void TestTwoWritersLoseNothing(Scratch& scratch) {
    DemoOptions options;
    options.members = 400;  // a file large enough that reading, editing and replacing takes a while
    const std::vector<DemoMember> members = MakeDemoMembers(options);
    const std::string bytes = MakeDemoDatabase(options, members);
    const std::string path = scratch.NewFile("DATEX.DAT", bytes);
    const std::vector<std::string> ids = {"A", "B"};
    std::vector<HANDLE> writers;
    for (const std::string& id : ids) writers.push_back(StartWriter(path, id));
    std::vector<DWORD> saves(ids.size(), 0);
    for (std::size_t i = 0; i < writers.size(); ++i) {
        CHECK(writers[i] != nullptr, "writer " + ids[i] + " started");
        if (writers[i] == nullptr) continue;
        CHECK_EQ(::WaitForSingleObject(writers[i], kChildMilliseconds), WAIT_OBJECT_0, "writer " + ids[i] + " ended");
        ::GetExitCodeProcess(writers[i], &saves[i]);
        CHECK(saves[i] >= kLeastSaves && saves[i] != kWriterFailed, "writer " + ids[i] + ": saves " + std::to_string(saves[i]));
        ::CloseHandle(writers[i]);
    }
    Win32Store store;
    const DatabaseIndex index = MemberDatabase(store.os, path).Load();
    DamageNotice notice(store.dialogs);
    for (std::size_t i = 0; i < ids.size(); ++i) {
        DWORD found = 0;
        for (DWORD n = 0; n < saves[i] && saves[i] != kWriterFailed; ++n)
            found += index.Read("000", WriterKey(ids[i], n), notice) == WriterValue(ids[i], n);
        CHECK_EQ(found, saves[i], "every key of writer " + ids[i]);
    }
    CHECK(index.ReadMember(members.back().number, notice) == members.back().record, "members kept");
}

struct HeldOpen {
    HANDLE file;
    DWORD milliseconds;
};

DWORD WINAPI CloseLater(void* parameter) {
    const HeldOpen* held = static_cast<HeldOpen*>(parameter);
    ::Sleep(held->milliseconds);
    ::CloseHandle(held->file);
    delete held;
    return 0;
}

// A peer that reads the file without sharing its deletion, so that a replace fails while it holds it;
// the returned thread lets go after the given time.
HANDLE HoldOpen(const std::string& path, DWORD milliseconds) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    CHECK(file != INVALID_HANDLE_VALUE, "peer opens " + path);
    return ::CreateThread(nullptr, 0, CloseLater, new HeldOpen{file, milliseconds}, 0, nullptr);
}

void TestAPeerHoldingTheFileOpen(Scratch& scratch) {
    const std::string before = "[000]\r\n" + Line("Key", "alt");
    const std::string path = scratch.NewFile("DATEX.DAT", before);
    Win32Store store;
    MemberDatabase database(store.os, path);
    database.SetBounds({2, 2, 0.1});
    const DWORD start = ::GetTickCount();
    HANDLE peer = HoldOpen(path, 700);
    CHECK(database.Write("000", "Key", "neu") == SaveResult::Saved, "saved once the peer let go");
    const DWORD took = ::GetTickCount() - start;
    ::WaitForSingleObject(peer, INFINITE);
    ::CloseHandle(peer);
    CHECK(took >= 500, "waited for the peer: " + std::to_string(took) + " ms");
    CHECK_EQ(database.Read("000", "Key"), std::string("neu"), "saved value");

    const std::string saved = Bytes(path);
    peer = HoldOpen(path, 4000);
    CHECK(database.Write("000", "Key", "nie") == SaveResult::Busy, "busy beyond the bound");
    ::WaitForSingleObject(peer, INFINITE);
    ::CloseHandle(peer);
    CHECK_EQ(Bytes(path), saved, "the file is as it was");
    CHECK_EQ(store.dialogs.shown.size(), 1u, "the busy save is reported");
}

void TestLocks(Scratch& scratch) {
    const std::string lockFile = scratch.NewFile("X.lck", std::nullopt);
    Win32FileLocks locks;
    auto first = locks.TryLock(lockFile);
    CHECK(first != nullptr, "first lock");
    CHECK(locks.TryLock(lockFile) == nullptr, "second lock while the first is held");
    CHECK(Win32FileLocks().TryLock(lockFile.substr(0, lockFile.size() - 3) + "LCK") == nullptr, "any spelling");
    first.reset();
    CHECK(::GetFileAttributesA(lockFile.c_str()) == INVALID_FILE_ATTRIBUTES, "the lock file goes with the lock");
    CHECK(locks.TryLock(lockFile) != nullptr, "free again");
}

void TestDamagedFiles(Scratch& scratch) {
    std::string garbage;
    std::mt19937 random(5);
    for (int i = 0; i < 60000; ++i) garbage.push_back(static_cast<char>(random()));
    const std::string cases[] = {
        garbage,
        "[000]\r\n" + std::string(100000, '\xD3') + "\r\n[001]\r\n" + *Crypt("NAME") + "=" + std::string(100000, 'x'),
        "[000]\r\n" + Line("A1", "007").substr(0, 7),
        "[000]\r\n" + Line("A1", "7") + "\0\0[001]\r\n"s + Line("NAME", "x"),
        "",
    };
    for (const std::string& bytes : cases) {
        const std::string path = scratch.NewFile("DATEX.DAT", bytes);
        const std::vector<std::string> files = scratch.Names();
        Win32Store store;
        MemberDatabase database(store.os, path);
        database.ReadRanges();
        for (int member = 0; member < 50; ++member) database.ReadMember(member);
        database.Read("001", "NAME");
        CHECK(store.dialogs.shown.size() <= 3, "at most one notice per read: " + Escaped(bytes.substr(0, 20)));
        CHECK(Win32Files().ReadAll(path) == bytes, "unchanged: " + Escaped(bytes.substr(0, 20)));
        CHECK(scratch.Names() == files, "no file written: " + Escaped(bytes.substr(0, 20)));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "writer") return RunWriter(argv[2], argv[3]);
    Scratch scratch("kolvane-store-");
    TestLocks(scratch);
    TestIndexAgainstTheProfileFunctions(scratch);
    TestStoreWritesWhatTheProfileFunctionsRead(scratch);
    TestStoreReadsWhatTheProfileFunctionsWrite(scratch);
    TestAPeerHoldingTheFileOpen(scratch);
    TestTwoWritersLoseNothing(scratch);
    TestDamagedFiles(scratch);
    for (const std::string& name : scratch.Names())
        CHECK(name.find(".new") == std::string::npos && name.find(".lck") == std::string::npos,
              "nothing left behind: " + name);
    return winecheck::Summary();
}
