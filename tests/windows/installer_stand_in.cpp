// A small Windows program in the game's place, so the installer can be built and tested before
// the game itself is built for Windows: one window titled "Kronesluk" that stays until it is
// closed, as the game's welcome window does.
//   x86_64-w64-mingw32-g++-posix -static -mwindows installer_stand_in.cpp -o kronesluk.exe
#include <windows.h>

namespace {

LRESULT CALLBACK on_message(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = on_message;
    window_class.hInstance = instance;
    window_class.lpszClassName = L"Kronesluk";
    RegisterClassW(&window_class);
    HWND window = CreateWindowW(L"Kronesluk", L"Kronesluk", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 448, 443, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
