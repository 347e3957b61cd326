#pragma once

#include <string>
#include <string_view>

namespace ranktally {

// The core speaks UTF-8; Windows' wide functions speak UTF-16.
std::wstring Wide(std::string_view text);
std::string Narrow(std::wstring_view text);

}  // namespace ranktally
