// S2's round trip in a process whose locale has a decimal comma, set up as
// the program's main sets it up: the application object takes the locale
// from the environment, then LC_NUMERIC goes back to "C". cereal reads
// doubles with std::stod, which follows LC_NUMERIC.

#include "roundtrip.h"
#include "testenv.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace
{

TEST(DecimalCommaLocale, S2OpensAsSaved)
{
    // The environment really has a decimal comma: without the "C" numeric
    // locale a time of 0.0205 would read as 0.
    const std::string ctype = std::setlocale(LC_CTYPE, nullptr);
    ASSERT_EQ(ctype, "it_IT.UTF-8") << "the it_IT.UTF-8 locale is not installed";
    ASSERT_TRUE(std::setlocale(LC_NUMERIC, "it_IT.UTF-8"));
    EXPECT_EQ(std::stod("0.0205"), 0.0);
    std::setlocale(LC_NUMERIC, "C");

    projecttest::expectS2RoundTrip("decimal-comma");
}

} // namespace

int main(int argc, char** argv)
{
    testenv::SealedRoom room; // a fresh HOME; it sets the C locale, undone below
    if (!room.ok())
        return 2;
    unsetenv("LC_ALL");
    setenv("LANG", "it_IT.UTF-8", 1);
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
