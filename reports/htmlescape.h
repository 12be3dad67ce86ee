// Text that goes into a report page.
#pragma once

#include <string>
#include <string_view>

// The text with &, <, > and " written as character references, so that a
// brew's text shows as typed and never becomes markup. Text without those
// characters comes back unchanged. Works on single-byte text and UTF-8 alike.
std::string htmlescape(std::string_view text);
