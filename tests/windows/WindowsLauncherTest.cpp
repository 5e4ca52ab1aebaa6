// The launcher and the registry reader against Wine's Win32 registry, files and process start,
// and the version resource that the program carries. The registry values are written by
// run-under-wine.sh before each scenario; the scenario is the first argument.
#include <windows.h>

#include <algorithm>
#include <cstdio>
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

help::KeyValue Read(const char* value, const char* key = kTestKey) {
    Recorder recorder;
    return help::GetKeyValue(recorder.services, platform::registry::kLocalMachine, key, value);
}

void ValueScenario() {
    using help::KeyValue;
    using help::ReadFailure;
    Check(Read("Text") == KeyValue("abc"), "a text stored with its NUL reads \"abc\"");
    Check(Read("Text1023") == KeyValue(std::string(1023, 'x')),
          "a text of 1023 characters is read whole");
    Check(Read("Text1024") == KeyValue(ReadFailure::ValueNotRead),
          "a text of 1024 characters cannot be read");
    Check(Read("Number") == KeyValue("305419896"), "a number reads as its decimal text");
    Check(Read("Expandable") == KeyValue(""), "an expandable text reads as empty text");
    Check(Read("Empty") == KeyValue(""), "an empty text reads \"\"");
    Check(Read("Zero") == KeyValue(ReadFailure::NoData), "a value of no bytes is a failure");
    Check(Read("Missing") == KeyValue(ReadFailure::ValueNotRead), "a missing value cannot be read");
    Check(Read("Text", "SOFTWARE\\VantrelNoSuchKey") == KeyValue(ReadFailure::KeyNotOpened),
          "a missing key cannot be opened");
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
    // Every start goes through the recorder, so one that is not there never happened.
    if (!mustNotStart.empty()) {
        Check(std::find(recorder.starts.begin(), recorder.starts.end(), mustNotStart) ==
                  recorder.starts.end(),
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
