#pragma once
// Progress reporting held by a single-format converter for its run: begun
// without a parent window and with the converter's own callback unless the
// caller passed IP_NOWAIT (and then reports for it), ended when the scope
// goes, and only if it began.
#include "mirv32.h"

namespace mirv {

class ProgressScope {
public:
    ProgressScope(DWORD flags, IPCALLBACK callback);
    ~ProgressScope();
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    // 0, or IPE_BUSY when another conversion holds progress reporting;
    // the converter then reads nothing.
    int error() const { return error_; }

private:
    int error_ = 0;
    bool began_ = false;
};

}  // namespace mirv
