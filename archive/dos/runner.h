#pragma once
// Runs a DOS packer program for one request: hidden, with its output
// captured in a temporary file, polling the caller's callback while it runs.
#include <string>
#include <string_view>
#include <vector>

#include "corax32.h"
#include "dispatch/operation_table.h"

namespace corax {

// The program file name of a packer: the name with ".EXE" appended when it
// has no extension ("ARJ" -> "ARJ.EXE", "PKXARC.COM" unchanged).
std::string packer_program_name(std::string_view packer);

// The argument vector for one packer run: program, the switches split at
// blanks, the archive and, when not empty, the member token. No name reads
// as an option: an archive name starting with '-' gets "./" in front, and
// a token starting with '-' goes after "--" when `ends_options` (a packer
// that knows "--"); callers refuse such tokens for other packers.
std::vector<std::string> packer_arguments(const std::string& program, std::string_view switches,
                                          const std::string& archive, std::string_view token,
                                          bool ends_options = false);

// Whether a member token would read as an option of the packer.
bool looks_like_option(std::string_view token);

// Splits a member list at blanks, semicolons and TABs.
std::vector<std::string> member_tokens(std::string_view files);

// Runs the packer of `row` for the request; returns 0, 2028, 2051, or 2053
// for a member name that the packer would take as an option.
int run_dos_packer(const OperationRow& row, ArchiveRequest* request, std::string_view operation);

}  // namespace corax
