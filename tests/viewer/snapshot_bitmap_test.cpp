#include "snapshot_bitmap.h"

#include <gtest/gtest.h>

TEST(BitmapStride, PadsRowsToFourBytes) {
    EXPECT_EQ(BitmapStride(3), 12u);
    EXPECT_EQ(BitmapStride(5), 16u);
    EXPECT_EQ(BitmapStride(512), 1536u);
}
