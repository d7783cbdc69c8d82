#include "progress_scope.h"

#include "progress/progress.h"

namespace mirv {

ProgressScope::ProgressScope(DWORD flags, IPCALLBACK callback) {
    if (flags & IP_NOWAIT) return;
    error_ = progress::begin(nullptr, callback);
    began_ = error_ == 0;
}

ProgressScope::~ProgressScope() {
    if (began_) progress::end();
}

}  // namespace mirv
