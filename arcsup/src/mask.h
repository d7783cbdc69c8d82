#pragma once
// Selection of members by an 8.3 mask with '?' and '*'.
//
// A name or mask (at most 12 characters) is upper-cased and split at its
// first dot into a name part and an extension part: no dot gives an empty
// extension, a leading dot the name part "*". A '*' in the name part becomes
// '?' up to the 8th character and ends the part; in the extension part up to
// the 3rd. Two parts match when, padded with blanks to the same length (at
// least 8 and 3), each position holds the same character or '?' in the mask;
// a mask part that fills its width and ends in '?' also matches longer parts.
#include <string>
#include <string_view>

namespace arcsup {

struct MaskParts {
    std::string name;
    std::string extension;
};

MaskParts mask_parts(std::string_view text);

// The mask that selects every member.
inline constexpr std::string_view all_members_mask = "????????.???";

class MemberMask {
public:
    explicit MemberMask(std::string_view mask) : parts_(mask_parts(mask)) {}
    bool selects(std::string_view member_name) const;
    const MaskParts& parts() const { return parts_; }

private:
    MaskParts parts_;
};

}  // namespace arcsup
