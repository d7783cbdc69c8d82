#include "arc/reader.h"

namespace arc {

// Asks the derived class for the next window. A window of no bytes counts as
// the end of the data, so that a refill can never make a reader spin.
bool Reader::fill()
{
    if (at_end_)
        return false;
    if (!refill() || cur_ == end_) {
        at_end_ = true;
        cur_ = end_ = nullptr;
        return false;
    }
    return true;
}

int Reader::get_slow()
{
    if (!fill())
        return -1;
    return *cur_++;
}

std::span<const std::uint8_t> Reader::available()
{
    if (cur_ == end_ && !fill())
        return {};
    return {cur_, static_cast<std::size_t>(end_ - cur_)};
}

bool MemoryReader::refill()
{
    if (given_)
        return false;
    given_ = true;
    set_window(data_.data(), data_.size());
    return true;
}

} // namespace arc
