#include "fixtures.h"

#include "arc/method.h"
#include "codec_helpers.h"
#include "old_crunch_encoder.h"
#include "squeeze_encoder.h"

namespace arc::test {

Bytes member_data(int m, const Bytes& input)
{
    switch (m) {
    case method::stored_old:
        return input;
    case method::squeezed:
        return squeeze_member(input);
    case method::crunched_old:
    case method::crunched_old_packed:
    case method::crunched_old_newhash:
        return old_crunch_member(m, input);
    default:
        return encode(m, input);
    }
}

} // namespace arc::test
