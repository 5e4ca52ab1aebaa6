// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Programs.h"

#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "help/SysInfoLauncher.h"
#include "platform/StandInRegistry.h"

namespace {

namespace fs = std::filesystem;

class ProgramsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/vantrel-programs-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }

    // A shell script that touches `marker`, then lingers for `seconds`.
    std::string Script(const std::string& name, const std::string& marker, int seconds = 0) {
        const fs::path path = folder / name;
        std::ofstream(path) << "#!/bin/sh\ntouch '" << (folder / marker).string() << "'\nsleep "
                            << seconds << "\ntouch '" << (folder / (marker + ".done")).string()
                            << "'\n";
        fs::permissions(path, fs::perms::owner_all);
        return path.string();
    }

    bool Appears(const std::string& marker) {
        for (int i = 0; i < 200 && !fs::exists(folder / marker); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return fs::exists(folder / marker);
    }

    // True once this process has no child left, reaping those that end; false if some child
    // still runs after ten seconds.
    static bool AllChildrenEnd() {
        for (int i = 0; i < 200; ++i) {
            const pid_t ended = ::waitpid(-1, nullptr, WNOHANG);
            if (ended < 0 && errno == ECHILD) {
                return true;
            }
            if (ended == 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        }
        return false;
    }

    fs::path folder;
};

TEST_F(ProgramsTest, OnlyOrdinaryVisibleFilesCount) {
    std::ofstream(folder / "MSINFO32.EXE") << "x";
    std::ofstream(folder / ".hidden") << "x";
    fs::create_directory(folder / "sub");
    EXPECT_TRUE(platform::IsOrdinaryFile((folder / "MSINFO32.EXE").string()));
    EXPECT_TRUE(platform::IsOrdinaryFile(folder.string() + "\\MSINFO32.EXE"));
    EXPECT_FALSE(platform::IsOrdinaryFile((folder / ".hidden").string()));
    EXPECT_FALSE(platform::IsOrdinaryFile((folder / "sub").string()));
    EXPECT_FALSE(platform::IsOrdinaryFile((folder / "missing").string()));
    EXPECT_FALSE(platform::IsOrdinaryFile(""));
}

TEST_F(ProgramsTest, StartsAProgramWithoutWaitingForIt) {
    const std::string program = Script("tool", "started", 3);
    ASSERT_TRUE(platform::StartProgram(program));
    EXPECT_FALSE(fs::exists(folder / "started.done")) << "it waited for the program";
    EXPECT_TRUE(Appears("started"));
    EXPECT_TRUE(Appears("started.done"));  // and nothing of the test outlives it
}

TEST_F(ProgramsTest, NeverThroughAShell) {
    // A shell would run the command after the semicolon; a plain start finds no such program.
    // Meanwhile this process adopts whatever the start leaves running once its starter ends:
    // when no child is left, a shell would have run to the end.
    const std::string marker = (folder / "shell-ran").string();
    ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    EXPECT_FALSE(platform::StartProgram("/bin/true; touch " + marker));
    EXPECT_TRUE(AllChildrenEnd());
    ::prctl(PR_SET_CHILD_SUBREAPER, 0);
    EXPECT_FALSE(fs::exists(marker));
}

TEST_F(ProgramsTest, WhatCannotStartIsReported) {
    std::ofstream(folder / "plain") << "not a program";
    fs::create_directory(folder / "dir");
    EXPECT_FALSE(platform::StartProgram(""));
    EXPECT_FALSE(platform::StartProgram((folder / "missing").string()));
    EXPECT_FALSE(platform::StartProgram((folder / "plain").string()));
    EXPECT_FALSE(platform::StartProgram((folder / "dir").string()));
    std::ofstream(folder / "broken") << "#!/nonexistent/interpreter\n";
    fs::permissions(folder / "broken", fs::perms::owner_all);
    EXPECT_FALSE(platform::StartProgram((folder / "broken").string()));
}

// Writes a value to a control file; false when the system refuses it.
bool WriteControl(const fs::path& file, const std::string& value) {
    std::ofstream out(file);
    out << value << std::flush;
    return out.good();
}

// When the system gives no process to run the program in, the start is reported as failed.
// The test runs in a process-count group that allows one process more than the test has: the
// first of the two forks succeeds, the second fails.
TEST_F(ProgramsTest, AStartWithNoProcessLeftIsReported) {
    const fs::path pids = "/sys/fs/cgroup/pids";
    const fs::path group = pids / ("vantrel-test-" + std::to_string(::getpid()));
    std::error_code error;
    if (!fs::exists(pids / "cgroup.procs") || !fs::create_directory(group, error)) {
        GTEST_SKIP() << "needs a process-count control group to make";
    }
    const std::string program = Script("tool", "started");
    const std::string self = std::to_string(::getpid());
    bool limited = WriteControl(group / "cgroup.procs", self);
    std::string current;
    std::ifstream(group / "pids.current") >> current;
    limited = limited && !current.empty() &&
              WriteControl(group / "pids.max", std::to_string(std::stoi(current) + 1));
    const bool started = limited && platform::StartProgram(program);
    WriteControl(pids / "cgroup.procs", self);
    fs::remove(group, error);
    ASSERT_TRUE(limited) << "the control group could not be set up";
    EXPECT_FALSE(started);
}

// The desktop's registry names a system-information program found on PATH; System Info
// starts it.
TEST_F(ProgramsTest, SystemInfoStartsTheProgramFoundOnPath) {
    Script("hardinfo", "hardinfo-ran");
    const std::string savedPath = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
    ::setenv("PATH", (folder.string() + ":" + savedPath).c_str(), 1);
    platform::registry::RestoreDesktopRegistry();
    std::vector<std::string> messages;
    help::StartSysInfo(
        help::PlatformSysInfoServices([&](const std::string& text) { messages.push_back(text); }));
    ::setenv("PATH", savedPath.c_str(), 1);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(Appears("hardinfo-ran"));
}

TEST_F(ProgramsTest, SystemInfoWithNoProgramOnPathSaysItIsUnavailable) {
    const std::string savedPath = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
    ::setenv("PATH", folder.c_str(), 1);
    platform::registry::RestoreDesktopRegistry();
    std::vector<std::string> messages;
    help::StartSysInfo(
        help::PlatformSysInfoServices([&](const std::string& text) { messages.push_back(text); }));
    ::setenv("PATH", savedPath.c_str(), 1);
    EXPECT_EQ(messages, std::vector<std::string>{help::kSysInfoUnavailable});
}

}  // namespace
