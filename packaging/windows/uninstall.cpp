// Kinmatch's uninstall.exe: runs the NSIS uninstaller (uninstall-steps.exe, beside it) and
// returns only once the uninstallation is done, with its status, leaving nothing behind.
//
// Why a program of its own: an NSIS uninstaller started as it is copies itself into a folder
// ~nsuX.tmp of the temporary folder, starts that copy and returns at once, so that a caller of
// "uninstall.exe /S" cannot wait for the end, and the copy and its folder stay. NSIS can run an
// uninstaller in place with _?=FOLDER, and then waits, but a running program's file cannot be
// deleted on Windows, so the uninstaller could not remove itself. Here:
//   1. a private folder of this run is made in the user's temporary folder, and the NSIS
//      uninstaller is copied into it;
//   2. this program moves its own file there: Windows refuses to delete a running program's
//      file but lets it be renamed within its volume (the temporary folder and the installation
//      both lie in the user's profile);
//   3. the copy runs with _?=INSTALLATION (the arguments given, /S among them, passed on) and is
//      waited for; it removes the installation, where nothing of ours runs any more;
//   4. when it did not finish (cancelled, or a running Kinmatch that could not be closed), this
//      program moves itself back: the installation is whole again;
//   5. the copy is deleted, and the folder, with this program's own file in it, is removed by
//      the system's command interpreter once this program has ended (it waits for the end of
//      a pipe this program holds, then retries for a while).
// Statically linked, so that it needs nothing from the folder it leaves.

#include <windows.h>

#include <string>

namespace {

constexpr wchar_t StepsName[] = L"uninstall-steps.exe";
// The NSIS uninstaller's status when it could not start or finish.
constexpr DWORD Failed = 2;

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring OwnPath()
{
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path;
}

std::wstring FolderOf(const std::wstring& path)
{
    return path.substr(0, path.find_last_of(L'\\'));
}

// The arguments as given, after the program's own name (quoted or not).
std::wstring GivenArguments()
{
    const wchar_t* line = GetCommandLineW();
    if (*line == L'"') {
        for (++line; *line && *line != L'"'; ++line) {
        }
        if (*line)
            ++line;
    } else {
        while (*line && *line != L' ' && *line != L'\t')
            ++line;
    }
    return line;
}

std::wstring MakePrivateFolder()
{
    wchar_t temporary[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temporary);
    if (length == 0 || length > MAX_PATH)
        return {};
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::wstring folder = std::wstring(temporary) + L"kinmatch-uninstall-" +
                                    std::to_wstring(GetCurrentProcessId()) + L"-" +
                                    std::to_wstring(attempt);
        if (CreateDirectoryW(folder.c_str(), nullptr))
            return folder;
    }
    return {};
}

DWORD RunAndWait(const std::wstring& program, std::wstring command, const std::wstring& folder)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
        return Failed;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = Failed;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return status;
}

void DeleteWhenFree(const std::wstring& path)
{
    for (int attempt = 0; attempt < 50 && !DeleteFileW(path.c_str()) && Exists(path); ++attempt)
        Sleep(100);
}

// The folder goes once this program has ended: the command interpreter reads its standard input
// to the end, which comes when this program's end of the pipe closes with it, and then removes
// the folder, trying again for ten seconds as the system lets go of the program's file.
void RemoveAfterExit(const std::wstring& folder)
{
    if (RemoveDirectoryW(folder.c_str()))
        return;
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE reading = nullptr;
    HANDLE writing = nullptr;
    if (!CreatePipe(&reading, &writing, &inherited, 0))
        return;
    SetHandleInformation(writing, HANDLE_FLAG_INHERIT, 0);
    wchar_t system[MAX_PATH + 1];
    const UINT length = GetSystemDirectoryW(system, MAX_PATH + 1);
    const std::wstring interpreter = std::wstring(system, length) + L"\\cmd.exe";
    // "rd, and while the folder is there, a second's wait (ping) and rd again": each step after
    // an "if exist" runs only while the folder is there. No block in parentheses, which some
    // command interpreters (wine's) do not read within a loop.
    const std::wstring quoted = L"\"" + folder + L"\"";
    const std::wstring remove = L" & rd /s /q " + quoted + L" 2>nul";
    std::wstring command = L"cmd.exe /d /q /c \"set /p ended=" + remove;
    for (int attempt = 0; attempt < 10; ++attempt)
        command += L" & if exist " + quoted + L" ping -n 2 127.0.0.1 >nul" + remove;
    command += L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = reading;
    startup.hStdOutput = nullptr;
    startup.hStdError = nullptr;
    PROCESS_INFORMATION process{};
    const std::wstring outside = FolderOf(folder);
    if (CreateProcessW(interpreter.c_str(), command.data(), nullptr, nullptr, TRUE,
                       CREATE_NO_WINDOW | DETACHED_PROCESS, nullptr, outside.c_str(), &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(reading);
    // writing stays open until this program ends.
}

} // namespace

int wmain()
{
    const std::wstring self = OwnPath();
    const std::wstring installation = FolderOf(self);
    const std::wstring steps = installation + L"\\" + StepsName;
    if (!Exists(steps))
        return static_cast<int>(Failed);
    const std::wstring folder = MakePrivateFolder();
    if (folder.empty())
        return static_cast<int>(Failed);
    // Out of the installation, so that nothing holds it as the current folder.
    SetCurrentDirectoryW(folder.c_str());
    const std::wstring stepsCopy = folder + L"\\" + StepsName;
    if (!CopyFileW(steps.c_str(), stepsCopy.c_str(), TRUE)) {
        RemoveDirectoryW(folder.c_str());
        return static_cast<int>(Failed);
    }
    const std::wstring moved = folder + L"\\uninstall.exe";
    const bool movedOut = MoveFileExW(self.c_str(), moved.c_str(), 0) != 0;
    // _?= comes last, unquoted, as NSIS reads it.
    const DWORD status = RunAndWait(
        stepsCopy, L"\"" + stepsCopy + L"\"" + GivenArguments() + L" _?=" + installation, folder);
    if (status != 0 && movedOut && Exists(installation) && !Exists(self))
        MoveFileExW(moved.c_str(), self.c_str(), 0);
    DeleteWhenFree(stepsCopy);
    RemoveAfterExit(folder);
    return static_cast<int>(status);
}
