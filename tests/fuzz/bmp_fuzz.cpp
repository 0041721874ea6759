// BMP from memory, from a stream and from a file.
#include "fuzz_support.h"

#include "foundation/stream.h"
#include "imagery/bitmap_data.h"
#include "imagery/bmp_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const pf::fuzz::Sandbox& sandbox = pf::fuzz::Sandbox::Get();
    pf::BitmapData image;
    const bool convert = size > 0 && (data[size - 1] & 1) != 0;
    const bool decoded = pf::DecodeBmp(data, size, image, convert);
    pf::MemStream stream;
    pf::fuzz::Fill(stream, data, size);
    pf::BitmapData streamed;
    pf::fuzz::Check(pf::ReadBmp(stream, streamed, convert) == decoded,
                    "memory and stream readers disagree");
    sandbox.Write("input.bmp", data, size);
    pf::BitmapData loaded;
    pf::LoadBmpFile(sandbox.Dir().InternalPath("input.bmp"), loaded);
    return 0;
}
