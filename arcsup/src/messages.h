#pragma once
// The module's own texts (string table resources/arcsup32/strings.rc).
#include <string>

namespace arcsup {

enum class Msg : unsigned {
    caption = 1,
    caption_reader = 2,
    bad_archive_name = 10,
    no_archive_access = 11,
    not_an_archive = 12,
    crc_error = 20,
    bad_extract_name = 21,
    create_failed = 22,
    write_failed = 23,
    disk_full = 24,
    bad_decode_tree = 25,
    stack_overflow = 26,
    too_many_bits = 27,
    bad_new_archive_name = 30,
    new_archive_access = 31,
    close_failed = 32,
    bad_source_name = 33,
    source_open_failed = 34,
    source_read_failed = 35,
    archive_reset_failed = 36,
    copy_failed = 37,
};

// The text of a message (UTF-8).
std::string text(Msg id);

}  // namespace arcsup
