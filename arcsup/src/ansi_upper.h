#pragma once
// Upper-casing of single-byte names in the Windows ANSI code page (1252):
// ASCII letters and the accented letters that have a capital form.
#include <string>

namespace arcsup {

char ansi_upper(char c);
std::string ansi_upper(std::string text);

}  // namespace arcsup
