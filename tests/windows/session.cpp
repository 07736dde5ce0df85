// Drives the installed program as a Windows user would, through the window
// manager's own calls: start it, ask for a reading after the empty-name
// message, start it again (by its name in capitals and its short path too), open About, Exit,
// close the exit screen. Prints what it saw; exits 1 at the first
// thing that is wrong. With a folder as its last argument it saves each window there as a bitmap. Usage:
// session.exe <program.exe> <main title> <message title>
//            <main client width> <main client height> (twips) [folder]
// or, to run a batch script while the program runs:
// session.exe --running <program.exe> <main title> <script.bat>
// or, to wait up to a time for a file or folder to go (status 1 if it stays):
// session.exe --gone <path> <seconds>
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

std::wstring g_shots;

[[noreturn]] void fail(const char* what)
{
    std::printf("session: %s\n", what);
    std::fflush(stdout);
    std::exit(1);
}

std::wstring titleOf(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// The visible top-level windows of one process (or of every process).
std::vector<HWND> windowsOf(DWORD process, const std::wstring* title = nullptr)
{
    struct Query {
        DWORD process;
        const std::wstring* title;
        std::vector<HWND> found;
    } query{process, title, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& q = *reinterpret_cast<Query*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (IsWindowVisible(window) && (q.process == 0 || owner == q.process)
                && (q.title == nullptr || titleOf(window) == *q.title))
                q.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&query));
    return query.found;
}

// Polls a condition every 50 ms for up to `seconds`.
template<typename Condition> bool waitFor(Condition condition, int seconds)
{
    for (DWORD start = GetTickCount(); GetTickCount() - start < DWORD(seconds) * 1000; Sleep(50))
        if (condition())
            return true;
    return condition();
}

PROCESS_INFORMATION start(const std::wstring& program)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring line = L"\"" + program + L"\"";
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
        fail("the program could not be started");
    return info;
}

HWND waitWindow(DWORD process, const std::wstring& title, HWND other, int seconds)
{
    HWND found = nullptr;
    waitFor(
        [&] {
            for (HWND window : windowsOf(process, &title))
                if (window != other)
                    found = window;
            return found != nullptr;
        },
        seconds);
    return found;
}

// Presses keys, as a user types: into `window`, made the foreground window
// first, or else wherever the keyboard is (an open menu).
void press(HWND window, std::initializer_list<WORD> keys)
{
    if (window) {
        SetForegroundWindow(window);
        if (!waitFor([&] { return GetForegroundWindow() == window; }, 10))
            fail("a window could not be brought to the front");
    }
    std::vector<INPUT> inputs;
    for (WORD key : keys)
        inputs.push_back({INPUT_KEYBOARD, {.ki = {key, 0, 0, 0, 0}}});
    for (auto key = keys.end(); key != keys.begin();)
        inputs.push_back({INPUT_KEYBOARD, {.ki = {*--key, 0, KEYEVENTF_KEYUP, 0, 0}}});
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Opens a menu of the main window by its access key, picks a command by its
// own, and returns the window that command showed under the program's title.
// On a loaded machine a key can come before the window takes keys: like a
// user, it closes whatever opened and tries again, three times at most.
HWND fromMenu(DWORD process, HWND main, const std::wstring& title, WORD menu, WORD command)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::vector<HWND> before = windowsOf(process);
        press(main, {VK_MENU, menu});
        // The open menu is a window of its own, new since the keys.
        const auto opened = [&] {
            for (HWND window : windowsOf(process))
                if (std::find(before.begin(), before.end(), window) == before.end())
                    return true;
            return false;
        };
        if (waitFor(opened, 10)) {
            press(nullptr, {command});
            if (HWND shown = waitWindow(process, title, main, 20))
                return shown;
        }
        press(main, {VK_ESCAPE});
        press(main, {VK_ESCAPE});
    }
    return nullptr;
}

SIZE clientSize(HWND window)
{
    RECT rect{};
    GetClientRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// The window as it stands on the screen, as a 24-bit bitmap.
void shoot(HWND window, const wchar_t* name)
{
    if (g_shots.empty())
        return;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(300); // no state to poll for: the window's own painting reaches the screen
    // Its client area: without a window manager nothing draws Wine's frames.
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    const DWORD stride = (DWORD(width) * 3 + 3) & ~3u, size = stride * DWORD(height);
    BITMAPFILEHEADER file{0x4D42, DWORD(sizeof file + sizeof info.bmiHeader + size), 0, 0,
                          DWORD(sizeof file + sizeof info.bmiHeader)};
    // Named as the Linux screenshots are: "about.png", "about-1.5x.png".
    wchar_t scale[16] = L"";
    if (const int dpi = GetDeviceCaps(screen, LOGPIXELSX); dpi != 96)
        swprintf(scale, 16, L"-%gx", dpi / 96.0);
    const std::wstring path = g_shots + L"\\" + name + scale + L".bmp";
    if (FILE* out = _wfopen(path.c_str(), L"wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
        std::fwrite(bits, 1, size, out);
        std::fclose(out);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

// Whether any pixel of a rectangle of the window's client area, as it
// stands on the screen, is the pure blue of the reading's numbers.
bool showsBlue(HWND window, RECT area)
{
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
    HDC screen = GetDC(nullptr);
    bool found = false;
    for (LONG y = area.top; y < area.bottom && !found; ++y) {
        for (LONG x = area.left; x < area.right && !found; ++x) {
            const COLORREF c = GetPixel(screen, x, y);
            found = GetBValue(c) > 200 && GetRValue(c) < 60 && GetGValue(c) < 60;
        }
    }
    ReleaseDC(nullptr, screen);
    return found;
}

DWORD waitEnd(const PROCESS_INFORMATION& process, int seconds)
{
    DWORD status = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, DWORD(seconds) * 1000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &status);
    return status;
}

// Runs a batch script while the program runs with its main window up, then
// ends the program and waits until it has gone.
int whileRunning(const std::wstring& program, const std::wstring& mainTitle, const std::wstring& script)
{
    const PROCESS_INFORMATION running = start(program);
    if (!waitWindow(running.dwProcessId, mainTitle, nullptr, 90))
        fail("no main window");
    std::fflush(stdout);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION steps{};
    std::wstring line = L"cmd /c \"" + script + L"\"";
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &steps))
        fail("the script could not be started");
    WaitForSingleObject(steps.hProcess, INFINITE);
    TerminateProcess(running.hProcess, 0);
    if (waitEnd(running, 30) == STILL_ACTIVE)
        fail("the program did not end");
    return 0;
}

} // namespace

int main()
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc == 5 && std::wstring(argv[1]) == L"--running")
        return whileRunning(argv[2], argv[3], argv[4]);
    if (argc == 4 && std::wstring(argv[1]) == L"--gone")
        return waitFor([&] { return GetFileAttributesW(argv[2]) == INVALID_FILE_ATTRIBUTES; }, _wtoi(argv[3]))
            ? 0
            : 1;
    if (argc < 6)
        fail("usage: session.exe program main-title message-title client-width client-height [folder]");
    const std::wstring program = argv[1], mainTitle = argv[2], messageTitle = argv[3];
    if (argc > 6)
        g_shots = argv[6];
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    const LONG width = MulDiv(_wtoi(argv[4]), dpi, 1440), height = MulDiv(_wtoi(argv[5]), dpi, 1440);

    // 1. The main window, with its designed client area below Qt's own menu
    // bar, which Windows counts as client area too.
    const PROCESS_INFORMATION first = start(program);
    HWND main = waitWindow(first.dwProcessId, mainTitle, nullptr, 90);
    if (!main)
        fail("no main window");
    const SIZE client = clientSize(main);
    std::printf("session: main window client %ldx%ld at %d dpi\n", client.cx, client.cy, dpi);
    if (client.cx != width || client.cy <= height || client.cy > height + height / 10)
        fail("the main window's client area is not the designed size");
    shoot(main, L"main-input");
    // Where things lie in the client area, in twips of the design, below
    // Qt's menu bar.
    const LONG menuBar = client.cy - height;
    // The Character Number, on the results page, where the input page shows
    // no blue.
    const RECT number{MulDiv(2220, dpi, 1440), menuBar + MulDiv(765, dpi, 1440), MulDiv(2550, dpi, 1440),
                      menuBar + MulDiv(1035, dpi, 1440)};

    // A name refused while empty, then typed: the Enter after the message
    // asks for the reading as any other. Three times over, Back between.
    for (int attempt = 0; attempt < 3; ++attempt) {
        press(main, {VK_RETURN});
        HWND refused = waitWindow(first.dwProcessId, messageTitle, nullptr, 20);
        if (!refused)
            fail("Enter on an empty name showed no message");
        press(refused, {VK_RETURN});
        if (!waitFor([&] { return !IsWindowVisible(refused); }, 20))
            fail("Enter did not close the message");
        for (WORD letter : {'J', 'O', 'H', 'N'})
            press(main, {letter});
        press(main, {VK_RETURN});
        if (!waitFor([&] { return showsBlue(main, number); }, 20))
            fail("the Enter after the empty-name message showed no reading");
        if (attempt == 0)
            shoot(main, L"main-results");
        press(main, {VK_MENU, 'B'});
        if (!waitFor([&] { return !showsBlue(main, number); }, 20))
            fail("Back did not go back to the input page");
    }
    std::printf("session: Enter after the empty-name message read the name, 3 times of 3\n");

    // 2. A second start: one message, then it leaves the first alone. Again
    // by the name in capitals and by its short (8.3) path, which Windows
    // takes for the same program.
    std::wstring shouted = program, shortened(MAX_PATH, L'\0');
    CharUpperBuffW(shouted.data(), DWORD(shouted.size()));
    shortened.resize(GetShortPathNameW(program.c_str(), shortened.data(), MAX_PATH));
    if (shortened.empty() || shortened == program)
        fail("the program has no short path to start it by");
    for (const std::wstring& again : {program, shouted, shortened}) {
        const PROCESS_INFORMATION second = start(again);
        HWND message = nullptr;
        // A main window instead fails at once.
        waitFor(
            [&] {
                message = waitWindow(second.dwProcessId, messageTitle, nullptr, 0);
                return message || !windowsOf(second.dwProcessId, &mainTitle).empty();
            },
            60);
        if (!windowsOf(second.dwProcessId, &mainTitle).empty() || windowsOf(0, &mainTitle).size() != 1)
            fail("a second start showed a main window");
        if (!message)
            fail("a second start showed no message");
        press(message, {VK_RETURN});
        const DWORD refused = waitEnd(second, 20);
        if (refused != 0)
            fail(refused == STILL_ACTIVE ? "the second start did not end"
                                         : "the second start ended with an error");
        if (WaitForSingleObject(first.hProcess, 0) != WAIT_TIMEOUT)
            fail("the first copy ended");
    }
    std::printf("session: a second start was refused with a message, by its name in any case and by its "
                "short path\n");

    // 3. About, from the Help menu.
    HWND about = fromMenu(first.dwProcessId, main, mainTitle, 'H', 'A');
    if (!about)
        fail("About did not open from the Help menu");
    shoot(about, L"about");
    press(about, {VK_ESCAPE});
    if (!waitFor([&] { return !IsWindowVisible(about); }, 20))
        fail("Escape did not close About");

    // 4. Exit, from the File menu: the exit screen, then the end.
    HWND exitScreen = fromMenu(first.dwProcessId, main, mainTitle, 'F', 'X');
    // The exit screen may show a moment before the main window goes.
    if (!exitScreen || !waitFor([&] { return !IsWindowVisible(main); }, 20))
        fail("Exit showed no exit screen");
    std::printf("session: Exit showed the exit screen\n");
    shoot(exitScreen, L"exit-screen");
    PostMessageW(exitScreen, WM_CLOSE, 0, 0);
    const DWORD status = waitEnd(first, 30);
    if (status != 0)
        fail(status == STILL_ACTIVE ? "closing the exit screen did not end the program"
                                    : "the program ended with an error");
    std::printf("session: closing the exit screen ended the program\n");
    return 0;
}
