// What Windows itself knows of the game's windows and process, for the tests under Wine:
//
//   win32_window_probe frame TITLE     the frame of the visible top-level window of that title,
//                                      one word per line: the style bits that shape its title bar
//                                      and border and put it in the task bar, "owned" when it has
//                                      an owner ("owner-hidden" too when that owner is not
//                                      visible), and "alt-tab" and "task-bar" where the shell
//                                      would list it
//   win32_window_probe controls TITLE  the window's visible buttons, one a line: "button TEXT",
//                                      or "checkbox checked TEXT" / "checkbox unchecked TEXT"
//   win32_window_probe parent PROGRAM  "PID PARENT-PID PARENT-NAME" of the running PROGRAM
//                                      (e.g. kronesluk.exe); PARENT-NAME is "-" once the parent
//                                      has ended
//
// A TITLE that ends in "*" matches every title that begins with what stands before it.
// Exit status 1 when there is no such window or process.
// clang-format off
#include <windows.h>
#include <tlhelp32.h>  // after windows.h, whose types it uses
// clang-format on

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

// The tests read the output as UTF-8 whatever the code page of the prefix.
std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

struct Found {
    const wchar_t* title;
    HWND window;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM data) {
    auto* found = reinterpret_cast<Found*>(data);
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    const size_t length = std::wcslen(found->title);
    const bool prefix = length > 0 && found->title[length - 1] == L'*';
    const bool matches = prefix ? std::wcsncmp(text, found->title, length - 1) == 0
                                : std::wcscmp(text, found->title) == 0;
    if (IsWindowVisible(window) && matches) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

// The shell's rule: from the window's root owner down its chain of last active popups to the
// first visible window, which stands for them all; a tool window is never listed. A visible
// root owner stands for its popups; one that is not visible leaves its place to them.
bool InAltTab(HWND window) {
    HWND walk = GetAncestor(window, GA_ROOTOWNER);
    while (!IsWindowVisible(walk)) {
        HWND popup = GetLastActivePopup(walk);
        if (popup == walk) {
            break;
        }
        walk = popup;
    }
    return walk == window && !(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

// The shell's rule: an app window, or a window that nothing owns and that is not a tool window.
bool InTaskBar(HWND window) {
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    if (exStyle & WS_EX_APPWINDOW) {
        return true;
    }
    return GetWindow(window, GW_OWNER) == nullptr && !(exStyle & WS_EX_TOOLWINDOW);
}

HWND FindWindowTitled(const wchar_t* title) {
    Found found{title, nullptr};
    EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&found));
    return found.window;
}

int Frame(const wchar_t* title) {
    const Found found{title, FindWindowTitled(title)};
    if (found.window == nullptr) {
        return 1;
    }
    const LONG_PTR style = GetWindowLongPtrW(found.window, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(found.window, GWL_EXSTYLE);
    const HWND owner = GetWindow(found.window, GW_OWNER);
    const struct {
        bool set;
        const char* name;
    } words[] = {
        {(style & WS_CAPTION) == WS_CAPTION, "WS_CAPTION"},
        {(style & WS_SYSMENU) != 0, "WS_SYSMENU"},
        {(style & WS_THICKFRAME) != 0, "WS_THICKFRAME"},
        {(style & WS_MINIMIZEBOX) != 0, "WS_MINIMIZEBOX"},
        {(style & WS_MAXIMIZEBOX) != 0, "WS_MAXIMIZEBOX"},
        {(exStyle & WS_EX_TOOLWINDOW) != 0, "WS_EX_TOOLWINDOW"},
        {(exStyle & WS_EX_DLGMODALFRAME) != 0, "WS_EX_DLGMODALFRAME"},
        {(exStyle & WS_EX_APPWINDOW) != 0, "WS_EX_APPWINDOW"},
        {owner != nullptr, "owned"},
        {owner != nullptr && !IsWindowVisible(owner), "owner-hidden"},
        {InAltTab(found.window), "alt-tab"},
        {InTaskBar(found.window), "task-bar"},
    };
    for (const auto& word : words) {
        if (word.set) {
            std::printf("%s\n", word.name);
        }
    }
    return 0;
}

BOOL CALLBACK PrintButton(HWND control, LPARAM) {
    wchar_t kind[64] = {};
    wchar_t text[256] = {};
    GetClassNameW(control, kind, 64);
    GetWindowTextW(control, text, 256);
    if (!IsWindowVisible(control) || _wcsicmp(kind, L"Button") != 0) {
        return TRUE;
    }
    const LONG_PTR type = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
    if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX) {
        const bool checked = SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
        std::printf("checkbox %s %s\n", checked ? "checked" : "unchecked", Utf8(text).c_str());
    } else {
        std::printf("button %s\n", Utf8(text).c_str());
    }
    return TRUE;
}

int Controls(const wchar_t* title) {
    HWND window = FindWindowTitled(title);
    if (window == nullptr) {
        return 1;
    }
    EnumChildWindows(window, PrintButton, 0);
    return 0;
}

int Parent(const wchar_t* program) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return 1;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    DWORD pid = 0;
    DWORD parent = 0;
    std::wstring parentName = L"-";
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        if (_wcsicmp(entry.szExeFile, program) == 0) {
            pid = entry.th32ProcessID;
            parent = entry.th32ParentProcessID;
        }
    }
    for (BOOL more = Process32FirstW(snapshot, &entry); pid != 0 && more;
         more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID == parent) {
            parentName = entry.szExeFile;
        }
    }
    CloseHandle(snapshot);
    if (pid == 0) {
        return 1;
    }
    std::printf("%lu %lu %s\n", pid, parent, Utf8(parentName.c_str()).c_str());
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wcscmp(argv[1], L"frame") == 0) {
        return Frame(argv[2]);
    }
    if (argc == 3 && std::wcscmp(argv[1], L"controls") == 0) {
        return Controls(argv[2]);
    }
    if (argc == 3 && std::wcscmp(argv[1], L"parent") == 0) {
        return Parent(argv[2]);
    }
    std::fprintf(stderr, "usage: win32_window_probe frame|controls TITLE | parent PROGRAM\n");
    return 2;
}
