// Opening a file through the Windows shell and waiting for the started process.
#include "build/CompileLauncher.h"

#include "build/FileUtils.h"

#include <cstdlib>
#include <cstring>

#include <windows.h>
// shellapi.h needs windows.h before it
#include <shellapi.h>

namespace tv {

namespace {

bool IsScript(const std::string& file) {
    const std::string name = ExtractFileName(file);
    return name.size() > 4 && _stricmp(name.c_str() + name.size() - 4, ".tzn") == 0;
}

std::string LastErrorText(DWORD code) {
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string result = text ? text : "error " + std::to_string(code);
    if (text)
        LocalFree(text);
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == '.'))
        result.pop_back();
    return result;
}

// Waits for a process while the window's messages keep flowing.
TLaunchResult WaitFor(HANDLE process, const TBreathe& breathe) {
    TLaunchResult result;
    for (;;) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam)); // the program still ends
                result.Status = TLaunchStatus::Interrupted;
                break;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            continue;
        }
        if (breathe && !breathe()) {
            result.Status = TLaunchStatus::Interrupted;
            break;
        }
        if (WaitForSingleObject(process, 1) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(process, &code);
            result.Status = TLaunchStatus::Exited;
            result.ExitCode = static_cast<int>(code);
            break;
        }
    }
    CloseHandle(process);
    return result;
}

} // namespace

TLaunchResult ShellOpenAndWait(const std::string& file, const std::string& parameters,
                               const std::string& folder, const TBreathe& breathe) {
    TLaunchResult result;
    const char* compiler = std::getenv(kCompilerEnvVar);
    if (IsScript(file) && compiler && *compiler) {
        std::string line = std::string(compiler) + " \"" + file + "\"";
        if (!parameters.empty())
            line += " " + parameters;
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi = {};
        if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                            folder.empty() ? nullptr : folder.c_str(), &si, &pi)) {
            result.Error = LastErrorText(GetLastError());
            return result;
        }
        CloseHandle(pi.hThread);
        return WaitFor(pi.hProcess, breathe);
    }

    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = GetDesktopWindow();
    info.lpVerb = nullptr;
    info.lpFile = file.c_str();
    info.lpParameters = parameters.c_str();
    info.lpDirectory = folder.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExA(&info)) {
        result.Error = LastErrorText(GetLastError());
        return result;
    }
    if (!info.hProcess) {
        // The shell handed the file to a program that was already running: nothing to wait for.
        result.Status = TLaunchStatus::NoProcess;
        return result;
    }
    return WaitFor(info.hProcess, breathe);
}

} // namespace tv
