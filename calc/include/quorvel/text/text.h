#pragma once

// Texts quoted in messages: the window's error message, quorvel-batch's
// rejections, the reports of the tests and fuzz checks.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace quorvel {

// A text as a message shows it, on one line: cut after `longest` characters
// with "…", and every control character (a pasted line break, a tab) or byte
// that is not UTF-8 shown as U+FFFD, so that no text can break the message.
std::string one_line(std::string_view text, std::size_t longest = std::string_view::npos);

// `pattern` with %1 … %9 replaced by parts[0] … parts[8] in one pass, so that
// a part that holds "%2" (a typed text) stays as it is.
std::string filled(std::string_view pattern, std::span<const std::string> parts);

}  // namespace quorvel
