// SPDX-License-Identifier: GPL-3.0-or-later
// Rectangle copies between surfaces, clipped at every edge.
#include "game/engine/surface.h"

#include <gtest/gtest.h>

namespace kelvaro {
namespace {

Surface numbered(int w, int h)
{
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s.at(x, y) = static_cast<Pixel>(y * 100 + x);
    return s;
}

TEST(Surface, CopiesARectangleExactly)
{
    const Surface src = numbered(64, 32);
    Surface dst(100, 100, 7);
    dst.copy(src, 32, 0, 32, 32, 10, 20);
    EXPECT_EQ(dst.at(10, 20), src.at(32, 0));
    EXPECT_EQ(dst.at(41, 51), src.at(63, 31));
    EXPECT_EQ(dst.at(42, 51), 7u);
    EXPECT_EQ(dst.at(9, 20), 7u);
}

TEST(Surface, ClipsAtEveryEdge)
{
    const Surface src = numbered(32, 32);
    Surface dst(40, 40, 7);
    dst.copy(src, 0, 0, 32, 32, -4, 30);  // hangs over the left and bottom edges
    EXPECT_EQ(dst.at(0, 30), src.at(4, 0));
    EXPECT_EQ(dst.at(27, 39), src.at(31, 9));
    EXPECT_EQ(dst.at(28, 30), 7u);
    dst.copy(src, 20, -5, 32, 32, 0, 0);  // source rectangle partly outside its surface
    EXPECT_EQ(dst.at(0, 5), src.at(20, 0));
    EXPECT_EQ(dst.at(0, 4), 7u);
    dst.copy(src, 0, 0, 32, 32, 100, 100);  // entirely outside: nothing, no crash
    dst.copy(src, 0, 0, -3, 5, 0, 0);
}

} // namespace
} // namespace kelvaro
