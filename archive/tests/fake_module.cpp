// A fake support module for dispatch tests. Each exported procedure appends
// one line "<procedure> <archive> <files> <type> <size>" to the file named by
// $FAKE_MODULE_LOG, writes one listing row for List, and returns the number
// in $FAKE_MODULE_RESULT (0 when unset).
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "corax32.h"

#define STR2(x) #x
#define STR(x) STR2(x)
#define CAT2(a, b) a##b
#define CAT(a, b) CAT2(a, b)

namespace {

int record(const char* procedure, ArchiveRequest* request) {
    if (const char* log = std::getenv("FAKE_MODULE_LOG")) {
        if (FILE* f = std::fopen(log, "a")) {
            std::fprintf(f, "%s %s %s %d %u\n", procedure,
                         request->lpstrArchive ? request->lpstrArchive : "(null)",
                         request->lpstrFiles ? request->lpstrFiles : "(null)",
                         request->nArchiveType, request->dwSize);
            std::fclose(f);
        }
    }
    const char* result = std::getenv("FAKE_MODULE_RESULT");
    return result ? std::atoi(result) : 0;
}

}  // namespace

#ifdef FAKE_LIST
CORAX_API int CAT(FAKE_TYPE, List)(ArchiveRequest* request) {
    std::strcpy(request->lpstrListing, "MEMBER.TXT\t1\t1\t 0%\t01.01.100\t00:00\t\t\n");
    return record(STR(FAKE_TYPE) "List", request);
}
#endif
#ifdef FAKE_EXTRACT
CORAX_API int CAT(FAKE_TYPE, Extract)(ArchiveRequest* request) {
    return record(STR(FAKE_TYPE) "Extract", request);
}
#endif
#ifdef FAKE_APPEND
CORAX_API int CAT(FAKE_TYPE, Append)(ArchiveRequest* request) {
    return record(STR(FAKE_TYPE) "Append", request);
}
#endif
#ifdef FAKE_DELETE
CORAX_API int CAT(FAKE_TYPE, Delete)(ArchiveRequest* request) {
    return record(STR(FAKE_TYPE) "Delete", request);
}
#endif
