// SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A stand-in uiautomationcore.dll: it answers that a UI Automation client is listening, and writes
// each call the program makes to it as one line to the file that VANTREL_UIA_RECORD names. No
// Wine passes a notification on to a client, so a test reads here what a screen reader would
// have been told. A notification's line gives its kind, processing, text and activity id, and
// the name and control type of the element that raised it.
#include <windows.h>

// After windows.h, which they build on.
#include <oleauto.h>
#include <uiautomationcore.h>

#include <string>

namespace {

constexpr PROPERTYID kNameProperty = 30005;
constexpr PROPERTYID kControlTypeProperty = 30003;

std::string Utf8(const wchar_t* text) {
    if (text == nullptr) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) {
        WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    }
    return out;
}

void Record(const std::string& line) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"VANTREL_UIA_RECORD", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return;
    }
    const HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    const std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

std::string Property(IRawElementProviderSimple* element, PROPERTYID id) {
    if (element == nullptr) {
        return "-";
    }
    VARIANT value;
    VariantInit(&value);
    std::string out = "-";
    if (SUCCEEDED(element->GetPropertyValue(id, &value))) {
        if (value.vt == VT_BSTR) {
            out = Utf8(value.bstrVal);
        } else if (value.vt == VT_I4) {
            out = std::to_string(value.lVal);
        } else if (value.vt == VT_INT) {
            out = std::to_string(value.intVal);
        }
    }
    VariantClear(&value);
    return out;
}

const char* Named(int value, std::initializer_list<const char*> names) {
    return value >= 0 && value < static_cast<int>(names.size()) ? names.begin()[value] : "?";
}

}  // namespace

extern "C" {

__declspec(dllexport) BOOL WINAPI UiaClientsAreListening() {
    return TRUE;
}

__declspec(dllexport) LRESULT WINAPI
    UiaReturnRawElementProvider(HWND, WPARAM, LPARAM lParam, IRawElementProviderSimple*) {
    Record("UiaReturnRawElementProvider\t" + std::to_string(static_cast<long>(lParam)));
    return 0;
}

__declspec(dllexport) HRESULT WINAPI
    UiaHostProviderFromHwnd(HWND, IRawElementProviderSimple** provider) {
    Record("UiaHostProviderFromHwnd");
    if (provider != nullptr) {
        *provider = nullptr;
    }
    return E_NOTIMPL;
}

__declspec(dllexport) HRESULT WINAPI
    UiaRaiseAutomationEvent(IRawElementProviderSimple*, EVENTID id) {
    Record("UiaRaiseAutomationEvent\t" + std::to_string(id));
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI
    UiaRaiseAutomationPropertyChangedEvent(IRawElementProviderSimple*, PROPERTYID id, VARIANT,
                                           VARIANT) {
    Record("UiaRaiseAutomationPropertyChangedEvent\t" + std::to_string(id));
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI
    UiaRaiseNotificationEvent(IRawElementProviderSimple* element, int kind, int processing,
                              BSTR text, BSTR activityId) {
    Record(std::string("UiaRaiseNotificationEvent\t") +
           Named(kind, {"ItemAdded", "ItemRemoved", "ActionCompleted", "ActionAborted", "Other"}) +
           "\t" +
           Named(processing, {"ImportantAll", "ImportantMostRecent", "All", "MostRecent",
                              "CurrentThenMostRecent"}) +
           "\t" + Utf8(text) + "\t" + Utf8(activityId) + "\t" + Property(element, kNameProperty) +
           "\t" + Property(element, kControlTypeProperty));
    return S_OK;
}

}  // extern "C"
