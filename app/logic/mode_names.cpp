#include "app/logic/mode_names.h"

#include <array>

namespace pf {

namespace {

// Index = mode number.
constexpr std::array<const char*, 14> kModeNames = {"HOVER",
                                                    "LBUTTON_DOWN",
                                                    "MOVE_MAP",
                                                    "REPOSITION_OBJECT",
                                                    "PLACE_OBJECT",
                                                    "PLACE_END1",
                                                    "PLACE_END2",
                                                    "REPLACE_END1",
                                                    "REPLACE_END2",
                                                    "ROTATE",
                                                    "STRETCH_LEFT_WIDTH",
                                                    "STRETCH_RIGHT_WIDTH",
                                                    "STRETCH_TOP_WIDTH",
                                                    "STRETCH_BOTTOM_WIDTH"};

} // namespace

std::string GetModeName(int mode) {
    if (mode < 0 || mode >= static_cast<int>(kModeNames.size())) {
        return "";
    }
    return kModeNames[static_cast<std::size_t>(mode)];
}

} // namespace pf
