#include "failure.h"

#include "corax32.h"
#include "platform/msgbox.h"

namespace arcsup {

void fail_damaged(const std::string& archive_path, UINT style) {
    throw Failure{CX_BROKEN_ARCHIVE, archive_path + text(Msg::not_an_archive), Msg::caption,
                  style};
}

void fail_decoding(Msg text_id, Msg caption) {
    throw Failure{CX_BROKEN_ARCHIVE, text(text_id), caption, MB_ICONERROR};
}

void fail_read_side(Msg text_id, const std::string& detail) {
    throw Failure{CX_IO_ERROR, text(text_id) + detail, Msg::caption, MB_ICONERROR};
}

void fail_write_side(Msg text_id, const std::string& detail) {
    throw Failure{CX_IO_ERROR, text(text_id) + detail, Msg::caption, MB_OK};
}

void show(const Failure& failure) {
    platform::message_box(nullptr, failure.text.c_str(), text(failure.caption).c_str(),
                          failure.style);
}

}  // namespace arcsup
