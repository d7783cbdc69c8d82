#pragma once
// Writing members into a new archive: a file compressed with the method its
// size calls for (stored when that saves nothing), or a member of the old
// archive copied unchanged.
#include <cstdint>
#include <string>

#include "arc/encode.h"
#include "archive_reader.h"
#include "file_table.h"
#include "new_archive.h"
#include "progress.h"

namespace arcsup {

struct CompressWorkspace {
    arc::CompressorTables tables;
    std::unique_ptr<std::uint8_t[]> output;
    CompressWorkspace();
};

// Compresses the file of `entry` into the new archive. Returns false when
// the callback asked to stop meanwhile (the member is then incomplete).
bool compress_file(const FileEntry& entry, NewArchive& archive, CompressWorkspace& work,
                   Progress& progress);

// Copies a member of the old archive: its header (a method-1 header as a
// method-2 header) and its compressed data byte for byte.
void copy_member(const MemberEntry& member, ArchiveReader& old_archive, NewArchive& archive);

}  // namespace arcsup
