#pragma once
// The little JSON the console tool writes (check --format json), without a library: strings are
// escaped here, the rest is written by hand.

#include <string>
#include <string_view>

namespace tv {

// utf8 as a JSON string, quotes included: '"', '\' and control characters escaped, other text
// kept as it is; a byte that is no part of valid UTF-8 becomes U+FFFD, so the output always parses.
std::string JsonString(std::string_view utf8);

} // namespace tv
