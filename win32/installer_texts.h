#pragma once

#include <string_view>

#include "translation.h"

// The installer's own texts, marked for the catalogue: the build writes them, in every shipped
// language, into the installer's script. The program itself shows none of them.
namespace ranktally {

// TRANSLATORS: the installer's first page; %1 is the version, such as "1.0.0".
inline constexpr std::string_view kInstallerWelcome =
    N_("Setup will install Ranktally %1 for you, with no need for administrator rights.\n\n"
       "Click Next to continue.");

}  // namespace ranktally
