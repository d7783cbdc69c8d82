#pragma once
// The caller's progress and stop callback: polls (code 1, which may ask to
// stop), the start of a member or file (code 2) and its percentage (code 3).
#include <cstdint>
#include <string>

#include "corax32.h"

namespace arcsup {

class Progress {
public:
    explicit Progress(ArchiveRequest* request) : request_(request) {}

    // Polls the callback with code 1 (and a null request). Once it has asked
    // to stop, no further polls are made.
    void poll();
    // True once the callback has asked to stop.
    bool stopped() const { return stopped_; }

    // Code 2 with lpstrCurrentFile = path, for blocks that ask for progress.
    void start_file(const std::string& path);
    // Code 3 with nPercent = done * 100 / total (0 for total 0).
    void percent(std::uint64_t done, std::uint64_t total);

private:
    bool reports() const { return request_->lpfnCallback && cx_wants_progress(request_); }

    ArchiveRequest* request_;
    bool stopped_ = false;
};

}  // namespace arcsup
