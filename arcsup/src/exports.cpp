// The exported procedures. Each takes the busy flag, runs its operation and
// turns every failure into its message box and result code, so that nothing
// is thrown across the module boundary.
#include <new>

#include "arcsup32.h"
#include "busy_flag.h"
#include "failure.h"
#include "operations.h"

namespace {

int run_request(ArchiveRequest* request, int (*operation)(ArchiveRequest&)) {
    if (!request) return CX_ILLEGAL_PARAMETERS;
    arcsup::BusyScope busy;
    if (!busy.acquired()) return CX_BUSY;
    try {
        return operation(*request);
    } catch (const arcsup::Failure& failure) {
        try {
            arcsup::show(failure);
        } catch (...) {
        }
        return failure.code;
    } catch (const std::bad_alloc&) {
        return CX_OUT_OF_MEMORY;
    } catch (...) {
        return CX_IO_ERROR;
    }
}

}  // namespace

ARCSUP_API int ARCList(ArchiveRequest* request) {
    return run_request(request, arcsup::list_archives);
}

ARCSUP_API int ARCExtract(ArchiveRequest* request) {
    return run_request(request, arcsup::extract_archives);
}

ARCSUP_API int ARCAppend(ArchiveRequest* request) {
    return run_request(request, arcsup::append_files);
}

ARCSUP_API int ARCDelete(ArchiveRequest* request) {
    return run_request(request, arcsup::delete_members);
}
