#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ranktally {

// The languages the user reads, as Windows keeps them: the catalogue's own rule picks among them.

// The user's display languages in the order of preference set in Windows ("de-DE", "en-US"), in
// UTF-8; none when Windows names none.
std::vector<std::string> UserLanguages();

// The names in a list of NUL-terminated names that an empty name ends, as Windows hands out
// several strings in one buffer; a buffer that ends without its final NUL ends the list as well.
std::vector<std::string> NamesInList(std::wstring_view list);

}  // namespace ranktally
