#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ranktally {

// What a user is told when the rate text is not wholly a number: how it was read and what was
// left out, in the user's decimal separator. It changes no figure and decides nothing about how
// a window shows it. No note for a text that is wholly a number, nor for an empty or blank one,
// which is the user's own choice.
std::optional<std::string> RateReadingNote(std::string_view text,
                                           std::string_view decimalSeparator);

}  // namespace ranktally
