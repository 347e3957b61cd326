#pragma once

#include <windows.h>

#include <string>

#include "civil_date.h"
#include "plan.h"

namespace ranktally {

// The day in the user's regional format: DATE_LONGDATE or DATE_SHORTDATE.
std::string DateText(CivilDate day, DWORD format);
// The day a level is reached so, or the text that stands in its place.
std::string DateText(const Arrival& arrival, DWORD format);

// The day it is where the user is.
CivilDate Today();

}  // namespace ranktally
