#pragma once
// JPEG files through libjpeg: the thin packed-RGB layer and the conversion to and from
// BitmapData. Packed RGB buffers are width x height x 3 bytes, red first, top row first.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

struct jpeg_common_struct;

namespace pf {

class BitmapData;

// Decodes a JPEG file into a new packed RGB buffer (grey files come out with equal
// channels). Width and height are set to 0 first. Failures show their box and give null:
// damaged data (libjpeg's first warning counts as an error) and pictures beyond the image
// caps are refused before anything of their size is allocated.
std::unique_ptr<uint8_t[]> JpegFileToRGB(const std::string& path, int& width, int& height);

// The same from bytes in memory, without any message: the codec's decoder.
std::unique_ptr<uint8_t[]> DecodeJpegToRGB(const uint8_t* data, size_t size, int& width,
                                           int& height);

// The same straight into a 24-bit or 32-bit image record (blue first, alpha 255), silent.
// False, image empty, for damaged data, a picture beyond the image caps, or bits other
// than 24 and 32.
bool DecodeJpegToBitmap(const uint8_t* data, size_t size, int bits, BitmapData& image);

// Writes a packed RGB buffer as a JPEG file (colour, or grey from the RGB pixels), through a
// temporary file that replaces the target only when everything was written.
bool RGBToJpegFile(const std::string& path, const uint8_t* buffer, int width, int height,
                   bool colour, int quality);

// libjpeg's error exit: shows the library's message (unless the running call is quiet)
// and jumps back to the running call, which then cleans up and fails.
void JpegErrorExit(jpeg_common_struct* info);

// A packed copy of rows that lie rowBytes apart; null for null data or failed allocation.
std::unique_ptr<uint8_t[]> JpegMakePacked(const uint8_t* data, int width, int rowBytes, int height);

// Exchanges bytes 0 and 2 of every 3-byte pixel; false only for a null buffer.
bool JpegSwapRedBlue(uint8_t* buffer, int width, int height);

// True when the bytes start like a JPEG file (FF D8 FF).
bool IsJpegData(const uint8_t* data, size_t size);

// A 24-bit image from a JPEG file; false without a message when the file does not exist.
bool LoadJpegToBitmap(const std::string& path, BitmapData& image);

// Saves the colour channels of any image that converts to 24 bits.
bool SaveBitmapAsJpeg(const BitmapData& image, const std::string& path, int quality = 75);

} // namespace pf
