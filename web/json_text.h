#pragma once

#include <string>
#include <string_view>

namespace ranktally {

// Appends a text as it stands inside a JSON string: a quote and a backslash escaped, and any
// control character. Runs with nothing to escape are copied whole, which a long plan needs.
inline void AppendJsonEscaped(std::string& out, std::string_view text) {
    std::size_t from = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        const auto byte = static_cast<unsigned char>(c);
        if (c != '"' && c != '\\' && byte >= 0x20) {
            continue;
        }
        out += text.substr(from, at - from);
        from = at + 1;
        if (byte >= 0x20) {
            out += '\\';
            out += c;
        } else {
            constexpr std::string_view kHex = "0123456789abcdef";
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        }
    }
    out += text.substr(from);
}

inline std::string JsonEscaped(std::string_view text) {
    std::string escaped;
    AppendJsonEscaped(escaped, text);
    return escaped;
}

}  // namespace ranktally
