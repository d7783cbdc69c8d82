#pragma once
// No exception crosses an exported function: running out of memory becomes
// code 14, anything else `on_failure`.
#include <new>

#include "mirv32.h"

namespace mirv {

template <class T, class F>
T guarded(T on_failure, F&& f) noexcept {
    try {
        return f();
    } catch (const std::bad_alloc&) {
        return static_cast<T>(IPE_MEMORY);
    } catch (...) {
        return on_failure;
    }
}

}  // namespace mirv
