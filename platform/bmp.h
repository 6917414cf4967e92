// platform/bmp.h - the bytes of a 24-bit BMP file
#pragma once
#include <cstdint>
#include <string>

namespace plattform {

// pixel: hoehe rows of breite colours (0x00BBGGRR), top row first. The file stores the
// rows bottom-up, three bytes (B, G, R) a pixel, each row padded to a multiple of 4.
// "" when the size is not positive or the file would exceed 2 GB.
std::string bmp24Bytes(int breite, int hoehe, const uint32_t* pixel);

} // namespace plattform
