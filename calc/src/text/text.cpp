#include "quorvel/text/text.h"

namespace quorvel {
namespace {

// The length of the UTF-8 sequence at the start of `s` (not empty), or 0
// where it is none: the bounds of the second byte exclude overlong forms,
// surrogates and code points beyond U+10FFFF.
std::size_t sequence_length(std::string_view s) {
  const auto byte = [&](std::size_t i) { return i < s.size() ? static_cast<unsigned char>(s[i]) : 0u; };
  const unsigned lead = byte(0);
  if (lead < 0x80) return 1;
  unsigned low = 0x80, high = 0xbf;
  std::size_t length = 0;
  if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3;
    if (lead == 0xe0) low = 0xa0;
    if (lead == 0xed) high = 0x9f;
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4;
    if (lead == 0xf0) low = 0x90;
    if (lead == 0xf4) high = 0x8f;
  } else {
    return 0;
  }
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (byte(i) < 0x80 || byte(i) > 0xbf) return 0;
  return length;
}

// U+0000..U+001F, U+007F..U+009F
bool control(std::string_view character) {
  const auto lead = static_cast<unsigned char>(character[0]);
  if (character.size() == 1) return lead < 0x20 || lead == 0x7f;
  return lead == 0xc2 && static_cast<unsigned char>(character[1]) < 0xa0;
}

}  // namespace

std::string one_line(std::string_view text, std::size_t longest) {
  std::string shown;
  for (std::size_t characters = 0; !text.empty(); ++characters) {
    if (characters == longest) return shown + "…";
    const std::size_t length = sequence_length(text);
    const std::string_view character = text.substr(0, length == 0 ? 1 : length);
    shown += length == 0 || control(character) ? std::string_view("\uFFFD") : character;
    text.remove_prefix(character.size());
  }
  return shown;
}

std::string filled(std::string_view pattern, std::span<const std::string> parts) {
  std::string said;
  for (std::size_t at = 0; at < pattern.size(); ++at) {
    const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
    const auto k = static_cast<std::size_t>(next - '1');
    if (pattern[at] == '%' && next >= '1' && next <= '9' && k < parts.size()) {
      said += parts[k];
      ++at;
    } else {
      said += pattern[at];
    }
  }
  return said;
}

}  // namespace quorvel
