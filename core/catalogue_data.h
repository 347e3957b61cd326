#pragma once

#include <span>
#include <string_view>

#include "translation.h"

// The catalogue as the build compiles it from po/: one generated source for the languages one
// program carries.
namespace ranktally::catalogue {

extern const std::span<const std::string_view> kSources;
extern const std::span<const Language> kLanguages;

}  // namespace ranktally::catalogue
