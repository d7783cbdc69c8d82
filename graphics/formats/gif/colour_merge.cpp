#include "colour_merge.h"

#include "mirv32.h"
#include "progress/progress_control.h"

namespace mirv::gif {

int ColourMerge::index_of(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    for (unsigned i = 0; i < count_; ++i) {
        const RGBQUAD& q = table_[i];
        if (q.rgbRed == red && q.rgbGreen == green && q.rgbBlue == blue) return static_cast<int>(i);
    }
    if (count_ == 256) return -1;
    table_[count_] = RGBQUAD{blue, green, red, 0};
    return static_cast<int>(count_++);
}

void ColourMerge::gray_ramp(unsigned entries, ColourMap& map) {
    map.fill(0);
    for (unsigned i = 0; i < entries && i < 256; ++i) {
        auto level = static_cast<std::uint8_t>(mul_div(static_cast<int>(i), 256, static_cast<int>(entries)));
        table_[i] = RGBQUAD{level, level, level, 0};
        map[i] = static_cast<std::uint16_t>(i);
    }
}

int read_colour_table(ByteReader& in, unsigned entries, ColourMerge& merge, ColourMap& map) {
    map.fill(0);
    for (unsigned i = 0; i < entries; ++i) {
        std::uint8_t rgb[3];
        if (in.read(rgb, sizeof rgb) != sizeof rgb) return IPE_EOF;
        int index = merge.index_of(rgb[0], rgb[1], rgb[2]);
        if (index < 0) return IPE_COLOURS;
        map[i] = static_cast<std::uint16_t>(index);
    }
    return 0;
}

}  // namespace mirv::gif
