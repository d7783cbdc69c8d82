#pragma once
// Compressed member data as codec output: through the request's 65000-byte
// buffer to the end of the new archive, polling the callback before each
// block is written.
#include <span>

#include "arc/writer.h"
#include "new_archive.h"
#include "progress.h"

namespace arcsup {

inline constexpr std::size_t archive_buffer_size = 65000;

class ArchiveOutput final : public arc::Writer {
public:
    // `buffer` holds archive_buffer_size bytes.
    ArchiveOutput(std::uint8_t* buffer, NewArchive& archive, Progress& progress)
        : arc::Writer(buffer, archive_buffer_size), archive_(archive), progress_(progress) {}

protected:
    bool flush(std::span<const std::uint8_t> block) override {
        progress_.poll();
        return archive_.append(block);
    }

private:
    NewArchive& archive_;
    Progress& progress_;
};

}  // namespace arcsup
