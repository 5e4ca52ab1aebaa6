// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "help/SysInfoLauncher.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/StandInRegistry.h"

namespace {

namespace registry = platform::registry;

constexpr char kMsinfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
using help::KeyValue;
using help::ReadFailure;
constexpr char kLocationKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";

// Records what the launcher asks of the system, with a registry the test fills.
class LauncherTest : public ::testing::Test {
  protected:
    LauncherTest() {
        services.isOrdinaryFile = [this](const std::string& path) {
            tested.push_back(path);
            return files.count(path) == 1;
        };
        services.startProgram = [this](const std::string& path) {
            started.push_back(path);
            return startable.count(path) == 1;
        };
        services.showMessage = [this](const std::string& text) { messages.push_back(text); };
        registry::SetStandInContent({});
    }
    ~LauncherTest() override { registry::RestoreDesktopRegistry(); }

    // Reads KeyName\SubKeyRef below the local machine.
    KeyValue Read(const std::string& key, const std::string& value) {
        return help::GetKeyValue(services, registry::kLocalMachine, key, value);
    }

    help::SysInfoServices services;
    std::set<std::string> files;
    std::set<std::string> startable;
    std::vector<std::string> tested;
    std::vector<std::string> started;
    std::vector<std::string> messages;
};

struct ValueCase {
    const char* what;
    registry::Value value;
    KeyValue read;
};
void PrintTo(const ValueCase& c, std::ostream* out) {
    *out << c.what;
}

class ValueTable : public LauncherTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(ValueTable, GivesTheValueAsText) {
    registry::SetStandInContent({{kMsinfoKey, {{"PATH", GetParam().value}}}});
    EXPECT_EQ(Read(kMsinfoKey, "PATH"), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ValueTable,
    ::testing::Values(
        ValueCase{"TextWithItsNul", registry::TextValue("abc"), "abc"},
        ValueCase{"TextWithoutNul", registry::TextValue("abc", false), "abc"},
        ValueCase{"EmptyText", registry::TextValue(""), ""},
        ValueCase{"OneByte", registry::TextValue("x", false), "x"},
        ValueCase{"Text1023", registry::TextValue(std::string(1023, 'p')), std::string(1023, 'p')},
        ValueCase{"Bytes1023NoNul", registry::TextValue(std::string(1023, 'p'), false),
                  std::string(1023, 'p')},
        ValueCase{"Bytes1024NoNul", registry::TextValue(std::string(1024, 'p'), false),
                  std::string(1024, 'p')},
        ValueCase{"Bytes1025", registry::TextValue(std::string(1024, 'p')),
                  ReadFailure::ValueNotRead},
        ValueCase{"Megabyte", registry::TextValue(std::string(1 << 20, 'p')),
                  ReadFailure::ValueNotRead},
        ValueCase{"Number", registry::NumberValue(305419896), "305419896"},
        ValueCase{"NumberWithTopByteZero", registry::NumberValue(0x00ABCDEF), "11259375"},
        ValueCase{"NumberZero", registry::NumberValue(0), "0"},
        ValueCase{"NumberLargest", registry::NumberValue(0xFFFFFFFF), "4294967295"},
        ValueCase{"ExpandableTextGivesEmptyText",
                  registry::Value{registry::kTypeExpandableText, {'C', ':', 0}}, ""},
        ValueCase{"NoData", registry::Value{registry::kTypeText, {}}, ReadFailure::NoData}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(LauncherTest, MissingKeyOrValueSaysWhich) {
    registry::SetStandInContent({{kMsinfoKey, {{"PATH", registry::TextValue("x")}}}});
    EXPECT_EQ(Read(kMsinfoKey, "NOPE"), KeyValue(ReadFailure::ValueNotRead));
    EXPECT_EQ(Read("SOFTWARE\\Nowhere", "PATH"), KeyValue(ReadFailure::KeyNotOpened));
    const auto currentUser = static_cast<std::int32_t>(0x80000001u);
    EXPECT_EQ(help::GetKeyValue(services, currentUser, kMsinfoKey, "PATH"),
              KeyValue(ReadFailure::KeyNotOpened));
}

TEST_F(LauncherTest, NoRegistryFunctionsIsAFailureNotAnException) {
    services.registry = []() -> const registry::Functions& {
        throw std::runtime_error("registry function not found: RegOpenKeyExA");
    };
    EXPECT_EQ(Read(kMsinfoKey, "PATH"), KeyValue(ReadFailure::NoRegistryFunctions));
    help::StartSysInfo(services);
    EXPECT_EQ(messages, std::vector<std::string>{help::kSysInfoUnavailable});
}

// A user may only read the local machine's keys: asking for the rights to change them is
// refused, which is why the reader asks for read access alone.
TEST_F(LauncherTest, KeysOpenForReadingOnly) {
    registry::SetStandInContent({{kMsinfoKey, {{"PATH", registry::TextValue("x")}}}});
    const auto& functions = registry::Advapi32();
    registry::Handle key = 0;
    EXPECT_EQ(functions.RegOpenKeyExA(registry::RootHandle(registry::kLocalMachine), kMsinfoKey, 0,
                                      registry::kKeyAllBut, &key),
              registry::kAccessDenied);
    ASSERT_EQ(functions.RegOpenKeyExA(registry::RootHandle(registry::kLocalMachine), kMsinfoKey, 0,
                                      registry::kKeyRead, &key),
              registry::kSuccess);
    EXPECT_EQ(functions.RegCloseKey(key), registry::kSuccess);
    EXPECT_EQ(Read(kMsinfoKey, "PATH"), KeyValue("x"));
}

TEST_F(LauncherTest, NeitherEntryShowsTheMessageAndStartsNothing) {
    help::StartSysInfo(services);
    EXPECT_EQ(messages, std::vector<std::string>{help::kSysInfoUnavailable});
    EXPECT_TRUE(started.empty());
}

TEST_F(LauncherTest, FirstEntryIsStartedAsItStandsAndTheSecondIsNotRead) {
    registry::SetStandInContent(
        {{kMsinfoKey, {{"PATH", registry::TextValue("C:\\Tools\\info.exe")}}},
         {kLocationKey, {{"MSINFO", registry::TextValue("C:\\Other")}}}});
    files = {"C:\\Other\\MSINFO32.EXE"};
    startable = {"C:\\Tools\\info.exe", "C:\\Other\\MSINFO32.EXE"};
    help::StartSysInfo(services);
    EXPECT_EQ(started, std::vector<std::string>{"C:\\Tools\\info.exe"});
    EXPECT_TRUE(tested.empty()) << "no existence test for the first entry";
    EXPECT_TRUE(messages.empty());
}

TEST_F(LauncherTest, FirstEntryThatCannotStartGivesTheMessageWithoutTryingTheSecond) {
    registry::SetStandInContent(
        {{kMsinfoKey, {{"PATH", registry::TextValue("C:\\Gone\\info.exe")}}},
         {kLocationKey, {{"MSINFO", registry::TextValue("C:\\Other")}}}});
    files = {"C:\\Other\\MSINFO32.EXE"};
    startable = {"C:\\Other\\MSINFO32.EXE"};
    help::StartSysInfo(services);
    EXPECT_EQ(started, std::vector<std::string>{"C:\\Gone\\info.exe"});
    EXPECT_EQ(messages, std::vector<std::string>{help::kSysInfoUnavailable});
}

TEST_F(LauncherTest, SecondEntryStartsTheToolInItsFolder) {
    registry::SetStandInContent({{kLocationKey, {{"MSINFO", registry::TextValue("C:\\Msinfo")}}}});
    files = {"C:\\Msinfo\\MSINFO32.EXE"};
    startable = files;
    help::StartSysInfo(services);
    EXPECT_EQ(tested, std::vector<std::string>{"C:\\Msinfo\\MSINFO32.EXE"});
    EXPECT_EQ(started, std::vector<std::string>{"C:\\Msinfo\\MSINFO32.EXE"});
    EXPECT_TRUE(messages.empty());
}

TEST_F(LauncherTest, SecondEntryWithoutTheFileGivesTheMessage) {
    registry::SetStandInContent({{kLocationKey, {{"MSINFO", registry::TextValue("C:\\Empty")}}}});
    help::StartSysInfo(services);
    EXPECT_EQ(tested, std::vector<std::string>{"C:\\Empty\\MSINFO32.EXE"});
    EXPECT_TRUE(started.empty());
    EXPECT_EQ(messages, std::vector<std::string>{help::kSysInfoUnavailable});
}

TEST_F(LauncherTest, ExpandableTextUnderPathStartsAnEmptyPathAndFails) {
    registry::SetStandInContent(
        {{kMsinfoKey, {{"PATH", registry::Value{registry::kTypeExpandableText, {'x', 0}}}}},
         {kLocationKey, {{"MSINFO", registry::TextValue("C:\\Msinfo")}}}});
    files = {"C:\\Msinfo\\MSINFO32.EXE"};
    startable = files;
    help::StartSysInfo(services);
    EXPECT_EQ(started, std::vector<std::string>{""});
    EXPECT_EQ(messages, std::vector<std::string>{help::kSysInfoUnavailable});
}

TEST_F(LauncherTest, ZeroLengthFirstEntryGivesTheMessageWithoutTryingTheSecond) {
    registry::SetStandInContent({{kMsinfoKey, {{"PATH", registry::Value{1, {}}}}},
                                 {kLocationKey, {{"MSINFO", registry::TextValue("C:\\Msinfo")}}}});
    files = {"C:\\Msinfo\\MSINFO32.EXE"};
    startable = files;
    help::StartSysInfo(services);
    EXPECT_TRUE(started.empty());
    EXPECT_TRUE(tested.empty());
    EXPECT_EQ(messages, std::vector<std::string>{help::kSysInfoUnavailable});
}

TEST_F(LauncherTest, EachPressStartsOneMoreProcess) {
    registry::SetStandInContent({{kMsinfoKey, {{"PATH", registry::TextValue("/usr/bin/info")}}}});
    startable = {"/usr/bin/info"};
    help::StartSysInfo(services);
    help::StartSysInfo(services);
    EXPECT_EQ(started.size(), 2u);
    EXPECT_TRUE(messages.empty());
}

}  // namespace
