// Reads and widens who may open a file or folder, for the saver's end-to-end
// tests, the way another Windows program sees it.
//
//   file_permissions show PATH   prints others=1 when Everyone, Users or
//                                Authenticated Users may read it, else 0,
//                                and entries=N, the number of allowing
//                                entries in its DACL
//   file_permissions open PATH   lets Everyone read it, as the permissions
//                                that the root of drive C hands down do
//
// Exit code 0 on success, 1 when the permissions could not be read or set,
// 2 for a malformed command line.
#include "file_security_win32.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    if (std::strcmp(argv[1], "open") == 0) return OpenToEveryone(argv[2]) ? 0 : 1;
    if (std::strcmp(argv[1], "show") != 0) return 2;
    const FileSecurity security = ReadFileSecurity(argv[2]);
    if (!security.read) return 1;
    std::printf("others=%d\nentries=%u\n", OthersMayRead(security) ? 1 : 0,
                unsigned(security.allowed.size()));
    return 0;
}
