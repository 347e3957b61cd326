#pragma once

#include <string>
#include <string_view>

namespace ranktally {

// A text inside a JSON string: a quote and a backslash escaped, and any control character.
inline std::string JsonEscaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            escaped += '\\';
            escaped += c;
        } else if (byte < 0x20) {
            constexpr std::string_view kHex = "0123456789abcdef";
            escaped += "\\u00";
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 15];
        } else {
            escaped += c;
        }
    }
    return escaped;
}

}  // namespace ranktally
