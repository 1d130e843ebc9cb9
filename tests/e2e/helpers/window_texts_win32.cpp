// Reads another program's windows for the saver's end-to-end tests, with the
// wide functions, so Japanese texts arrive whole whatever the code page.
//
//   window_texts texts TITLE      prints the top-level window's text and,
//                                 one line each, every child's class, style,
//                                 icon handle (STM_GETICON) and text, all in
//                                 UTF-8
//   window_texts children TITLE   prints every direct child's title, place
//                                 in its parent's client area, size, style,
//                                 and parent handle, then the window's own
//
// Exit code 0 on success, 1 when the window is missing, 2 for a malformed
// command line.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string Utf8Text(HWND window) {
    wchar_t text[1024] = {};
    // NOTE: WM_GETTEXT rather than GetWindowTextW, which across processes
    // gives only a window's caption, never an edit control's text.
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, sizeof(text) / sizeof(text[0]),
                        reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &length);
    char utf8[4096] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof(utf8), nullptr, nullptr);
    return utf8;
}

HWND FindTopLevel(const char* utf8Title) {
    wchar_t title[1024] = {};
    MultiByteToWideChar(CP_UTF8, 0, utf8Title, -1, title, int(sizeof(title) / sizeof(title[0])));
    return FindWindowW(nullptr, title);
}

// Written as raw bytes: the console's code page must not touch the UTF-8.
void Print(const std::string& line) {
    const std::string whole = line + "\n";
    std::fwrite(whole.data(), 1, whole.size(), stdout);
}

BOOL CALLBACK PrintText(HWND child, LPARAM) {
    char className[256] = {};
    GetClassNameA(child, className, sizeof(className));
    // NOTE: icon handles are the same in every process, so the answer of
    // another program's static control can be printed as it is.
    const LRESULT icon = SendMessageW(child, STM_GETICON, 0, 0);
    char fields[64];
    std::snprintf(fields, sizeof(fields), "0x%08lx %p",
                  (unsigned long)GetWindowLongA(child, GWL_STYLE), (void*)icon);
    Print(std::string("child=") + className + " " + fields + " " + Utf8Text(child));
    return TRUE;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM parent) {
    // NOTE: not GetParent, which gives the owner of a window with WS_POPUP.
    HWND ancestor = GetAncestor(child, GA_PARENT);
    if (ancestor != reinterpret_cast<HWND>(parent)) return TRUE;
    RECT place = {};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, reinterpret_cast<HWND>(parent), reinterpret_cast<POINT*>(&place), 2);
    char line[256];
    std::snprintf(line, sizeof(line), "child=%ld,%ld,%ld,%ld,0x%08lx,%p ", place.left, place.top,
                  place.right - place.left, place.bottom - place.top,
                  (unsigned long)GetWindowLongA(child, GWL_STYLE), (void*)ancestor);
    Print(line + Utf8Text(child));
    return TRUE;
}

int Texts(const char* title) {
    HWND window = FindTopLevel(title);
    if (!window) return 1;
    Print("text=" + Utf8Text(window));
    EnumChildWindows(window, PrintText, 0);
    return 0;
}

int Children(const char* title) {
    HWND window = FindTopLevel(title);
    if (!window) return 1;
    EnumChildWindows(window, PrintChild, reinterpret_cast<LPARAM>(window));
    char line[64];
    std::snprintf(line, sizeof(line), "handle=%p", (void*)window);
    Print(line);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "texts") == 0) return Texts(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "children") == 0) return Children(argv[2]);
    std::fprintf(stderr, "usage: window_texts texts TITLE | children TITLE\n");
    return 2;
}
