// GoogleTest's main for the programs that run under Wine, one case per run:
// a run that selects no case fails, so that a case renamed or missing from
// the program cannot pass unseen.
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    if (testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        std::fputs("no test case matches the filter\n", stderr);
        return 1;
    }
    return result;
}
