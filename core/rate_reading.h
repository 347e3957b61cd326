#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ranktally {

// What a user is told when the rate was read other than a user may expect: a text that is not
// wholly a number, a period read as the decimal point where the user's separator is another, a
// negative rate. It gives the value read, in the user's decimal separator, changes no figure and
// decides nothing about how a window shows it. No note for a plain number, nor for an empty or
// blank text, which is the user's own choice.
std::optional<std::string> RateReadingNote(std::string_view text,
                                           std::string_view decimalSeparator);

// The whole UTF-8 character that starts a text that is not empty, as a note quotes it.
std::string_view FirstCharacter(std::string_view text);

}  // namespace ranktally
