#pragma once

#include <QString>

#include <string_view>

namespace ranktally {

// The program's own texts, UTF-8, as Qt strings.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace ranktally
