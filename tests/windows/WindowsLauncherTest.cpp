// The launcher and the registry reader against Wine's Win32 registry, files and process start,
// and the version resource that the program carries. The registry values are written by
// run-under-wine.sh before each scenario; the scenario is the first argument.
#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "help/SysInfoLauncher.h"

namespace {

int passed = 0;
int failed = 0;

void Check(bool condition, const std::string& what) {
    if (condition) {
        ++passed;
    } else {
        ++failed;
        std::printf("FAILED: %s\n", what.c_str());
    }
}

struct Recorder {
    help::SysInfoServices services;
    std::vector<std::string> messages;
    std::vector<std::string> starts;
    Recorder() {
        help::SysInfoServices platform = help::PlatformSysInfoServices(nullptr);
        services = platform;
        services.startProgram = [this, platform](const std::string& path) {
            starts.push_back(path);
            return platform.startProgram(path);
        };
        services.showMessage = [this](const std::string& text) { messages.push_back(text); };
    }
};

constexpr char kTestKey[] = "SOFTWARE\\VantrelTest";

bool Read(const char* value, std::string& keyVal, const char* key = kTestKey) {
    Recorder recorder;
    std::int32_t root = help::kLocalMachine;
    std::string keyName = key;
    std::string valueName = value;
    return help::GetKeyValue(recorder.services, root, keyName, valueName, keyVal);
}

void ValueScenario() {
    std::string keyVal = "before";
    Check(Read("Text", keyVal) && keyVal == "abc", "a text stored with its NUL reads \"abc\"");
    keyVal = "before";
    Check(Read("Text1023", keyVal) && keyVal == std::string(1023, 'x'),
          "a text of 1023 characters is read whole");
    keyVal = "before";
    Check(!Read("Text1024", keyVal) && keyVal.empty(), "a text of 1024 characters gives false");
    keyVal = "before";
    Check(Read("Number", keyVal) && keyVal == "305419896", "a number reads as its decimal text");
    keyVal = "before";
    Check(Read("Expandable", keyVal) && keyVal == "before",
          "an expandable text reads true and leaves KeyVal alone");
    keyVal = "before";
    Check(Read("Empty", keyVal) && keyVal.empty(), "an empty text reads \"\"");
    bool raised = false;
    try {
        Read("Zero", keyVal);
    } catch (const std::invalid_argument&) {
        raised = true;
    }
    Check(raised, "a value of no bytes raises the error");
    keyVal = "before";
    Check(!Read("Missing", keyVal) && keyVal.empty(), "a missing value gives false and \"\"");
    keyVal = "before";
    Check(!Read("Text", keyVal, "SOFTWARE\\VantrelNoSuchKey") && keyVal.empty(),
          "a missing key gives false and \"\"");
}

bool Appears(const std::string& path, DWORD milliseconds) {
    for (DWORD waited = 0; waited <= milliseconds; waited += 100) {
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
            return true;
        }
        Sleep(100);
    }
    return false;
}

// argv: scenario, then the marker files that must appear and those that must not.
void LaunchScenario(const std::string& name, bool expectMessage, const std::string& mustStart,
                    const std::string& mustNotStart) {
    Recorder recorder;
    help::StartSysInfo(recorder.services);
    Check(recorder.messages == (expectMessage ? std::vector<std::string>{help::kSysInfoUnavailable}
                                              : std::vector<std::string>{}),
          name + ": the message shown, or not");
    if (!mustStart.empty()) {
        Check(Appears(mustStart + ".started", 10000), name + ": " + mustStart + " started");
    }
    if (!mustNotStart.empty()) {
        Check(!Appears(mustNotStart + ".started", 2000),
              name + ": " + mustNotStart + " not started");
    }
    for (const std::string& start : recorder.starts) {
        std::printf("  started: %s\n", start.c_str());
    }
}

void VersionScenario() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    std::vector<char> data(size);
    Check(size > 0 && GetFileVersionInfoA(path, 0, size, data.data()), "the version resource");
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    Check(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length) &&
              fixed->dwFileVersionMS == MAKELONG(0, 1) && fixed->dwFileVersionLS == MAKELONG(1, 0),
          "file version 1.0.0.1");
    char* text = nullptr;
    Check(VerQueryValueA(data.data(), "\\StringFileInfo\\040904B0\\FileVersion",
                         reinterpret_cast<void**>(&text), &length) &&
              std::string(text) == "1.00.0001",
          "version text 1.00.0001");
    Check(VerQueryValueA(data.data(), "\\StringFileInfo\\040904B0\\ProductName",
                         reinterpret_cast<void**>(&text), &length) &&
              std::string(text) == "Vantrel",
          "product name Vantrel");
    Check(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON, 32, 32, 0) !=
              nullptr,
          "the 32-pixel icon");
    Check(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON, 16, 16, 0) !=
              nullptr,
          "the 16-pixel icon");
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string scenario = argc > 1 ? argv[1] : "";
    const std::string first = argc > 2 ? argv[2] : "";
    const std::string second = argc > 3 ? argv[3] : "";
    if (scenario == "values") {
        ValueScenario();
    } else if (scenario == "version") {
        VersionScenario();
    } else if (scenario == "first-entry") {
        LaunchScenario(scenario, false, first, second);
    } else if (scenario == "first-entry-unstartable") {
        LaunchScenario(scenario, true, "", second);
    } else if (scenario == "second-entry") {
        LaunchScenario(scenario, false, second, "");
    } else if (scenario == "second-entry-without-file") {
        LaunchScenario(scenario, true, "", "");
    } else if (scenario == "neither-entry") {
        LaunchScenario(scenario, true, "", "");
    } else {
        std::printf("unknown scenario %s\n", scenario.c_str());
        return 2;
    }
    std::printf("%s: %d passed, %d failed\n", scenario.c_str(), passed, failed);
    return failed == 0 ? 0 : 1;
}
