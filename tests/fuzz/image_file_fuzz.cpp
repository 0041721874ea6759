// Any image by its content, as the texture codec reads tile, icon and cache files: from
// memory and from a file.
#include "fuzz_support.h"

#include "imagery/bitmap_data.h"
#include "imagery/texture_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const pf::fuzz::Sandbox& sandbox = pf::fuzz::Sandbox::Get();
    pf::BitmapData image;
    const bool decoded = pf::DecodeImageData(data, size, image);
    pf::fuzz::Check(!decoded || (image.HasPixels() && image.BitsPerPixel() == 32),
                    "a decoded image without 32-bit pixels");
    sandbox.Write("input.img", data, size);
    pf::BitmapData loaded;
    pf::fuzz::Check(pf::LoadImageFileGuarded(sandbox.Dir().InternalPath("input.img"), loaded) ==
                        decoded,
                    "file and memory readers disagree");
    return 0;
}
