#include "messages.h"

#include "platform/resources.h"

namespace resources {
extern const platform::StringTable arcsup32;
}

namespace arcsup {

std::string text(Msg id) {
    const char* found = platform::find_string(resources::arcsup32, static_cast<unsigned>(id));
    return found ? found : std::string();
}

}  // namespace arcsup
