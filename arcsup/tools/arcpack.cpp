// arcpack: writes an ARC archive from files with the module's ARCAppend.
// Usage: arcpack <archive> <source directory> <file>...
// Used by the build to make the sample archive; an existing archive of that
// name is replaced, so that the result depends on the files only.
#include <cstdio>
#include <string>

#include "arcsup32.h"
#include "platform/path.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: arcpack <archive> <source directory> <file>...\n");
        return 2;
    }
    std::string files;
    for (int i = 3; i < argc; ++i) files += (files.empty() ? "" : " ") + std::string(argv[i]);
    platform::delete_file(argv[1]);
    ArchiveRequest request{};
    request.dwSize = sizeof request;
    request.lpstrArchive = argv[1];
    request.lpstrDirectory = argv[2];
    request.lpstrFiles = files.c_str();
    const int result = ARCAppend(&request);
    if (result != 0) std::fprintf(stderr, "arcpack: ARCAppend returned %d\n", result);
    return result == 0 ? 0 : 1;
}
