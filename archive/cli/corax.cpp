// corax: list, extract, add and delete archive members from the shell,
// through the archive access library's exported functions only.
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/table.h"
#include "corax32.h"

namespace {

constexpr const char* kUsage =
    "usage: corax list ARCHIVE [NAMES...]\n"
    "       corax extract ARCHIVE [NAMES...] [-C DIR]\n"
    "       corax add ARCHIVE FILES... [-C DIR]\n"
    "       corax delete ARCHIVE NAMES...\n"
    "\n"
    "Lists, extracts, adds and deletes members of ARC, ARJ, LZH, ZIP, ZOO, RAR\n"
    "and TAR archives, through support modules or the installed packers.\n"
    "\n"
    "  -C DIR     extract into DIR / take the files to add from DIR\n"
    "  --paths    keep directory paths (default: names only)\n"
    "  -v         name each member or file as it is worked on\n"
    "  --help     show this text\n"
    "\n"
    "Types this installation can list: %s\n"
    "Types it can add to:              %s\n";

volatile std::sig_atomic_t interrupted = 0;
bool verbose = false;

void on_interrupt(int) { interrupted = 1; }

int progress(int code, ArchiveRequest* request) {
    if (code == CXCB_POLL) return interrupted ? CXCB_STOP : 0;
    if (code == CXCB_FILE && verbose && request && request->lpstrCurrentFile)
        std::fprintf(stderr, "%s\n", request->lpstrCurrentFile);
    return 0;
}

struct Command {
    std::string verb;
    std::string archive;
    std::vector<std::string> names;
    std::string directory;
    bool keep_paths = false;
};

int usage_error(const char* why) {
    std::fprintf(stderr, "corax: %s\nTry 'corax --help'.\n", why);
    return 2;
}

// Parses the command line; returns -1 on success, else the exit code.
int parse(int argc, char** argv, Command& cmd) {
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::string list = CxGetExtensionString(0);
            std::string add = CxGetExtensionString(1);
            std::printf(kUsage, list.empty() ? "(none)" : list.c_str(), add.empty() ? "(none)" : add.c_str());
            return 0;
        }
        if (arg == "-C") {
            if (++i >= argc) return usage_error("-C needs a directory");
            cmd.directory = argv[i];
        } else if (arg == "--paths") {
            cmd.keep_paths = true;
        } else if (arg == "-v") {
            verbose = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return usage_error(("unknown option " + arg).c_str());
        } else {
            words.push_back(arg);
        }
    }
    if (words.size() < 2) return usage_error("a command and an archive are needed");
    cmd.verb = words[0];
    cmd.archive = words[1];
    cmd.names.assign(words.begin() + 2, words.end());
    if (cmd.verb != "list" && cmd.verb != "extract" && cmd.verb != "add" && cmd.verb != "delete")
        return usage_error(("unknown command " + cmd.verb).c_str());
    if ((cmd.verb == "add" || cmd.verb == "delete") && cmd.names.empty())
        return usage_error(("'" + cmd.verb + "' needs names").c_str());
    return -1;
}

std::string joined(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& n : names) out += (out.empty() ? "" : " ") + n;
    return out;
}

int run(const Command& cmd) {
    ArchiveRequest request{};
    request.dwSize = sizeof request;
    request.lpstrArchive = cmd.archive.c_str();
    const std::string files = joined(cmd.names);
    request.lpstrFiles = cmd.names.empty() ? nullptr : files.c_str();
    request.lpstrDirectory = cmd.directory.empty() ? nullptr : cmd.directory.c_str();
    request.dwFlags = cmd.keep_paths ? 0 : ARF_NOPATHS;
    request.lpfnCallback = progress;

    int result = 0;
    if (cmd.verb == "list") {
        std::vector<char> listing(CX_LISTING_SIZE, '\0');
        request.lpstrListing = listing.data();
        result = CxList(&request);
        if (result == 0) std::fputs(corax_cli::format_table(corax_cli::parse_listing(listing.data())).c_str(), stdout);
    } else if (cmd.verb == "extract") {
        result = CxExtract(&request);
    } else if (cmd.verb == "add") {
        result = CxAppend(&request);
    } else {
        result = CxDelete(&request);
    }
    if (result != 0) {
        CxErrMsg(result, &request);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Command cmd;
    int code = parse(argc, argv, cmd);
    if (code >= 0) return code;
    std::signal(SIGINT, on_interrupt);
    return run(cmd);
}
