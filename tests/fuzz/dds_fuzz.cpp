// DDS from memory.
#include "fuzz_support.h"

#include "imagery/bitmap_data.h"
#include "imagery/dds_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    pf::fuzz::Sandbox::Get();
    pf::BitmapData image;
    if (pf::DecodeDds(data, size, image)) {
        pf::fuzz::Check(image.HasPixels() && image.BitsPerPixel() == 32, "a DDS without pixels");
    }
    return 0;
}
