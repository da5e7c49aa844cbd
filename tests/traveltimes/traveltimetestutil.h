#pragma once
// Fixture texts and expected documents shared by the travel-time tests.

#include "records.h"
#include "testenv.h"
#include "tomodocument.h"
#include "traveltimereaders.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

inline bool operator==(const Point2D& a, const Point2D& b)
{
    return a.x == b.x && a.z == b.z;
}

inline void PrintTo(const Point2D& p, std::ostream* out)
{
    *out << "(" << p.x << ", " << p.z << ")";
}

namespace traveltimes
{

struct ExpectedShot {
    uint32_t spread;
    Point2D position;
    std::vector<double> times; // s
};

struct ExpectedDocument {
    ReceiverSpreads spreads;
    std::vector<ExpectedShot> shots;
};

inline std::string fixtureText(const std::string& name)
{
    return testenv::readText(testenv::fixture("traveltimes/" + name));
}

// text with every occurrence of each `from` replaced; an edit that matches
// nothing is a broken test, so it throws.
inline std::string edited(std::string text,
                          const std::vector<std::pair<std::string, std::string>>& edits)
{
    for (const auto& [from, to] : edits) {
        auto at = text.find(from);
        if (at == std::string::npos)
            throw std::invalid_argument("edit does not apply: " + from);
        for (; at != std::string::npos; at = text.find(from, at + to.size()))
            text.replace(at, from.size(), to);
    }
    return text;
}

inline std::string withCrlf(const std::string& text)
{
    return edited(text, {{"\n", "\r\n"}});
}

// Imported records stand alone: no trace set, and no computed time yet.
inline void expectDocument(const TomoDocument& doc, const ExpectedDocument& expected)
{
    EXPECT_EQ(doc.goephonesStringSet, expected.spreads);
    ASSERT_EQ(doc.ttArray.size(), expected.shots.size());
    for (size_t k = 0; k < expected.shots.size(); ++k) {
        SCOPED_TRACE("record " + std::to_string(k));
        const TravelTime& tt = doc.ttArray[k];
        EXPECT_EQ(tt.indexStesa, expected.shots[k].spread);
        EXPECT_EQ(tt.traceSetID, 0xFFFFFFFFu);
        EXPECT_EQ(tt.shotPos2d, expected.shots[k].position);
        EXPECT_EQ(tt.ttMisurati, expected.shots[k].times);
        EXPECT_EQ(tt.ttCalcolati, std::vector<double>(tt.ttMisurati.size(), 0.0));
    }
}

inline const ExpectedDocument& otteFixtureDocument()
{
    static const ExpectedDocument doc{
        {{{0, 100}, {5, 100}, {10, 100}}, {{20, 101}, {25, 102}}},
        {{1, {-2.5, 100}, {0.01, 0.0205}}, {0, {30, 99}, {0.0125, 0.0, -99.0}}}};
    return doc;
}

inline const ExpectedDocument& csvFixtureDocument()
{
    static const ExpectedDocument doc{
        {{{5, 100.5}, {10, 100.7}}},
        {{0, {0, 100}, {0.012, 0.015}}, {0, {10, 101}, {0.008, 0.009}}}};
    return doc;
}

} // namespace traveltimes
