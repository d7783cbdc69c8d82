#include "progress.h"

namespace arcsup {

void Progress::poll() {
    if (stopped_ || !request_->lpfnCallback) return;
    if (request_->lpfnCallback(CXCB_POLL, nullptr) == CXCB_STOP) stopped_ = true;
}

void Progress::start_file(const std::string& path) {
    if (!reports()) return;
    request_->lpstrCurrentFile = path.c_str();
    request_->lpfnCallback(CXCB_FILE, request_);
    request_->lpstrCurrentFile = nullptr;
}

void Progress::percent(std::uint64_t done, std::uint64_t total) {
    if (!reports()) return;
    if (done > total) done = total;
    request_->nPercent = total == 0 ? 0 : static_cast<std::int32_t>(done * 100 / total);
    request_->lpfnCallback(CXCB_PERCENT, request_);
}

}  // namespace arcsup
