#include "member_writer.h"

#include "arc/method.h"
#include "archive_output.h"
#include "failure.h"
#include "source_reader.h"

namespace arcsup {
namespace {

MemberHeader header_for(const FileEntry& entry, int method) {
    MemberHeader header;
    header.method = method;
    header.name = entry.name;
    header.date = entry.date;
    header.time = entry.time;
    header.size = static_cast<std::uint32_t>(entry.size);
    return header;
}

void check_encoded(arc::EncodeStatus status, const std::string& source_path,
                   const NewArchive& archive) {
    if (status == arc::EncodeStatus::read_failed) fail_write_side(Msg::source_read_failed, source_path);
    if (status != arc::EncodeStatus::ok) fail_write_side(Msg::write_failed, archive.temporary_path());
}

}  // namespace

CompressWorkspace::CompressWorkspace()
    : output(std::make_unique<std::uint8_t[]>(archive_buffer_size)) {}

bool compress_file(const FileEntry& entry, NewArchive& archive, CompressWorkspace& work,
                   Progress& progress) {
    const std::string path = entry.directory + entry.name_text();
    FileHandle file = FileHandle::open_existing(path, false);
    if (!file.is_open()) fail_write_side(Msg::source_open_failed, path);

    // An empty file is an empty stored member: nothing to compress.
    int method = entry.size == 0 ? arc::method::stored : arc::method_for_size(entry.size);
    MemberHeader header = header_for(entry, method);
    const std::uint64_t header_at = archive.end();
    archive.append_header(header);
    progress.start_file(path);

    SourceReader source(std::move(file), entry.size, progress);
    ArchiveOutput output(work.output.get(), archive, progress);
    progress.poll();
    check_encoded(arc::encode_member(method, source, output, work.tables), path, archive);
    if (progress.stopped()) return false;

    const int final_method = arc::method_after_attempt(method, output.bytes_written(), source.bytes_read());
    if (final_method != method) {
        method = final_method;
        if (!source.rewind()) fail_write_side(Msg::source_read_failed, path);
        output.reset();
        archive.set_end(header_at + header_size);
        progress.poll();
        check_encoded(arc::encode_member(method, source, output, work.tables), path, archive);
        if (progress.stopped()) return false;
    }
    if (!output.finish()) fail_write_side(Msg::write_failed, archive.temporary_path());

    header.method = method;
    header.crc = source.crc();
    header.size = static_cast<std::uint32_t>(source.bytes_read());
    header.compressed_size = static_cast<std::uint32_t>(output.bytes_written());
    if (output.bytes_written() > UINT32_MAX) fail_write_side(Msg::write_failed, archive.temporary_path());
    archive.rewrite_header(header_at, header);
    return true;
}

void copy_member(const MemberEntry& member, ArchiveReader& old_archive, NewArchive& archive) {
    archive.append_header(member.header);
    if (!old_archive.seek(member.data_position)) fail_write_side(Msg::copy_failed);
    std::uint64_t left = member.header.compressed_size;
    while (left > 0) {
        auto block = old_archive.window(left < ArchiveReader::max_block_size
                                            ? static_cast<std::size_t>(left)
                                            : ArchiveReader::max_block_size);
        if (block.empty() || !archive.append(block)) fail_write_side(Msg::copy_failed);
        old_archive.consume(block.size());
        left -= block.size();
    }
}

}  // namespace arcsup
