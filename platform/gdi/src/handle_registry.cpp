#include "handle_registry.h"

namespace platform::gdi {

HandleRegistry& object_registry() {
    static HandleRegistry registry;
    return registry;
}

HandleRegistry& dc_registry() {
    static HandleRegistry registry;
    return registry;
}

HandleRegistry& metafile_registry() {
    static HandleRegistry registry;
    return registry;
}

}  // namespace platform::gdi
