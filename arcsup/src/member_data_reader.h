#pragma once
// The compressed data of one member as codec input: exactly the member's
// compressed size, taken from the archive reader's blocks.
#include <cstdint>

#include "arc/reader.h"
#include "archive_reader.h"

namespace arcsup {

class MemberDataReader final : public arc::Reader {
public:
    MemberDataReader(ArchiveReader& archive, std::uint32_t compressed_size)
        : archive_(archive), remaining_(compressed_size) {}

protected:
    bool refill() override;

private:
    ArchiveReader& archive_;
    std::uint64_t remaining_;
};

}  // namespace arcsup
