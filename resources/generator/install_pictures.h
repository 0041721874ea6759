#pragma once
// The pictures of the install folder: object icons and button pictures, drawn in code so
// that every file can be made again byte for byte.
#include "imagery/bitmap_data.h"

#include <string>
#include <vector>

namespace pf::pictures {

struct Picture {
    std::string path; // relative to the install folder, '/' separated
    BitmapData image; // 24 bits, top row first
};

std::vector<Picture> DrawInstallPictures();

} // namespace pf::pictures
