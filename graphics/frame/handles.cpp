#include "handles.h"

namespace mirv {

IPRESULT import_failure(int code, DWORD flags) {
    if (flags & IP_SHOWERROR) {
        ipErrorMsg(code);
        return 0;
    }
    return code;
}

int export_failure(int code, DWORD flags) {
    if (code != 0 && (flags & IP_SHOWERROR)) ipErrorMsg(code);
    return code;
}

}  // namespace mirv
