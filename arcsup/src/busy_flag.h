#pragma once
// The module serves one request at a time. A second request while one runs
// (from a callback, for instance) is refused with 2026.

namespace arcsup {

// Holds the module's busy flag for its lifetime when it could take it.
class BusyScope {
public:
    BusyScope();
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

    // False when another request was already running.
    bool acquired() const { return acquired_; }

private:
    bool acquired_;
};

}  // namespace arcsup
