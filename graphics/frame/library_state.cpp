#include "library_state.h"

namespace mirv {

LibraryState& library_state() {
    static LibraryState state;
    return state;
}

}  // namespace mirv
