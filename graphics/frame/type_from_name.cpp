// The type code of a file from its extension.
#include <cstring>
#include <strings.h>

#include "mirv32.h"

namespace {

struct Extension {
    const char* text;
    int type;
};

constexpr Extension kExtensions[] = {
    {"WMF", IPT_WMF}, {"DXF", IPT_DXF}, {"BMP", IPT_BMP}, {"DIB", IPT_BMP}, {"TIF", IPT_TIF},
    {"GIF", IPT_GIF}, {"PCX", IPT_PCX}, {"JPG", IPT_JPG}, {"PNG", IPT_PNG},
};

}  // namespace

extern "C" int ipTypFromName(const char* fileName, char*) {
    if (!fileName) return 0;
    const char* dot = std::strrchr(fileName, '.');
    if (!dot) return 0;
    for (const Extension& e : kExtensions)
        if (strcasecmp(dot + 1, e.text) == 0) return e.type;
    // Installed import filters would be looked up here; this build has none.
    return 0;
}
