#pragma once
#include <cstdint>
#include <span>

namespace corax {

// Scans the first bytes of a file for an archive signature (LZH, ARC, ARJ,
// RAR, ZOO, tested in that order at each position) and returns the type
// number, 0 when none is found. `file_size` bounds the plausible size of an
// ARC member. A signature must start before the last 10 bytes of `data`.
int scan_signatures(std::span<const unsigned char> data, std::uint64_t file_size);

}  // namespace corax
