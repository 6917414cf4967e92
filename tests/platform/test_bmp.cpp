// tests/platform/test_bmp.cpp
#include "platform/bmp.h"
#include <gtest/gtest.h>
#include <vector>

using namespace plattform;

namespace {
uint32_t le32(const std::string& s, size_t o)
{
    return static_cast<uint8_t>(s[o]) | static_cast<uint8_t>(s[o + 1]) << 8 |
           static_cast<uint8_t>(s[o + 2]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(s[o + 3])) << 24;
}
} // namespace

TEST(Bmp, KopfZeilenauffuellungUndUntenBeginnendeZeilen)
{
    // 2 x 2: top row red, green; bottom row blue, white (0x00BBGGRR)
    const uint32_t pixel[] = {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF};
    const std::string s = bmp24Bytes(2, 2, pixel);
    ASSERT_EQ(s.size(), 54u + 2 * 8);           // 6 bytes a row, padded to 8
    EXPECT_EQ(s.substr(0, 2), "BM");
    EXPECT_EQ(le32(s, 2), 70u);
    EXPECT_EQ(le32(s, 10), 54u);
    EXPECT_EQ(le32(s, 14), 40u);
    EXPECT_EQ(le32(s, 18), 2u);
    EXPECT_EQ(le32(s, 22), 2u);                 // positive: bottom-up
    EXPECT_EQ(static_cast<uint8_t>(s[28]), 24);
    EXPECT_EQ(le32(s, 34), 16u);
    const std::string daten = s.substr(54);
    const std::string erwartet("\xFF\x00\x00" "\xFF\xFF\xFF" "\x00\x00"     // bottom row first, B G R
                               "\x00\x00\xFF" "\x00\xFF\x00" "\x00\x00", 16);
    EXPECT_EQ(daten, erwartet);
}

TEST(Bmp, UngueltigeGroessenGebenNichts)
{
    const uint32_t p = 0;
    EXPECT_EQ(bmp24Bytes(0, 5, &p), "");
    EXPECT_EQ(bmp24Bytes(5, -1, &p), "");
    EXPECT_EQ(bmp24Bytes(100000, 100000, &p), "");   // over 2 GB
    std::vector<uint32_t> breit(5, 0x123456);
    EXPECT_EQ(bmp24Bytes(5, 1, breit.data()).size(), 54u + 16);   // 15 bytes padded to 16
}
