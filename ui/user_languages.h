#pragma once

#include <string>
#include <vector>

namespace ranktally {

// The user's languages, most wanted first, as Qt reads them from the system: on Linux the
// LANGUAGE variable, else the locale of messages (LC_ALL, LC_MESSAGES, LANG). They choose the
// words only; the figures follow the regional format, which QLocale reads apart from them.
std::vector<std::string> UserLanguages();

}  // namespace ranktally
