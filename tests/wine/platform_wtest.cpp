// Where the Win32 platform meets Windows itself: the registry view that the 64-bit build shares with the
// suite's 32-bit programs, the lock between writers, and the replace of a shared file: two processes saving
// into one file at the same time lose nothing, and a peer that holds the file open delays a save within its
// bound or makes it fail without a change.
#include <windows.h>

#include "demo_database.h"
#include "platform/clock_win32.h"
#include "platform/file_lock_win32.h"
#include "platform/registry_win32.h"
#include "store/safe_ini_writer.h"
#include "wine/wine_check.h"

namespace {

using namespace kolvane;
using namespace std::string_literals;
using Scratch = winecheck::ScratchFolder;

constexpr DWORD kLeastSaves = 10;       // each writer saves at least this often, and for 4 s at least
constexpr DWORD kWriterFailed = 100000;  // the writer's exit code when a save was not saved

// HKEY_LOCAL_MACHINE\Software as the 32-bit programs see it: under Wow6432Node, nothing in the 64-bit view,
// which this program, run as the 64-bit build, sees.
void TestRegistryViews() {
    Win32Registry registry;
    CHECK(registry.CreateKey(RegRoot::LocalMachine, "Software\\KolvaneWTest", "") != KeyCreation::Failed, "key");
    CHECK(registry.SetValue(RegRoot::LocalMachine, "Software\\KolvaneWTest", "Frist", {RegType::Sz, "14.07.2023\0"s}),
          "value");
    for (const auto& [key, found] : {std::pair{"Software\\Wow6432Node\\KolvaneWTest", true},
                                     std::pair{"Software\\KolvaneWTest", false}}) {
        char data[16] = {};
        DWORD size = sizeof data;
        CHECK_EQ(RegGetValueA(HKEY_LOCAL_MACHINE, key, "Frist", RRF_RT_REG_SZ, nullptr, data,
                              &size) == ERROR_SUCCESS && std::string(data) == "14.07.2023",
                 found, key);
    }
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, "Software\\KolvaneWTest", KEY_WOW64_32KEY, 0);
}

void TestLocks(Scratch& scratch) {
    const std::string path = scratch.NewFile("X.lck", std::nullopt);
    Win32FileLocks locks;
    auto first = locks.TryLock(path);
    CHECK(first != nullptr, "first lock");
    CHECK(locks.TryLock(path) == nullptr, "second lock while the first is held");
    CHECK(Win32FileLocks().TryLock(path.substr(0, path.size() - 3) + "LCK") == nullptr, "in any spelling");
    first.reset();
    CHECK(GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES, "the lock file goes with the lock");
    CHECK(locks.TryLock(path) != nullptr, "free again");
}

SaveResult Save(const std::string& path, const std::string& key, const std::string& value,
                const SafeWriteBounds& bounds = {}) {
    Win32Files files;
    Win32Clock clock;
    Win32FileLocks locks;
    return EditIniFile(files, clock, locks, path, [&](IniDocument& d) { return d.Write("000", key, value); }, bounds);
}

std::string writerPath;

// A writer: saves its own keys <ID>0, <ID>1 ... for 4 s and at least kLeastSaves times; returns the number
// of saves, or kWriterFailed when one was not saved.
DWORD WINAPI RunWriter(void* id) {
    const DWORD start = GetTickCount();
    DWORD saved = 0;
    for (; GetTickCount() - start < 4000 || saved < kLeastSaves; ++saved)
        if (Save(writerPath, static_cast<const char*>(id) + std::to_string(saved), std::to_string(saved)) !=
            SaveResult::Saved)
            return kWriterFailed;
    return saved;
}

// Two writers, each a thread of its own: Windows applies the sharing of a file to every handle alike.
void TestTwoWritersLoseNothing(Scratch& scratch) {
    DemoOptions options;
    options.members = 400;  // a file large enough that reading, editing and replacing takes a while
    const std::string bytes = MakeDemoDatabase(options, MakeDemoMembers(options));
    writerPath = scratch.NewFile("DATEX.DAT", bytes);
    char ids[][2] = {"A", "B"};
    HANDLE writers[] = {CreateThread(nullptr, 0, RunWriter, ids[0], 0, nullptr),
                        CreateThread(nullptr, 0, RunWriter, ids[1], 0, nullptr)};
    CHECK_EQ(WaitForMultipleObjects(2, writers, TRUE, 180000), WAIT_OBJECT_0, "writers ended");
    const IniDocument after(Win32Files().ReadAll(writerPath).value_or(""));
    for (int i = 0; i < 2; ++i) {
        DWORD saves = 0, found = 0;
        GetExitCodeThread(writers[i], &saves);
        CloseHandle(writers[i]);
        CHECK(saves >= kLeastSaves && saves != kWriterFailed, ids[i] + (": saves " + std::to_string(saves)));
        for (DWORD n = 0; n < saves && saves != kWriterFailed; ++n)
            found += after.Read("000", ids[i] + std::to_string(n)) == std::to_string(n);
        CHECK_EQ(found, saves, std::string("every key of writer ") + ids[i]);
    }
    CHECK(after.Bytes().ends_with(bytes.substr(bytes.size() / 2)), "the members kept byte for byte");
}

DWORD holdMilliseconds;

DWORD WINAPI LetGoLater(void* file) {
    Sleep(holdMilliseconds);
    return CloseHandle(file);
}

// A peer that reads the file without sharing its deletion, so that a replace fails while it holds it.
void TestAPeerHoldingTheFileOpen(Scratch& scratch) {
    const std::string path = scratch.NewFile("DATEX.DAT", "[000]\r\nKey=alt\r\n");
    for (const auto& [hold, expected] : {std::pair{700ul, SaveResult::Saved}, std::pair{4000ul, SaveResult::Busy}}) {
        const std::string context = "a peer holds the file for " + std::to_string(hold) + " ms";
        const std::optional<std::string> before = Win32Files().ReadAll(path);
        holdMilliseconds = hold;
        HANDLE peer = CreateThread(nullptr, 0, LetGoLater, CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ |
                                   FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr), 0, nullptr);
        const DWORD start = GetTickCount();
        CHECK(Save(path, "Key", std::to_string(hold), {2, 2, 0.1}) == expected, context);
        CHECK(GetTickCount() - start >= 500, context + ": waited");
        WaitForSingleObject(peer, INFINITE);
        CloseHandle(peer);
        CHECK_EQ(Win32Files().ReadAll(path) == before, expected == SaveResult::Busy, context + ": unchanged when busy");
    }
}

}  // namespace

int main() {
    Scratch scratch("kolvane-platform-");
    TestRegistryViews();
    TestLocks(scratch);
    TestAPeerHoldingTheFileOpen(scratch);
    TestTwoWritersLoseNothing(scratch);
    for (const std::string& name : scratch.Names())
        CHECK(name.find(".new") == std::string::npos && name.find(".lck") == std::string::npos, "left behind: " + name);
    return winecheck::Summary();
}
