#pragma once
// No exception ever crosses an exported function: these wrappers turn one
// into a result.
#include <new>

#include "corax32.h"

namespace corax {

// Runs f; any exception gives `on_failure`.
template <class T, class F>
T guarded(T on_failure, F&& f) noexcept {
    try {
        return f();
    } catch (...) {
        return on_failure;
    }
}

// Runs an archive operation; running out of memory gives 2054, any other
// exception 2023.
template <class F>
int guarded_operation(F&& f) noexcept {
    try {
        return f();
    } catch (const std::bad_alloc&) {
        return CX_OUT_OF_MEMORY;
    } catch (...) {
        return CX_IO_ERROR;
    }
}

}  // namespace corax
