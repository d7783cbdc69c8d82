// Extraction: every selected member of every matching archive is decoded
// into a file of the target directory, its CRC checked and its date and time
// restored.
#include <memory>

#include "arc/decode.h"
#include "arc/method.h"
#include "archive_names.h"
#include "archive_reader.h"
#include "extract_output.h"
#include "extract_target.h"
#include "failure.h"
#include "header_reader.h"
#include "mask.h"
#include "member_data_reader.h"
#include "member_name.h"
#include "operations.h"
#include "platform/dostime.h"
#include "platform/msgbox.h"
#include "platform/path.h"
#include "progress.h"

namespace arcsup {
namespace {

// The working memory of one request: decoder tables and the output buffer.
struct ExtractWorkspace {
    arc::DecoderTables tables;
    std::unique_ptr<std::uint8_t[]> output = std::make_unique<std::uint8_t[]>(extract_buffer_size);
};

// Problems that do not end the request; the worst decides its result.
class Outcome {
public:
    void damaged() { code_ = CX_BROKEN_ARCHIVE; }
    void crc_mismatch() {
        if (code_ == CX_OK) code_ = CX_CRC_ERROR;
    }
    int code() const { return code_; }

private:
    int code_ = CX_OK;
};

class Extraction {
public:
    Extraction(ArchiveRequest& request, ExtractWorkspace& work)
        : request_(request),
          work_(work),
          progress_(&request),
          target_(target_directory(request.lpstrDirectory)),
          mask_(request.lpstrFiles ? request.lpstrFiles : all_members_mask) {}

    void run_archive(const std::string& archive_path);
    int result() const { return progress_.stopped() ? CX_STOPPED : outcome_.code(); }

private:
    void extract_member(ArchiveReader& reader, const MemberEntry& member);
    void decode_into_file(ArchiveReader& reader, const MemberHeader& header, const std::string& path);
    void report_refused(const Failure& failure);
    void raise(arc::DecodeStatus status, const ExtractOutput& output, const MemberHeader& header);

    ArchiveRequest& request_;
    ExtractWorkspace& work_;
    Progress progress_;
    std::string target_;
    MemberMask mask_;
    std::string archive_path_;
    Outcome outcome_;
};

void Extraction::run_archive(const std::string& archive_path) {
    archive_path_ = archive_path;
    ArchiveReader reader;
    if (!reader.open(archive_path)) fail_read_side(Msg::no_archive_access, archive_path);
    while (auto member = read_member(reader, archive_path, MB_ICONERROR)) {
        if (mask_.selects(member->header.name_text())) extract_member(reader, *member);
        if (!reader.seek(member->data_position + member->header.compressed_size))
            fail_read_side(Msg::no_archive_access, archive_path);
    }
}

void Extraction::report_refused(const Failure& failure) {
    show(failure);
    outcome_.damaged();
}

void Extraction::extract_member(ArchiveReader& reader, const MemberEntry& member) {
    const MemberHeader& header = member.header;
    const std::string name = header.name_text();
    const std::string path = target_ + name;
    if (!is_plain_file_name(name)) {
        report_refused({CX_BROKEN_ARCHIVE, text(Msg::bad_extract_name) + path, Msg::caption,
                        MB_ICONERROR});
        return;
    }
    progress_.start_file(path);
    if (!arc::is_decodable_method(header.method)) {
        report_refused({CX_BROKEN_ARCHIVE, archive_path_ + text(Msg::not_an_archive), Msg::caption,
                        MB_ICONERROR});
        return;
    }
    remove_replaced_file(path);
    if (exceeds_free_space(platform::free_disk_space(target_), header.size))
        fail_read_side(Msg::disk_full);
    decode_into_file(reader, header, path);
    platform::set_file_dos_datetime(path, {header.date, header.time});
}

void Extraction::decode_into_file(ArchiveReader& reader, const MemberHeader& header,
                                  const std::string& path) {
    FileHandle file = FileHandle::create_new(path);
    if (!file.is_open()) fail_read_side(Msg::create_failed, path);
    ExtractOutput output(work_.output.get(), std::move(file), path, header.size, progress_);
    progress_.poll();
    MemberDataReader data(reader, header.compressed_size);
    const arc::DecodeStatus status = arc::decode_member(header.method, data, output, work_.tables);
    if (status != arc::DecodeStatus::ok || output.overran()) raise(status, output, header);
    if (!output.complete()) {
        if (output.overran()) fail_damaged(archive_path_);
        fail_read_side(Msg::write_failed, header.name_text());
    }
    output.keep();
    if (output.crc() != header.crc) {
        platform::message_box(request_.hWnd, text(Msg::crc_error).c_str(),
                              header.name_text().c_str(), MB_ICONERROR);
        outcome_.crc_mismatch();
    }
}

void Extraction::raise(arc::DecodeStatus status, const ExtractOutput& output,
                       const MemberHeader& header) {
    using arc::DecodeStatus;
    if (output.overran()) fail_damaged(archive_path_);
    switch (status) {
    case DecodeStatus::bad_huffman_tree: fail_decoding(Msg::bad_decode_tree);
    case DecodeStatus::stack_overflow: fail_decoding(Msg::stack_overflow);
    case DecodeStatus::too_many_bits: fail_decoding(Msg::too_many_bits, Msg::caption_reader);
    case DecodeStatus::write_failed: fail_read_side(Msg::write_failed, header.name_text());
    default: fail_damaged(archive_path_);
    }
}

}  // namespace

int extract_archives(ArchiveRequest& request) {
    const std::vector<std::string> archives = matching_archives(request.lpstrArchive);
    if (archives.empty()) return CX_ARCHIVE_NOT_FOUND;
    ExtractWorkspace work;
    Extraction extraction(request, work);
    for (const std::string& path : archives) extraction.run_archive(path);
    return extraction.result();
}

}  // namespace arcsup
