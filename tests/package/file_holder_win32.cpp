// Keeps a file from being deleted, as Screen Saver Settings' preview keeps the
// saver, for the installer's test.
//
//   file_holder PATH   opens PATH sharing read access only, prints "held" and
//                      keeps it open until its standard input ends
//
// Exit code 0 once the file was held and let go, 1 when it could not be
// opened, 2 for a malformed command line.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    HANDLE file = CreateFileA(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    std::puts("held");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    CloseHandle(file);
    return 0;
}
