// The Windows code page that matches a POSIX locale's language, for the CSV file's default code page.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// The code page for a POSIX locale name such as "cs_CZ.UTF-8", "sr_RS@latin" or "C"
std::string CodePageForLocale(std::string_view locale);

}  // namespace corvane
