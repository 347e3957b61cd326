#pragma once

#include <cstdint>
#include <vector>

namespace ranktally {

// One size of the window's icon: `size` by `size` pixels, 0xAARRGGBB, row by row.
struct IconPixels {
    int size;
    const std::uint32_t* argb;
};

// Made by the build from the project's SVG icon.
extern const std::vector<IconPixels> kWindowIconPixels;

}  // namespace ranktally
