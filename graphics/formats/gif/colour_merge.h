#pragma once
// The one colour table of the picture a GIF file becomes: the colours of
// the global and every local colour table, each stored once, in the order
// they are first met.
#include <array>
#include <cstdint>

#include "frame/byte_reader.h"
#include "platform/gdi/types.h"

namespace mirv::gif {

// File colour index -> index in the merged table.
using ColourMap = std::array<std::uint16_t, 256>;

class ColourMerge {
public:
    // `table` is the picture's 256-entry colour table, filled as colours
    // arrive.
    explicit ColourMerge(RGBQUAD* table) : table_(table) {}

    // The index of the first stored entry of this colour, storing it when
    // new; -1 when it is new and 256 colours are stored already.
    int index_of(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

    // Distinct colours stored so far.
    unsigned count() const { return count_; }

    // Presets the first `entries` table entries with an even gray ramp and
    // maps file index i to entry i, for files without a global table. The
    // ramp is not counted: colours met later are stored over it from
    // entry 0 onward.
    void gray_ramp(unsigned entries, ColourMap& map);

private:
    RGBQUAD* table_;
    unsigned count_ = 0;
};

// Reads a colour table of `entries` RGB triples and maps each through the
// merge; `map` is cleared first. 0, IPE_EOF when the file ends inside the
// table or IPE_COLOURS past 256 distinct colours.
int read_colour_table(ByteReader& in, unsigned entries, ColourMerge& merge, ColourMap& map);

}  // namespace mirv::gif
