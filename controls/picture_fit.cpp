#include "controls/picture_fit.h"

#include <cstdint>

namespace pf {

namespace {
std::int64_t DownToFour(std::int64_t value) { return value / 4 * 4; }
} // namespace

PictureFit FitPicture(int clientWidth, int textTop, int imageWidth, int imageHeight) {
    PictureFit fit;
    const std::int64_t roomWidth = DownToFour(std::int64_t{clientWidth} - 20);
    const std::int64_t roomHeight = DownToFour(std::int64_t{textTop} - 20);
    if (roomWidth < 4 || roomHeight < 4 || imageWidth <= 0 || imageHeight <= 0) {
        return fit;
    }
    std::int64_t width = imageWidth;
    std::int64_t height = imageHeight;
    if (width > roomWidth) {
        height = height * roomWidth / width;
        width = roomWidth;
    }
    if (height > roomHeight) {
        width = width * roomHeight / height;
        height = roomHeight;
    }
    width = DownToFour(width);
    height = DownToFour(height);
    if (width < 4 || height < 4) {
        return fit;
    }
    fit.shown = true;
    fit.width = static_cast<int>(width);
    fit.height = static_cast<int>(height);
    fit.x = clientWidth / 2 - fit.width / 2;
    return fit;
}

} // namespace pf
