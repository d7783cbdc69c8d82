// A fake LZH support module for the viewer's tests. The "archive" is a text
// file holding its listing rows. Every call appends one line
// "<operation>|<dwSize>|<dwFlags>|<files>|<directory>" to $BRISK_FAKE_LOG
// and returns $BRISK_FAKE_RESULT (0 when unset) without doing anything
// else when that is not 0. List copies the file into the listing; Extract
// writes the member into the directory; Delete drops the member's rows;
// Append adds one row per blank-separated path.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "corax32.h"

namespace {

std::string text_or(const char* s, const char* fallback) { return s ? s : fallback; }

int record(const char* operation, const ArchiveRequest* r) {
    if (const char* log = std::getenv("BRISK_FAKE_LOG")) {
        std::ofstream out(log, std::ios::app);
        out << operation << '|' << r->dwSize << '|' << r->dwFlags << '|'
            << text_or(r->lpstrFiles, "(null)") << '|' << text_or(r->lpstrDirectory, "(null)") << '\n';
    }
    const char* result = std::getenv("BRISK_FAKE_RESULT");
    return result ? std::atoi(result) : 0;
}

std::string read_all(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string row_for(const std::string& name) { return name + "\t10\t5\t50%\t01.02.99\t12:34\t\t\n"; }

}  // namespace

CORAX_API int LZHList(ArchiveRequest* r) {
    if (int result = record("List", r)) return result;
    std::string text = read_all(r->lpstrArchive);
    if (text.size() >= CX_LISTING_SIZE) text.resize(CX_LISTING_SIZE - 1);
    std::memcpy(r->lpstrListing, text.c_str(), text.size() + 1);
    return 0;
}

CORAX_API int LZHExtract(ArchiveRequest* r) {
    if (int result = record("Extract", r)) return result;
    std::ofstream(std::string(r->lpstrDirectory) + "/" + r->lpstrFiles) << "extracted\n";
    return 0;
}

CORAX_API int LZHDelete(ArchiveRequest* r) {
    if (int result = record("Delete", r)) return result;
    std::istringstream in(read_all(r->lpstrArchive));
    std::string kept;
    for (std::string line; std::getline(in, line);)
        if (line.substr(0, line.find('\t')) != r->lpstrFiles) kept += line + "\n";
    std::ofstream(r->lpstrArchive, std::ios::binary) << kept;
    return 0;
}

CORAX_API int LZHAppend(ArchiveRequest* r) {
    if (int result = record("Append", r)) return result;
    std::ofstream out(r->lpstrArchive, std::ios::binary | std::ios::app);
    std::istringstream files(r->lpstrFiles);
    for (std::string path; files >> path;) out << row_for(path.substr(path.rfind('/') + 1));
    return 0;
}
