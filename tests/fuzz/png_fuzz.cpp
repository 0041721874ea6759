// PNG from memory; what decodes is written again and must decode to the same pixels.
#include "fuzz_support.h"

#include "imagery/bitmap_data.h"
#include "imagery/png_file.h"

#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    pf::fuzz::Sandbox::Get();
    pf::BitmapData image;
    if (!pf::DecodePng(data, size, image)) {
        pf::fuzz::Check(!image.HasPixels(), "a refused PNG left pixels");
        return 0;
    }
    std::vector<uint8_t> bytes;
    pf::fuzz::Check(pf::EncodePng(image, bytes), "a decoded PNG cannot be written");
    pf::BitmapData again;
    pf::fuzz::Check(pf::DecodePng(bytes.data(), bytes.size(), again),
                    "a written PNG does not read");
    pf::fuzz::Check(again.Width() == image.Width() && again.Height() == image.Height() &&
                        std::memcmp(again.Pixels(), image.Pixels(), image.ByteCount()) == 0,
                    "a PNG written and read again changed");
    return 0;
}
