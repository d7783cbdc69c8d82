#pragma once
// Plays one metafile record into a context. Creation records put their new
// object into the lowest free slot of the handle table; a record too short
// for its parameters, or naming an empty slot, is passed over.
#include <cstddef>
#include <cstdint>

#include "platform/gdi/types.h"

namespace platform::gdi {

// Creation records the player does not draw with: they take a slot all the same.
bool creates_placeholder(WORD function);

void play_record(HDC dc, HGDIOBJ* table, std::size_t slots, WORD function, const std::uint8_t* params,
                 std::size_t bytes);

}  // namespace platform::gdi
