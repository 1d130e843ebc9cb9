// The main of every GoogleTest program here: GoogleTest's own, except that a
// run in which no test was selected fails. A filter that a renamed fixture no
// longer matches would otherwise pass with nothing tested.
#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    if (::testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        std::fprintf(stderr, "No test matches the filter \"%s\": nothing was tested.\n",
                     GTEST_FLAG_GET(filter).c_str());
        return 1;
    }
    return result;
}
