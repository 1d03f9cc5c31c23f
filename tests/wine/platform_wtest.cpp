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
using winecheck::NewFile;

constexpr DWORD kLeastSaves = 10;       // each writer saves at least this often, and for 4 s at least

// HKEY_LOCAL_MACHINE\Software as the 32-bit programs see it: under Wow6432Node, nothing in the 64-bit view,
// which this program, run as the 64-bit build, sees.
void TestRegistryViews() {
    Win32Registry registry;
    CHECK(registry.CreateKey(RegRoot::LocalMachine, "Software\\KolvaneWTest", "") != KeyCreation::Failed &&
              registry.SetValue(RegRoot::LocalMachine, "Software\\KolvaneWTest", "Frist", {RegType::Sz, "14.07.2023\0"s}),
          "written");
    for (const auto& [key, found] : {std::pair{"Software\\Wow6432Node\\KolvaneWTest", true},
                                     std::pair{"Software\\KolvaneWTest", false}}) {
        char data[16] = {};
        DWORD size = sizeof data;
        RegGetValueA(HKEY_LOCAL_MACHINE, key, "Frist", RRF_RT_REG_SZ, nullptr, data, &size);
        CHECK((std::string(data) == "14.07.2023") == found, key);
    }
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, "Software\\KolvaneWTest", KEY_WOW64_32KEY, 0);
}

// A lock holds against every other open of its file, in any spelling, and its file goes with it.
void TestLocks() {
    const std::string path = NewFile("X.lck", std::nullopt);
    auto held = Win32FileLocks().TryLock(path);
    CHECK(held && !Win32FileLocks().TryLock(path) && !Win32FileLocks().TryLock(path.substr(0, path.size() - 3) + "LCK"),
          "held, in any spelling");
    held.reset();
    CHECK(GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES && Win32FileLocks().TryLock(path), "let go");
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
// of saves, or none when one was not saved.
DWORD WINAPI RunWriter(void* id) {
    const DWORD start = GetTickCount();
    DWORD saved = 0;
    for (; GetTickCount() - start < 4000 || saved < kLeastSaves; ++saved)
        if (Save(writerPath, static_cast<const char*>(id) + std::to_string(saved), std::to_string(saved)) !=
            SaveResult::Saved)
            return 0;
    return saved;
}

// Two writers, each a thread of its own: Windows applies the sharing of a file to every handle alike.
void TestTwoWritersLoseNothing() {
    DemoOptions options;
    options.members = 400;  // a file large enough that reading, editing and replacing takes a while
    const std::string bytes = MakeDemoDatabase(options, MakeDemoMembers(options));
    writerPath = NewFile("DATEX.DAT", bytes);
    char ids[][2] = {"A", "B"};
    HANDLE writers[] = {CreateThread(nullptr, 0, RunWriter, ids[0], 0, nullptr),
                        CreateThread(nullptr, 0, RunWriter, ids[1], 0, nullptr)};
    CHECK(WaitForMultipleObjects(2, writers, TRUE, 180000) == WAIT_OBJECT_0, "writers ended");
    const IniDocument after(Win32Files().ReadAll(writerPath).value_or(""));
    for (int i = 0; i < 2; ++i) {
        DWORD saves = 0, found = 0;
        GetExitCodeThread(writers[i], &saves);
        CloseHandle(writers[i]);
        CHECK(saves >= kLeastSaves, ids[i] + (": saves " + std::to_string(saves)));
        for (DWORD n = 0; n < saves; ++n)
            found += after.Read("000", ids[i] + std::to_string(n)) == std::to_string(n);
        CHECK(found == saves, ids[i] + (": keys found " + std::to_string(found)));
    }
    CHECK(after.Bytes().ends_with(bytes.substr(bytes.size() / 2)), "the members kept byte for byte");
}

DWORD holdMilliseconds;

DWORD WINAPI LetGoLater(void* file) {
    Sleep(holdMilliseconds);
    return CloseHandle(file);
}

// A peer that reads the file without sharing its deletion, so that a replace fails while it holds it.
void TestAPeerHoldingTheFileOpen() {
    const std::string path = NewFile("DATEX.DAT", "[000]\r\nKey=alt\r\n");
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
        CHECK((Win32Files().ReadAll(path) == before) == (expected == SaveResult::Busy), context + ": unchanged when busy");
    }
}

}  // namespace

int main() {
    TestRegistryViews();
    TestLocks();
    TestAPeerHoldingTheFileOpen();
    TestTwoWritersLoseNothing();
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    CHECK(Win32Files().List(temp, "*.new").empty() && Win32Files().List(temp, "*.lck").empty(), "nothing left behind");
    return winecheck::Summary();
}
