#include "sub_blocks.h"

namespace mirv::gif {

std::span<const std::uint8_t> SubBlocks::next() {
    if (ended_) return {};
    int length = in_.byte();
    std::size_t got = length > 0 ? in_.read(block_, static_cast<std::size_t>(length)) : 0;
    if (got == 0) ended_ = true;
    return {block_, got};
}

bool SubBlocks::skip_to_terminator() {
    if (ended_) return false;
    for (;;) {
        int length = in_.byte();
        if (length < 0) return false;
        if (length == 0) return true;
        if (in_.read(block_, static_cast<std::size_t>(length)) != static_cast<std::size_t>(length)) return false;
    }
}

}  // namespace mirv::gif
