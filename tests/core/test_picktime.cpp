#include "tomodocument.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

namespace
{

TEST(PickTime, WritesOneEntryAndRefusesIndicesPastTheEnd)
{
    TomoDocument doc;
    doc.ttArray.resize(2);
    doc.ttArray[1].ttMisurati.assign(3, 0.0);
    doc.setPickTime(1, 2, 0.042);
    EXPECT_EQ(doc.ttArray[1].ttMisurati, (std::vector<double>{0.0, 0.0, 0.042}));
    EXPECT_FALSE(doc.modified); // the panel marks the document, not the setter

    EXPECT_THROW(doc.setPickTime(1, 3, 0.1), std::out_of_range);
    EXPECT_THROW(doc.setPickTime(2, 0, 0.1), std::out_of_range);
    EXPECT_THROW(doc.setPickTime(0, 0, 0.1), std::out_of_range);
}

// The trace panel scales each trace by its maximum minus its mean.
TEST(TraceStatistics, ReadTheirOwnVectorAndHandleEmptyOnes)
{
    Trace t;
    EXPECT_EQ(t.meanSamples(), 0.0);
    EXPECT_EQ(t.meanFiltered(), 0.0);
    EXPECT_EQ(t.meanSamples2(), 0.0);
    EXPECT_EQ(t.maxSamples(), std::numeric_limits<double>::lowest());
    EXPECT_EQ(t.maxSamples2(), std::numeric_limits<double>::lowest());

    t.samples = {1.0, -4.0, 6.0};
    t.filtered = {2.0};
    t.samplesDX = {-1.0, -3.0};
    EXPECT_EQ(t.meanSamples(), 1.0);
    EXPECT_EQ(t.meanFiltered(), 2.0);
    EXPECT_EQ(t.meanSamples2(), -2.0);
    EXPECT_EQ(t.maxSamples(), 6.0);
    EXPECT_EQ(t.maxSamples2(), -1.0);
}

} // namespace
