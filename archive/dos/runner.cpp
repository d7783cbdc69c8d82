#include "dos/runner.h"

#include <unistd.h>

#include <memory>
#include <optional>

#include "dos/listing_convert.h"
#include "frame/messages.h"
#include "platform/msgbox.h"
#include "platform/path.h"
#include "platform/process.h"
#include "platform/tempfile.h"

namespace corax {
namespace {

constexpr int kPollSliceMs = 200;
constexpr unsigned kForcedExitCode = 0x500;

std::vector<std::string> split(std::string_view text, std::string_view separators) {
    std::vector<std::string> parts;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t start = text.find_first_not_of(separators, i);
        if (start == std::string_view::npos) break;
        std::size_t end = text.find_first_of(separators, start);
        if (end == std::string_view::npos) end = text.size();
        parts.emplace_back(text.substr(start, end - start));
        i = end;
    }
    return parts;
}

// The capture file: removed on every way out of the request.
class CaptureFile {
public:
    static std::optional<CaptureFile> create() {
        auto file = platform::create_temp_file("LZH");
        if (!file) return std::nullopt;
        return CaptureFile(file->path, file->fd);
    }
    CaptureFile(CaptureFile&& other) noexcept : path_(std::move(other.path_)), fd_(other.fd_) {
        other.fd_ = -1;
        other.path_.clear();
    }
    ~CaptureFile() {
        if (fd_ >= 0) close(fd_);
        if (!path_.empty()) platform::delete_file(path_);
    }
    int fd() const { return fd_; }
    // Everything the packers wrote, of any length.
    std::string contents() const {
        std::string text;
        char buf[65536];
        off_t at = 0;
        for (;;) {
            ssize_t n = pread(fd_, buf, sizeof buf, at);
            if (n <= 0) break;
            text.append(buf, static_cast<std::size_t>(n));
            at += n;
        }
        return text;
    }

private:
    CaptureFile(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
    std::string path_;
    int fd_;
};

// Waits for the packer in slices, polling the callback before each; returns
// 0, 2028 (stopped: the packer is ended at once) or 2051 (non-zero exit).
int wait_for_packer(platform::Process& process, ArchiveRequest* request) {
    for (;;) {
        if (request->lpfnCallback && request->lpfnCallback(CXCB_POLL, request) == CXCB_STOP) {
            process.terminate(kForcedExitCode);
            return CX_STOPPED;
        }
        if (process.wait(kPollSliceMs)) break;
    }
    return process.exit_code().value_or(1) == 0 ? CX_OK : CX_DOSBOX_ERROR;
}

// Starts one packer run and waits for it; a failed start shows its message.
int run_once(const std::vector<std::string>& argv, const std::string& working_dir,
             const CaptureFile& capture, ArchiveRequest* request) {
    int error = 0;
    std::unique_ptr<platform::Process> process =
        platform::Process::start(argv, working_dir, capture.fd(), error);
    if (!process) {
        show_resource_message(request->hWnd, CX_MSG_CREATEPROCESS, MB_ICONHAND,
                              platform::system_error_number(error));
        return CX_DOSBOX_ERROR;
    }
    return wait_for_packer(*process, request);
}

int run_list(const OperationRow& row, const std::string& program, const CaptureFile& capture,
             ArchiveRequest* request) {
    int result = run_once(packer_arguments(program, row.switches_a, request->lpstrArchive, {}), {},
                          capture, request);
    if (result == CX_OK && request->lpstrListing)
        convert_listing(row.converter, capture.contents(), request->lpstrListing, CX_LISTING_SIZE);
    return result;
}

std::string_view member_switches(const OperationRow& row, const ArchiveRequest* request,
                                 const std::string& archive) {
    if (!row.switches_existing.empty() && platform::regular_file_exists(archive))
        return row.switches_existing;
    return (request->dwFlags & ARF_NOPATHS) ? row.switches_a : row.switches_b;
}

int run_per_member(const OperationRow& row, const std::string& program, const CaptureFile& capture,
                   ArchiveRequest* request) {
    const std::string working_dir = request->lpstrDirectory ? request->lpstrDirectory : "";
    std::vector<std::string> tokens;
    if (request->lpstrFiles) tokens = member_tokens(request->lpstrFiles);
    else tokens.push_back(row.all_as_wildcard ? "*.*" : "");
    const std::string archive = platform::full_path(request->lpstrArchive);
    // A name that a packer would take as one of its options is refused
    // before anything runs, unless the packer can be told where names start.
    if (!row.ends_options)
        for (const std::string& token : tokens)
            if (looks_like_option(token)) return CX_ILLEGAL_PARAMETERS;

    for (const std::string& token : tokens) {
        auto argv = packer_arguments(program, member_switches(row, request, archive), archive, token,
                                     row.ends_options);
        int result = run_once(argv, working_dir, capture, request);
        // After a failure or a stop no further packer is started.
        if (result != CX_OK) return result;
    }
    return CX_OK;
}

}  // namespace

std::string packer_program_name(std::string_view packer) {
    std::string name(packer);
    if (name.find('.', platform::file_name_offset(name)) == std::string::npos) name += ".EXE";
    return name;
}

bool looks_like_option(std::string_view token) { return !token.empty() && token[0] == '-'; }

std::vector<std::string> packer_arguments(const std::string& program, std::string_view switches,
                                          const std::string& archive, std::string_view token,
                                          bool ends_options) {
    std::vector<std::string> argv{program};
    for (std::string& s : split(switches, " ")) argv.push_back(std::move(s));
    argv.push_back(looks_like_option(archive) ? "./" + archive : archive);
    if (ends_options && !token.empty()) argv.emplace_back("--");
    if (!token.empty()) argv.emplace_back(token);
    return argv;
}

std::vector<std::string> member_tokens(std::string_view files) { return split(files, " ;\t"); }

int run_dos_packer(const OperationRow& row, ArchiveRequest* request, std::string_view operation) {
    std::optional<CaptureFile> capture = CaptureFile::create();
    if (!capture) return CX_TEMPFILE_ERROR;

    const std::string program_name = packer_program_name(row.packer);
    std::optional<std::string> program = platform::search_file(program_name);
    if (!program) {
        const std::string type(row.type);
        show_resource_message(request->hWnd, CX_MSG_NEED_PACKER, MB_ICONHAND, program_name.c_str(),
                              type.c_str());
        return CX_DOSBOX_ERROR;
    }
    if (same_name(operation, "List")) return run_list(row, *program, *capture, request);
    return run_per_member(row, *program, *capture, request);
}

}  // namespace corax
