// tests/platform/test_system.cpp
#include "platform/system.h"
#include <gtest/gtest.h>
#include <sched.h>

using namespace plattform;

TEST(Kerne, BindenNurAnErlaubteKerneUndZurueck)
{
    const uint64_t maske = prozessKerne();
    ASSERT_NE(maske, 0u);
    const int kern = __builtin_ctzll(maske);
    std::string grund;
    ASSERT_TRUE(aufKernBinden(kern, &grund)) << grund;
    cpu_set_t jetzt;
    ASSERT_EQ(::sched_getaffinity(0, sizeof jetzt, &jetzt), 0);
    EXPECT_TRUE(CPU_COUNT(&jetzt) == 1 && CPU_ISSET(kern, &jetzt));
    kernBindungAufheben();
    ASSERT_EQ(::sched_getaffinity(0, sizeof jetzt, &jetzt), 0);
    EXPECT_EQ(CPU_COUNT(&jetzt), __builtin_popcountll(maske));

    EXPECT_FALSE(aufKernBinden(-1, &grund) || aufKernBinden(64, &grund));
    EXPECT_NE(grund.find("64"), std::string::npos);
}
