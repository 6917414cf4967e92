// tests/platform/test_bmp.cpp
#include "platform/bmp.h"
#include <gtest/gtest.h>

using namespace plattform;

TEST(Bmp, KopfZeilenauffuellungUndUntenBeginnendeZeilenUngueltigeGroessenGebenNichts)
{
    // 2 x 2: top row red, green; bottom row blue, white (0x00BBGGRR). The header: file size
    // 70, pixels at 54; 2 x 2 bottom-up, 24 bits, 16 bytes of pixels, 96 dpi. Then the rows,
    // bottom first, B G R, 6 bytes a row padded to 8.
    const uint32_t pixel[] = {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF};
    const std::string erwartet("BM" "\x46\0\0\0" "\0\0\0\0" "\x36\0\0\0"
                               "\x28\0\0\0" "\2\0\0\0" "\2\0\0\0" "\1\0" "\x18\0"
                               "\0\0\0\0" "\x10\0\0\0" "\xC4\x0E\0\0" "\xC4\x0E\0\0" "\0\0\0\0" "\0\0\0\0"
                               "\xFF\x00\x00" "\xFF\xFF\xFF" "\x00\x00"
                               "\x00\x00\xFF" "\x00\xFF\x00" "\x00\x00", 70);
    EXPECT_EQ(bmp24Bytes(2, 2, pixel), erwartet);
    EXPECT_EQ(bmp24Bytes(0, 5, pixel) + bmp24Bytes(5, -1, pixel) + bmp24Bytes(100000, 100000, pixel), "");
}
