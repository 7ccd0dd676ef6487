#include "harness/program.h"

#include <stdexcept>

#include "harness/windows_seen.h"

std::wstring programPath() {
    wchar_t fromEnvironment[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"KALVENA_EXE", fromEnvironment, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        return fromEnvironment;
    }
    return KALVENA_EXE_PATH;
}

namespace {

// The inherited environment with the given entries added (or replacing those of the same name).
std::wstring environmentBlock(const std::vector<std::wstring>& additions) {
    std::wstring block;
    for (const auto& entry : additions) {
        block += entry;
        block.push_back(L'\0');
    }
    wchar_t* inherited = GetEnvironmentStringsW();
    for (const wchar_t* entry = inherited; *entry; entry += wcslen(entry) + 1) {
        const std::wstring text = entry;
        const std::wstring name = text.substr(0, text.find(L'=', 1) + 1);
        bool replaced = false;
        for (const auto& addition : additions) {
            replaced = replaced || _wcsnicmp(addition.c_str(), name.c_str(), name.size()) == 0;
        }
        if (!replaced) {
            block += text;
            block.push_back(L'\0');
        }
    }
    FreeEnvironmentStringsW(inherited);
    block.push_back(L'\0');
    return block;
}

}  // namespace

Program::Program(const std::wstring& workDir, const std::vector<std::wstring>& environment) {
    const std::wstring path = programPath();
    std::wstring commandLine = L"\"" + path + L"\"";
    std::wstring block = environmentBlock(environment);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_UNICODE_ENVIRONMENT | CREATE_SUSPENDED, block.data(),
                        workDir.c_str(), &startup, &info_)) {
        throw std::runtime_error("cannot start kalvena.exe (error " +
                                 std::to_string(GetLastError()) + ")");
    }
    // Should the test program itself be killed, the job takes kalvena.exe with it.
    job_ = CreateJobObjectW(nullptr, nullptr);
    if (job_) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
        AssignProcessToJobObject(job_, info_.hProcess);
    }
    ResumeThread(info_.hThread);
}

Program::~Program() {
    if (!hasExited()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 10000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
    if (job_) {
        CloseHandle(job_);
    }
}

bool Program::hasExited() const {
    return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0;
}

std::optional<DWORD> Program::waitForExit(std::chrono::milliseconds timeout) const {
    if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

namespace {

struct Search {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK collectShownWindowOf(HWND window, LPARAM searchAddress) {
    auto& search = *reinterpret_cast<Search*>(searchAddress);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsWindowVisible(window)) {
        search.found.push_back(window);
    }
    return TRUE;
}

}  // namespace

std::vector<HWND> Program::shownTopLevelWindows() const {
    Search search{info_.dwProcessId, {}};
    EnumWindows(collectShownWindowOf, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Program::waitForMainWindow(std::chrono::milliseconds timeout) const {
    HWND main = nullptr;
    waitUntil(
        [&] {
            for (HWND window : shownTopLevelWindows()) {
                if (classOf(window) == L"#32770" && textOf(window) == L"Kalvena") {
                    main = window;
                }
            }
            return main != nullptr || hasExited();
        },
        timeout);
    if (!main) {
        throw std::runtime_error(hasExited() ? "kalvena.exe ended without showing its MainWindow"
                                             : "the MainWindow did not appear");
    }
    return main;
}
