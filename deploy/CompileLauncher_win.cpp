// Opening a file through the Windows shell and waiting for the started process.
#include "deploy/CompileLauncher.h"

#include "deploy/FileUtils.h"
#include "core/WinError.h"

#include <cstdlib>
#include <cstring>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// shellapi.h needs windows.h before it
#include <shellapi.h>

namespace tv {

namespace {

bool IsScript(const std::string& file) {
    const std::string name = ExtractFileName(file);
    return name.size() > 4 && _stricmp(name.c_str() + name.size() - 4, ".tzn") == 0;
}

// The reason a failed ShellExecuteEx gives. The shell does not always set the last error; hInstApp
// then holds one of its own SE_ERR_* codes.
DWORD ShellErrorCode(const SHELLEXECUTEINFOA& info) {
    const DWORD last = GetLastError();
    if (last != ERROR_SUCCESS)
        return last;
    switch (reinterpret_cast<INT_PTR>(info.hInstApp)) {
    case SE_ERR_FNF:
        return ERROR_FILE_NOT_FOUND;
    case SE_ERR_PNF:
        return ERROR_PATH_NOT_FOUND;
    case SE_ERR_ACCESSDENIED:
        return ERROR_ACCESS_DENIED;
    case SE_ERR_OOM:
        return ERROR_NOT_ENOUGH_MEMORY;
    case SE_ERR_SHARE:
        return ERROR_SHARING_VIOLATION;
    case SE_ERR_DLLNOTFOUND:
        return ERROR_DLL_NOT_FOUND;
    case SE_ERR_DDETIMEOUT:
    case SE_ERR_DDEFAIL:
    case SE_ERR_DDEBUSY:
        return ERROR_DDE_FAIL;
    default: // SE_ERR_NOASSOC, SE_ERR_ASSOCINCOMPLETE, or nothing said at all
        return ERROR_NO_ASSOCIATION;
    }
}

// The file name of the program a process runs; fallback when it cannot be read.
std::string ProgramName(HANDLE process, const std::string& fallback) {
    char path[MAX_PATH * 4];
    DWORD size = sizeof path;
    if (!QueryFullProcessImageNameA(process, 0, path, &size))
        return fallback;
    const std::string full(path, size);
    const std::size_t sep = full.find_last_of("\\/");
    return sep == std::string::npos ? full : full.substr(sep + 1);
}

// Waits for a process while the window's messages keep flowing.
TLaunchResult WaitFor(HANDLE process, const std::string& fallbackName, const TWaitHooks& hooks) {
    TLaunchResult result;
    result.Program = ProgramName(process, fallbackName);
    if (hooks.Started)
        hooks.Started(result.Program);
    const TBreathe& breathe = hooks.Breathe;
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

bool CanCaptureProgramOutput() {
    return false; // the shell starts the program; its output is its own
}

TLaunchResult ShellOpenAndWait(const std::string& file, const std::string& parameters,
                               const std::string& folder, const TWaitHooks& hooks) {
    TLaunchResult result;
    const char* compiler = std::getenv(kCompilerEnvVar);
    if (IsScript(file) && compiler && *compiler) {
        std::string line = std::string(compiler) + " \"" + file + "\"";
        if (!parameters.empty())
            line += " " + parameters;
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi = {};
        // What the program prints goes with our diagnostics, never into our own output: it gets our
        // stderr for both of its streams, through an inheritable copy made for it alone.
        HANDLE errCopy = nullptr;
        const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
        if (err && err != INVALID_HANDLE_VALUE &&
            DuplicateHandle(GetCurrentProcess(), err, GetCurrentProcess(), &errCopy, 0, TRUE,
                            DUPLICATE_SAME_ACCESS)) {
            si.dwFlags |= STARTF_USESTDHANDLES;
            si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
            si.hStdOutput = errCopy;
            si.hStdError = errCopy;
        }
        const BOOL started = CreateProcessA(nullptr, &line[0], nullptr, nullptr, errCopy ? TRUE : FALSE, 0,
                                            nullptr, folder.empty() ? nullptr : folder.c_str(), &si, &pi);
        const DWORD startError = GetLastError();
        if (errCopy)
            CloseHandle(errCopy);
        if (!started) {
            result.Error = "the command \"" + std::string(compiler) + "\" (" + kCompilerEnvVar +
                           ") could not be run: " + WinErrorText(startError);
            return result;
        }
        CloseHandle(pi.hThread);
        return WaitFor(pi.hProcess, ExtractFileName(compiler), hooks);
    }

    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = GetDesktopWindow();
    info.lpVerb = nullptr;
    info.lpFile = file.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.lpDirectory = folder.empty() ? nullptr : folder.c_str(); // none: the current folder
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExA(&info)) {
        result.Error = WinErrorText(ShellErrorCode(info));
        return result;
    }
    if (!info.hProcess) {
        // The shell handed the file to a program that was already running: nothing to wait for.
        result.Status = TLaunchStatus::NoProcess;
        return result;
    }
    return WaitFor(info.hProcess, ExtractFileName(file), hooks);
}

} // namespace tv
