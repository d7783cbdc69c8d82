#include "dispatch/operation_table.h"

#include <array>
#include <cctype>

namespace corax {
namespace {

using C = Converter;

constexpr OperationRow kRows[] = {
    // Support modules.
    {"ARJ", "ARJRD32", "List", {}, {}, {}, C::None},
    {"ARJ", "ARJRD32", "Extract", {}, {}, {}, C::None},
    {"ARJ", "ARJWR32", "Append", {}, {}, {}, C::None},
    {"ZIP", "ZIPRD32", "List", {}, {}, {}, C::None},
    {"ZIP", "ZIPRD32", "Extract", {}, {}, {}, C::None},
    {"ZIP", "ZIPWR32", "Append", {}, {}, {}, C::None},
    {"ZIP", "ZIPWR32", "Delete", {}, {}, {}, C::None},
    {"LZH", "LHASUP32", "List", {}, {}, {}, C::None},
    {"LZH", "LHASUP32", "Extract", {}, {}, {}, C::None},
    {"LZH", "LHASUP32", "Append", {}, {}, {}, C::None},
    {"LZH", "LHASUP32", "Delete", {}, {}, {}, C::None},
    {"ZOO", "ZOOSUP32", "List", {}, {}, {}, C::None},
    {"ZOO", "ZOOSUP32", "Extract", {}, {}, {}, C::None},
    {"ZOO", "ZOOSUP32", "Append", {}, {}, {}, C::None},
    {"ZOO", "ZOOSUP32", "Delete", {}, {}, {}, C::None},
    {"ARC", "ARCSUP32", "List", {}, {}, {}, C::None},
    {"ARC", "ARCSUP32", "Extract", {}, {}, {}, C::None},
    {"ARC", "ARCSUP32", "Append", {}, {}, {}, C::None},
    {"ARC", "ARCSUP32", "Delete", {}, {}, {}, C::None},
    // DOS packers.
    {"RAR", {}, "List", "RAR", "-y l", "-y l", C::TokenList},
    {"RAR", {}, "Extract", "RAR", "-y e", "-y x", C::None},
    {"RAR", {}, "Append", "RAR", "-y -ep a", "-y a", C::None},
    {"RAR", {}, "Delete", "RAR", "-y -ep d", "-y d", C::None},
    {"LZH", {}, "List", "LHA", "-v", "-v", C::TokenList},
    {"LZH", {}, "Extract", "LHA", "-cm e", "-cm x", C::None},
    {"LZH", {}, "Append", "LHA", "-mh0 a", "-mh0 -x a", C::None},
    {"LZH", {}, "Delete", "LHA", "-m d", "-m d", C::None},
    {"ARJ", {}, "List", "ARJ", "-y l", "-y l", C::TokenList},
    {"ARJ", {}, "Extract", "ARJ", "-y e", "-y x", C::None},
    {"ARJ", {}, "Append", "ARJ", "-y -e a", "-y a", C::None},
    {"ARJ", {}, "Delete", "ARJ", "-y -e d", "-y d", C::None},
    {"ZIP", {}, "List", "PKUNZIP", "-v", "-v", C::Zip},
    {"ZIP", {}, "Extract", "PKUNZIP", "-o", "-d -o", C::None},
    {"ZIP", {}, "Append", "PKZIP", "", "-p", C::None},
    {"ZIP", {}, "Delete", "PKZIP", "-d", "-d", C::None},
    {"ARC", {}, "List", "PKXARC.COM", "-v", "-v", C::Arc},
    {"ARC", {}, "Extract", "PKXARC.COM", "-e", "-x", C::None},
    {"ARC", {}, "Append", "PKARC.COM", "a", "-p a", C::None},
    {"ARC", {}, "Delete", "PKARC.COM", "d", "d", C::None},
    {"TAR", {}, "List", "TAR", "-t -v -f", "-t -v -f", C::Tar},
    {"TAR", {}, "Extract", "TAR", "-x -f", "-x -f", C::None, {}, false, true},
    {"TAR", {}, "Append", "TAR", "-c -f", "-c -f", C::None, "-r -f", false, true},
    {"ZOO", {}, "List", "ZOO.EXE", "v", "v", C::Zoo},
    {"ZOO", {}, "Extract", "ZOO.EXE", "eOS", "eOS/", C::None},
    {"ZOO", {}, "Append", "ZOO.EXE", "a-", "a+", C::None},
    {"ZOO", {}, "Delete", "ZOO.EXE", "d", "d", C::None},
};

constexpr std::array<std::string_view, 8> kTypeStrings = {
    "", "LZH", "ARC", "ARJ", "ZIP", "RAR", "TAR", "ZOO"};

}  // namespace

std::span<const OperationRow> operation_table() { return kRows; }

std::string_view type_string(int type) {
    return type > 0 && type < static_cast<int>(kTypeStrings.size()) ? kTypeStrings[type]
                                                                     : std::string_view{};
}

bool same_name(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace corax
