// Looks at the program's windows from the Windows side, for the end-to-end
// tests under Wine: what X tools cannot tell (a message box's icon, the
// topmost flag, client sizes) and what only Windows can send (a close box's
// WM_CLOSE, a click on a system box's button). A plain Windows program,
// started next to the program under the same Wine.
//
//   kivo_wine_probe [-n] box CAPTION       waits for a system message box;
//                                          prints boxes=, text=, buttons=
//                                          and icon=X,Y,W,H, where its icon
//                                          lies on the screen
//   kivo_wine_probe press CAPTION BUTTON   clicks a button of that box
//   kivo_wine_probe [-n] windows CAPTION   waits for windows so captioned;
//                                          prints one line per window:
//                                          pid=, client=WxH, origin=X,Y
//                                          (the client area's on the
//                                          screen), topmost=0|1
//   kivo_wine_probe close CAPTION WxH      sends WM_CLOSE to the window of
//                                          that caption and client size
//   kivo_wine_probe file PATH              prints a program file's version=,
//                                          product=, company=, description=,
//                                          copyright= and icons= (how many)
//   kivo_wine_probe manifest PATH          prints the manifest a program
//                                          file embeds for its process
//   kivo_wine_probe [-n] controls CAPTION  waits for a dialog window whose
//                                          caption starts so (an installer's
//                                          pages add to it); prints
//                                          each visible control in it: its
//                                          class, place on the screen (X,Y,
//                                          W,H) and text, tab-separated,
//                                          the text with \r\n as \n
//   kivo_wine_probe run COMMAND-LINE       runs a command line as Windows
//                                          does (an uninstall string, say);
//                                          ends with its exit status
//   kivo_wine_probe squat                  takes the name of the program's
//                                          instance mutex first, as another
//                                          user could: a mutex owned by
//                                          someone else and open to all;
//                                          holds it until killed
//   kivo_wine_probe cover X Y W H          shows a topmost window at that place
//                                          of the screen and brings it to the
//                                          front; prints "covering", then
//                                          keeps it until killed
//   kivo_wine_probe foreground             prints the caption and client=WxH
//                                          of the window in front
//   kivo_wine_probe at X Y                 prints the caption and class= of
//                                          the top-level window that is
//                                          uppermost at that screen point
//   kivo_wine_probe hold                   keeps a hidden window until it
//                                          is killed, and so Wine's desktop
//                                          (explorer.exe): when that ends
//                                          between two programs, the next
//                                          one can hang waiting for it
//
// Waits up to 20 seconds, with -n not at all; exit status 1 when nothing was
// found.

#include <windows.h>
// after windows.h, which they build on
#include <sddl.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

DWORD g_waitMs = 20000;

// The text the system keeps for a window: for another process's window it
// is read without sending a message, so a busy program cannot stall us.
std::wstring windowText(HWND window) {
    wchar_t buffer[1024] = {};
    ::GetWindowTextW(window, buffer, 1024);
    return buffer;
}

std::wstring classOf(HWND window) {
    wchar_t buffer[256] = {};
    ::GetClassNameW(window, buffer, 256);
    return buffer;
}

std::string utf8(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr,
                                           0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), result.data(), size,
                          nullptr, nullptr);
    return result;
}

std::wstring wide(const char* text) {
    const int size = ::MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text, -1, result.data(), size);
    result.resize(static_cast<std::size_t>(size > 0 ? size - 1 : 0));
    return result;
}

struct Search {
    std::wstring caption;
    bool dialogs;  // system message boxes, or every other window
    std::vector<HWND> found;
    bool prefix = false;  // captions that start with the caption
};

BOOL CALLBACK collect(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    const std::wstring text = windowText(window);
    const bool named = search->prefix ? text.starts_with(search->caption) : text == search->caption;
    if (::IsWindowVisible(window) && named && (classOf(window) == L"#32770") == search->dialogs) {
        search->found.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> waitFor(const std::wstring& caption, bool dialogs, bool prefix = false) {
    const ULONGLONG deadline = ::GetTickCount64() + g_waitMs;
    for (;;) {
        Search search{caption, dialogs, {}, prefix};
        ::EnumWindows(collect, reinterpret_cast<LPARAM>(&search));
        if (!search.found.empty() || ::GetTickCount64() > deadline) {
            return search.found;
        }
        ::Sleep(100);
    }
}

std::vector<HWND> childrenOf(HWND parent, const wchar_t* className) {
    std::vector<HWND> children;
    for (HWND child = ::FindWindowExW(parent, nullptr, className, nullptr); child != nullptr;
         child = ::FindWindowExW(parent, child, className, nullptr)) {
        if (::IsWindowVisible(child)) {
            children.push_back(child);
        }
    }
    return children;
}

// Where a message box's icon lies on the screen: its static control of the
// icon kind. Which icon it is, the caller tells from its colours; icon
// handles mean nothing outside the process that loaded them.
std::string iconPlace(HWND box) {
    for (HWND child : childrenOf(box, L"Static")) {
        if ((::GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            RECT place{};
            ::GetWindowRect(child, &place);
            return std::to_string(place.left) + "," + std::to_string(place.top) + "," +
                   std::to_string(place.right - place.left) + "," + std::to_string(place.bottom - place.top);
        }
    }
    return "none";
}

SIZE clientSize(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    return {client.right - client.left, client.bottom - client.top};
}

int printBox(const std::wstring& caption) {
    const std::vector<HWND> boxes = waitFor(caption, true);
    if (boxes.empty()) {
        std::printf("no message box captioned \"%s\"\n", utf8(caption).c_str());
        return 1;
    }
    std::wstring text;
    for (HWND child : childrenOf(boxes.front(), L"Static")) {
        text += windowText(child);
    }
    std::wstring buttons;
    for (HWND button : childrenOf(boxes.front(), L"Button")) {
        buttons += (buttons.empty() ? L"" : L",") + windowText(button);
    }
    std::printf("boxes=%zu\ntext=%s\nicon=%s\nbuttons=%s\n", boxes.size(), utf8(text).c_str(),
                iconPlace(boxes.front()).c_str(), utf8(buttons).c_str());
    return 0;
}

int pressButton(const std::wstring& caption, const std::wstring& label) {
    const std::vector<HWND> boxes = waitFor(caption, true);
    for (HWND box : boxes) {
        for (HWND button : childrenOf(box, L"Button")) {
            if (windowText(button) == label) {
                ::PostMessageW(button, BM_CLICK, 0, 0);
                std::printf("pressed\n");
                return 0;
            }
        }
    }
    std::printf("no button \"%s\"\n", utf8(label).c_str());
    return 1;
}

int printWindows(const std::wstring& caption) {
    const std::vector<HWND> windows = waitFor(caption, false);
    for (HWND window : windows) {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(window, &pid);
        const SIZE size = clientSize(window);
        POINT origin{0, 0};
        ::ClientToScreen(window, &origin);
        const bool topmost = (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        std::printf("pid=%lu client=%ldx%ld origin=%ld,%ld topmost=%d\n", pid, size.cx, size.cy, origin.x,
                    origin.y, topmost ? 1 : 0);
    }
    return windows.empty() ? 1 : 0;
}

int closeWindow(const std::wstring& caption, const std::string& size) {
    for (HWND window : waitFor(caption, false)) {
        const SIZE client = clientSize(window);
        if (std::to_string(client.cx) + "x" + std::to_string(client.cy) == size) {
            ::PostMessageW(window, WM_CLOSE, 0, 0);
            std::printf("closed\n");
            return 0;
        }
    }
    std::printf("no window \"%s\" of %s\n", utf8(caption).c_str(), size.c_str());
    return 1;
}

int printFileVersion(const std::wstring& path) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
    std::vector<BYTE> info(size);
    if (size == 0 || !::GetFileVersionInfoW(path.c_str(), 0, size, info.data())) {
        std::printf("no version resource in %s\n", utf8(path).c_str());
        return 1;
    }
    // The strings of the file's first language and code page (programs of
    // ours: 040904B0; NSIS installers: 040904E4).
    wchar_t block[16] = L"040904B0";
    LPVOID translation = nullptr;
    UINT translationSize = 0;
    if (::VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", &translation, &translationSize) &&
        translationSize >= 4) {
        const auto* pair = static_cast<const WORD*>(translation);
        std::swprintf(block, 16, L"%04X%04X", pair[0], pair[1]);
    }
    auto value = [&](const wchar_t* name) {
        const std::wstring key = std::wstring(L"\\StringFileInfo\\") + block + L"\\" + name;
        LPVOID text = nullptr;
        UINT length = 0;
        return ::VerQueryValueW(info.data(), key.c_str(), &text, &length) && length > 0
                   ? utf8(static_cast<const wchar_t*>(text))
                   : std::string();
    };
    const UINT icons = ::ExtractIconExW(path.c_str(), -1, nullptr, nullptr, 0);
    std::printf("version=%s\nproduct=%s\ncompany=%s\ndescription=%s\ncopyright=%s\nicons=%u\n",
                value(L"FileVersion").c_str(), value(L"ProductName").c_str(), value(L"CompanyName").c_str(),
                value(L"FileDescription").c_str(), value(L"LegalCopyright").c_str(), icons);
    return 0;
}

int printManifest(const std::wstring& path) {
    HMODULE module =
        ::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    HRSRC found =
        module != nullptr ? ::FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)) : nullptr;
    if (found == nullptr) {
        std::printf("no manifest in %s\n", utf8(path).c_str());
        return 1;
    }
    const auto* data = static_cast<const char*>(::LockResource(::LoadResource(module, found)));
    std::fwrite(data, 1, ::SizeofResource(module, found), stdout);
    return 0;
}

// The text of a control of another process: GetWindowText reads only
// captions there, WM_GETTEXT any control's text.
std::wstring controlText(HWND control) {
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
        return {};
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                          SMTO_ABORTIFHUNG, 2000, &copied);
    text.resize(copied);
    std::wstring flat;  // one line: \r dropped, \n written out, tabs as spaces
    for (wchar_t c : text) {
        flat += c == L'\n' ? L"\\n" : c == L'\t' ? L" " : c == L'\r' ? L"" : std::wstring(1, c);
    }
    return flat;
}

BOOL CALLBACK printControl(HWND control, LPARAM) {
    if (::IsWindowVisible(control)) {
        RECT place{};
        ::GetWindowRect(control, &place);
        std::printf("%s\t%ld,%ld,%ld,%ld\t%s\n", utf8(classOf(control)).c_str(), place.left, place.top,
                    place.right - place.left, place.bottom - place.top, utf8(controlText(control)).c_str());
    }
    return TRUE;
}

int printControls(const std::wstring& caption) {
    const std::vector<HWND> windows = waitFor(caption, true, true);
    if (windows.empty()) {
        std::printf("no window \"%s\"\n", utf8(caption).c_str());
        return 1;
    }
    // An installer's window holds its page as an inner dialog; a message box
    // of the same caption does not.
    for (HWND window : windows) {
        if (::FindWindowExW(window, nullptr, L"#32770", nullptr) != nullptr) {
            ::EnumChildWindows(window, printControl, 0);
            return 0;
        }
    }
    ::EnumChildWindows(windows.front(), printControl, 0);
    return 0;
}

int runCommand(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        std::printf("could not run %s\n", utf8(commandLine).c_str());
        return 255;
    }
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 255;
    ::GetExitCodeProcess(process.hProcess, &status);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return static_cast<int>(status);
}

// The user's security id as text, as the program names its mutex after it.
std::wstring userSid() {
    HANDLE token = nullptr;
    ::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token);
    DWORD size = 0;
    ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> user(size);
    LPWSTR text = nullptr;
    std::wstring sid;
    if (size > 0 && ::GetTokenInformation(token, TokenUser, user.data(), size, &size) &&
        ::ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, &text)) {
        sid = text;
        ::LocalFree(text);
    }
    ::CloseHandle(token);
    return sid;
}

int squat() {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    // Owner: a user id that is not ours; everyone may open it.
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(L"O:S-1-5-21-0-0-0-4242D:(A;;GA;;;WD)",
                                                                SDDL_REVISION_1, &descriptor, nullptr)) {
        return 1;
    }
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
    const std::wstring name = L"Local\\KivoLoveNumerology-" + userSid();
    HANDLE mutex = ::CreateMutexW(&attributes, FALSE, name.c_str());
    if (mutex == nullptr || ::GetLastError() == ERROR_ALREADY_EXISTS) {
        std::printf("could not take %s first\n", utf8(name).c_str());
        return 1;
    }
    std::printf("squatting %s\n", utf8(name).c_str());
    std::fflush(stdout);
    ::Sleep(INFINITE);
    return 0;
}

// Says `word` once the window exists, then keeps it until the probe is ended.
int keepWindow(HWND window, const char* word) {
    if (window == nullptr) {
        return 1;
    }
    std::printf("%s\n", word);
    std::fflush(stdout);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::DispatchMessageW(&message);
    }
    return 0;
}

int cover(int x, int y, int width, int height) {
    HWND window = ::CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"kivo_wine_probe cover",
                                    WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, x, y, width, height, nullptr,
                                    nullptr, nullptr, nullptr);
    if (window != nullptr) {
        ::SetForegroundWindow(window);
    }
    return keepWindow(window, "covering");
}

int printForeground() {
    HWND window = ::GetForegroundWindow();
    if (window == nullptr) {
        std::printf("none\n");
        return 1;
    }
    const SIZE size = clientSize(window);
    std::printf("caption=%s\nclient=%ldx%ld\n", utf8(windowText(window)).c_str(), size.cx, size.cy);
    return 0;
}

int printWindowAt(int x, int y) {
    HWND window = ::GetAncestor(::WindowFromPoint(POINT{x, y}), GA_ROOT);
    if (window == nullptr) {
        std::printf("none\n");
        return 1;
    }
    std::printf("caption=%s\nclass=%s\n", utf8(windowText(window)).c_str(), utf8(classOf(window)).c_str());
    return 0;
}

int hold() {
    return keepWindow(::CreateWindowExW(0, L"STATIC", L"kivo_wine_probe hold", 0, 0, 0, 1, 1, nullptr,
                                        nullptr, nullptr, nullptr),
                      "holding");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && std::string(argv[1]) == "-n") {
        g_waitMs = 0;
        --argc;
        ++argv;
    }
    const std::string command = argc > 1 ? argv[1] : "";
    int status = 2;
    if (command == "box" && argc == 3) {
        status = printBox(wide(argv[2]));
    } else if (command == "press" && argc == 4) {
        status = pressButton(wide(argv[2]), wide(argv[3]));
    } else if (command == "windows" && argc == 3) {
        status = printWindows(wide(argv[2]));
    } else if (command == "close" && argc == 4) {
        status = closeWindow(wide(argv[2]), argv[3]);
    } else if (command == "file" && argc == 3) {
        status = printFileVersion(wide(argv[2]));
    } else if (command == "manifest" && argc == 3) {
        status = printManifest(wide(argv[2]));
    } else if (command == "controls" && argc == 3) {
        status = printControls(wide(argv[2]));
    } else if (command == "run" && argc == 3) {
        status = runCommand(wide(argv[2]));
    } else if (command == "cover" && argc == 6) {
        status = cover(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]));
    } else if (command == "foreground" && argc == 2) {
        status = printForeground();
    } else if (command == "at" && argc == 4) {
        status = printWindowAt(std::atoi(argv[2]), std::atoi(argv[3]));
    } else if (command == "hold" && argc == 2) {
        status = hold();
    } else if (command == "squat" && argc == 2) {
        status = squat();
    } else {
        std::printf(
            "usage: kivo_wine_probe [-n] box|press|windows|close|file|manifest|controls|run|squat|at|hold ...\n");
    }
    std::fflush(stdout);
    return status;
}
