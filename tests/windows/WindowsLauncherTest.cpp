// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The launcher and the registry reader against Wine's Win32 registry, files and process start,
// and the version resource that the program carries. Each test suite is a scenario:
// run-under-wine.sh writes the registry values it names, then runs its tests alone.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help/SysInfoLauncher.h"

namespace {

using help::KeyValue;
using help::ReadFailure;
using Texts = std::vector<std::string>;

const std::string kFirstTool = "C:\\vantrel-test\\first\\tool.exe";
const std::string kSecondTool = "C:\\vantrel-test\\second\\MSINFO32.EXE";

// What the launcher did: each program start it asked for, and each message it showed.
struct Launch {
    Texts starts;
    Texts messages;
};

Launch StartSysInfo() {
    Launch launch;
    const help::SysInfoServices platform = help::PlatformSysInfoServices(nullptr);
    help::SysInfoServices services = platform;
    services.startProgram = [&launch, &platform](const std::string& path) {
        launch.starts.push_back(path);
        return platform.startProgram(path);
    };
    services.showMessage = [&launch](const std::string& text) { launch.messages.push_back(text); };
    help::StartSysInfo(services);
    return launch;
}

// The stand-in tool leaves PATH.started when it runs, which may be after its start returns.
bool Started(const std::string& path) {
    const std::string mark = path + ".started";
    for (int tries = 0; tries < 100; ++tries) {
        if (GetFileAttributesA(mark.c_str()) != INVALID_FILE_ATTRIBUTES) {
            return true;
        }
        Sleep(100);
    }
    return false;
}

KeyValue Read(const char* key, const char* value) {
    return help::GetKeyValue(help::PlatformSysInfoServices(nullptr),
                             platform::registry::kLocalMachine, key, value);
}

struct ValueCase {
    const char* value;
    KeyValue read;
};

// HKLM\SOFTWARE\VantrelTest holds a value of each kind.
TEST(Values, ReadAsTheLauncherNeedsThem) {
    const ValueCase cases[] = {
        {"Text", "abc"},  // stored with its NUL
        {"Text1023", std::string(1023, 'x')},
        {"Text1024", ReadFailure::ValueNotRead},  // with its NUL, more than 1024 bytes
        {"Number", "305419896"},
        {"Expandable", ""},  // a kind that is neither text nor number
        {"Empty", ""},
        {"Zero", ReadFailure::NoData},  // binary, no bytes
        {"Missing", ReadFailure::ValueNotRead},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Read("SOFTWARE\\VantrelTest", c.value), c.read);
    }
}

TEST(Values, MissingKeyCannotBeOpened) {
    EXPECT_EQ(Read("SOFTWARE\\VantrelNoSuchKey", "Text"), KeyValue(ReadFailure::KeyNotOpened));
}

// The program's resources, linked into this test as into vantrel.exe.
class Version : public ::testing::Test {
  protected:
    Version() {
        char path[MAX_PATH];
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        DWORD ignored = 0;
        data.resize(GetFileVersionInfoSizeA(path, &ignored));
        loaded = !data.empty() && GetFileVersionInfoA(path, 0, data.size(), data.data());
    }

    std::string Text(const std::string& name) {
        char* text = nullptr;
        UINT length = 0;
        const std::string block = "\\StringFileInfo\\040904B0\\" + name;
        if (!VerQueryValueA(data.data(), block.c_str(), reinterpret_cast<void**>(&text), &length)) {
            return "";
        }
        return text;
    }

    std::vector<char> data;
    bool loaded = false;
};

TEST_F(Version, FileVersionIs1_0_0_1) {
    ASSERT_TRUE(loaded);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    const std::vector<int> version = {
        HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
        HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS)};
    EXPECT_EQ(version, (std::vector<int>{1, 0, 0, 1}));
}

TEST_F(Version, Texts) {
    ASSERT_TRUE(loaded);
    EXPECT_EQ(Text("FileVersion"), "1.00.0001");
    EXPECT_EQ(Text("ProductName"), "Vantrel");
}

TEST_F(Version, IconInBothSizes) {
    for (const int size : {32, 16}) {
        SCOPED_TRACE(size);
        EXPECT_NE(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON, size, size, 0),
            nullptr);
    }
}

// The first entry names a program that is there.
TEST(FirstEntry, StartsItsProgram) {
    const Launch launch = StartSysInfo();
    EXPECT_EQ(launch.starts, Texts{kFirstTool});
    EXPECT_TRUE(Started(kFirstTool));
    EXPECT_EQ(launch.messages, Texts{});
}

// The first entry names a program that is not there; the second entry's program is.
TEST(FirstEntryUnstartable, ShowsTheMessageAndStartsNoOther) {
    const Launch launch = StartSysInfo();
    EXPECT_EQ(launch.starts, Texts{"C:\\vantrel-test\\nothing\\here.exe"});
    EXPECT_EQ(launch.messages, Texts{help::kSysInfoUnavailable});
}

// Only the second entry, naming a folder with MSINFO32.EXE.
TEST(SecondEntry, StartsMsinfo32InItsFolder) {
    const Launch launch = StartSysInfo();
    EXPECT_EQ(launch.starts, Texts{kSecondTool});
    EXPECT_TRUE(Started(kSecondTool));
    EXPECT_EQ(launch.messages, Texts{});
}

// Only the second entry, naming a folder without MSINFO32.EXE.
TEST(SecondEntryWithoutFile, ShowsTheMessage) {
    const Launch launch = StartSysInfo();
    EXPECT_EQ(launch.starts, Texts{});
    EXPECT_EQ(launch.messages, Texts{help::kSysInfoUnavailable});
}

TEST(NeitherEntry, ShowsTheMessage) {
    const Launch launch = StartSysInfo();
    EXPECT_EQ(launch.starts, Texts{});
    EXPECT_EQ(launch.messages, Texts{help::kSysInfoUnavailable});
}

}  // namespace
