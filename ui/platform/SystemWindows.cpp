// The Windows side of the Qt platform. The program's hidden top-level window, of the fixed class
// ProgramWindowClass, is how other programs of this user reach a running copy: the installer and
// the uninstaller find it with FindWindow and send it WM_CLOSE, which ends the program as logging
// out does; a second copy started with a reading file sends it the file's path in WM_COPYDATA.

#include "SessionSignals.h"
#include "SingleInstanceLock.h"
#include "System.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <string>

#include <shobjidl.h>
#include <windows.h>

namespace kinmatch {
namespace {

// Marks a WM_COPYDATA that carries a reading file's path (UTF-16, without a terminator).
constexpr ULONG_PTR HandedFileMark = 0x4b4d4631;
constexpr DWORD MaxPathBytes = 64 * 1024;
// How long a later copy waits for the running one: it answers at once, unless it hangs.
constexpr UINT AnswerMilliseconds = 5000;

struct ProgramWindow {
    HWND window = nullptr;
    QPointer<QObject> endContext;
    std::function<void()> endProgram;
    std::function<void(const QString&)> receiver;
};

ProgramWindow& TheProgramWindow()
{
    static ProgramWindow program;
    return program;
}

LRESULT CALLBACK ProgramWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    ProgramWindow& program = TheProgramWindow();
    switch (message) {
    case WM_CLOSE:
        // On the event loop, so that the sender's SendMessage returns at once and the windows
        // close as they do for any other way out; the window itself stays until the end.
        if (program.endProgram && program.endContext)
            QTimer::singleShot(0, program.endContext, program.endProgram);
        return 0;
    case WM_COPYDATA: {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (!program.receiver || !data || data->dwData != HandedFileMark || data->cbData == 0 ||
            data->cbData % sizeof(wchar_t) != 0 || data->cbData > MaxPathBytes)
            return FALSE;
        const QString path = QDir::fromNativeSeparators(QString::fromWCharArray(
            static_cast<const wchar_t*>(data->lpData), data->cbData / sizeof(wchar_t)));
        QTimer::singleShot(0, QCoreApplication::instance(),
                           [receiver = program.receiver, path] { receiver(path); });
        return TRUE;
    }
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Top-level, since FindWindow does not see message-only windows, and never shown.
HWND EnsureProgramWindow()
{
    ProgramWindow& program = TheProgramWindow();
    if (!program.window) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = ProgramWindowProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = ProgramWindowClass;
        RegisterClassW(&windowClass);
        program.window = CreateWindowExW(0, ProgramWindowClass, L"", WS_OVERLAPPED, 0, 0, 0, 0,
                                         nullptr, nullptr, windowClass.hInstance, nullptr);
    }
    return program.window;
}

// Releases a COM interface when it goes out of scope.
template <typename Interface> struct Released {
    Interface* pointer = nullptr;
    ~Released()
    {
        if (pointer)
            pointer->Release();
    }
    Interface* operator->() const { return pointer; }
};

} // namespace

void EndOnSessionSignals(QObject* context, std::function<void()> endProgram)
{
    ProgramWindow& program = TheProgramWindow();
    program.endContext = context;
    program.endProgram = std::move(endProgram);
    EnsureProgramWindow();
}

void ReceiveHandedFiles(const SingleInstanceLock&,
                        std::function<void(const QString& path)> receiver)
{
    TheProgramWindow().receiver = std::move(receiver);
    EnsureProgramWindow();
}

bool HandToRunningCopy(const SingleInstanceLock&, const QString& path)
{
    const std::wstring text = QDir::toNativeSeparators(path).toStdWString();
    COPYDATASTRUCT data{HandedFileMark, static_cast<DWORD>(text.size() * sizeof(wchar_t)),
                        const_cast<wchar_t*>(text.data())};
    // Every copy has the window, this one too, and a copy that shows only the message that it
    // is not the first takes no file: the one that answers is the one that runs.
    for (HWND window = nullptr;
         (window = FindWindowExW(nullptr, window, ProgramWindowClass, nullptr)) != nullptr;) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId())
            continue;
        // Windows lets only the program in the foreground (this one, just started by the user)
        // bring another to the front: the right is handed on.
        AllowSetForegroundWindow(process);
        DWORD_PTR answer = FALSE;
        if (SendMessageTimeoutW(window, WM_COPYDATA,
                                reinterpret_cast<WPARAM>(TheProgramWindow().window),
                                reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG | SMTO_BLOCK,
                                AnswerMilliseconds, &answer) != 0 &&
            answer == TRUE)
            return true;
    }
    return false;
}

std::optional<QString> ChooseFile(const FileDialogRequest& request, bool saving,
                                  const QString& folder, QWidget* parent)
{
    // Offscreen (the tests) and any other Qt platform have no common dialog to show.
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return ChooseFileWithQt(request, saving, folder, parent);
    // Qt has set COM up on this thread already; this only balances the count.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const auto result = [&]() -> std::optional<QString> {
        Released<IFileDialog> dialog;
        if (FAILED(CoCreateInstance(saving ? CLSID_FileSaveDialog : CLSID_FileOpenDialog, nullptr,
                                    CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&dialog.pointer))))
            return ChooseFileWithQt(request, saving, folder, parent);
        FILEOPENDIALOGOPTIONS options = 0;
        dialog->GetOptions(&options);
        // The checks and the question before a file is replaced are the caller's, alike on every
        // system; the working folder stays as it is.
        options &= ~static_cast<FILEOPENDIALOGOPTIONS>(FOS_OVERWRITEPROMPT | FOS_FILEMUSTEXIST |
                                                       FOS_PATHMUSTEXIST);
        dialog->SetOptions(options | FOS_FORCEFILESYSTEM | FOS_NOCHANGEDIR | FOS_NOREADONLYRETURN);
        dialog->SetTitle(reinterpret_cast<const wchar_t*>(request.title.utf16()));
        // "Mayan Astrology (*.man)": the name as shown, the pattern between the parentheses.
        const QString pattern = request.filter.section(QLatin1Char('('), -1).chopped(1);
        const COMDLG_FILTERSPEC type{reinterpret_cast<const wchar_t*>(request.filter.utf16()),
                                     reinterpret_cast<const wchar_t*>(pattern.utf16())};
        dialog->SetFileTypes(1, &type);
        if (saving && !request.defaultSuffix.isEmpty())
            dialog->SetDefaultExtension(
                reinterpret_cast<const wchar_t*>(request.defaultSuffix.utf16()));
        Released<IShellItem> start;
        const QString nativeFolder = QDir::toNativeSeparators(folder);
        if (SUCCEEDED(
                SHCreateItemFromParsingName(reinterpret_cast<const wchar_t*>(nativeFolder.utf16()),
                                            nullptr, IID_PPV_ARGS(&start.pointer))))
            dialog->SetFolder(start.pointer);
        const HWND owner = parent ? reinterpret_cast<HWND>(parent->window()->winId()) : nullptr;
        if (dialog->Show(owner) != S_OK)
            return std::nullopt;
        Released<IShellItem> chosen;
        wchar_t* name = nullptr;
        if (FAILED(dialog->GetResult(&chosen.pointer)) ||
            FAILED(chosen->GetDisplayName(SIGDN_FILESYSPATH, &name)))
            return std::nullopt;
        const QString path = QDir::fromNativeSeparators(QString::fromWCharArray(name));
        CoTaskMemFree(name);
        return path;
    }();
    if (SUCCEEDED(com))
        CoUninitialize();
    return result;
}

} // namespace kinmatch
