#include "busy_flag.h"

namespace arcsup {
namespace {

// The one piece of module-wide state: set while a request runs.
bool busy = false;

}  // namespace

BusyScope::BusyScope() : acquired_(!busy) {
    if (acquired_) busy = true;
}

BusyScope::~BusyScope() {
    if (acquired_) busy = false;
}

}  // namespace arcsup
