// Member data for every method 1..9: the library's encoders where it writes
// the method, the test-only encoders elsewhere.
#pragma once

#include "test_data.h"

namespace arc::test {

Bytes member_data(int method, const Bytes& input);

} // namespace arc::test
