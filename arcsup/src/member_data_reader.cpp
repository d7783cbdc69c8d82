#include "member_data_reader.h"

namespace arcsup {

bool MemberDataReader::refill() {
    if (remaining_ == 0) return false;
    auto block = archive_.window(remaining_ < ArchiveReader::max_block_size
                                     ? static_cast<std::size_t>(remaining_)
                                     : ArchiveReader::max_block_size);
    if (block.empty()) {
        // The archive ended before the member's data did.
        mark_failed();
        return false;
    }
    archive_.consume(block.size());
    remaining_ -= block.size();
    set_window(block.data(), block.size());
    return true;
}

}  // namespace arcsup
