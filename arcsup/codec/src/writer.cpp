#include "arc/writer.h"

#include <algorithm>

namespace arc {

// Hands the full buffer on (unless a flush already failed) and starts it
// again; bytes after a failure are counted but dropped.
void Writer::make_room()
{
    const auto size = static_cast<std::size_t>(cur_ - begin_);
    if (!failed_ && !flush({begin_, size}))
        failed_ = true;
    flushed_ += size;
    cur_ = begin_;
}

void Writer::write_slow(const std::uint8_t* data, std::size_t size)
{
    while (size > 0) {
        if (cur_ == end_)
            make_room();
        const std::size_t part = std::min(size, static_cast<std::size_t>(end_ - cur_));
        std::memcpy(cur_, data, part);
        cur_ += part;
        data += part;
        size -= part;
    }
}

bool Writer::finish()
{
    if (cur_ != begin_)
        make_room();
    return !failed_;
}

void Writer::reset()
{
    cur_ = begin_;
    flushed_ = 0;
    failed_ = false;
}

bool VectorWriter::flush(std::span<const std::uint8_t> block)
{
    if (block.size() > limit_ - appended_)
        return false;
    out_.insert(out_.end(), block.begin(), block.end());
    appended_ += block.size();
    return true;
}

} // namespace arc
