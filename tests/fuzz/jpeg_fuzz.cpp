// JPEG from memory (packed RGB and straight into an image record) and from a file.
#include "fuzz_support.h"

#include "imagery/bitmap_data.h"
#include "imagery/jpeg_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const pf::fuzz::Sandbox& sandbox = pf::fuzz::Sandbox::Get();
    int width = 0;
    int height = 0;
    std::unique_ptr<uint8_t[]> rgb = pf::DecodeJpegToRGB(data, size, width, height);
    pf::fuzz::Check((rgb != nullptr) == (width > 0 && height > 0), "size without pixels");
    pf::BitmapData image;
    const bool decoded = pf::DecodeJpegToBitmap(data, size, 32, image);
    pf::fuzz::Check(decoded == (rgb != nullptr), "the two decoders disagree");
    pf::fuzz::Check(!decoded || (image.Width() == width && image.Height() == height),
                    "the two decoders give other sizes");
    sandbox.Write("input.jpg", data, size);
    pf::BitmapData loaded;
    pf::LoadJpegToBitmap(sandbox.Dir().InternalPath("input.jpg"), loaded);
    return 0;
}
