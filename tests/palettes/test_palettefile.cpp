// Palette files are checked with QXmlStreamReader, a parser independent of
// the cereal archive that writes them.

#include "palettefile.h"
#include "testenv.h"

#include <QFile>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace
{

ColorPalette testPalette()
{
    ColorPalette p;
    p.name = "Test";
    p.is_editable = true;
    p.min_db = 0;
    p.max_db = 3000;
    // Out of order, with a repeated position: the file holds 3 stops, sorted,
    // the first green one winning.
    p.color_gradient.color = {{1, 0, 0, 1.0}, {0, 0, 1, 0.0}, {0, 1, 0, 0.5}, {1, 1, 1, 0.5}};
    return p;
}

std::string savedTestPalette(const std::string& name)
{
    const std::string path = testenv::freshDir(name) + "/test.xml";
    const ColorPalette palette = testPalette();
    EXPECT_TRUE(savePaletteFile(palette, path));
    EXPECT_EQ(palette.color_gradient.color.size(), 4u); // the palette itself stays
    return path;
}

// An element's child elements in order, as (name, text or "" for a parent).
struct Element {
    QString name;
    QString text;
    QXmlStreamAttributes attributes;
    std::vector<Element> children;
};

Element readElement(QXmlStreamReader& xml)
{
    Element e{xml.name().toString(), {}, xml.attributes(), {}};
    while (xml.readNext() != QXmlStreamReader::EndElement && !xml.hasError()) {
        if (xml.isStartElement())
            e.children.push_back(readElement(xml));
        else if (xml.isCharacters() && !xml.isWhitespace())
            e.text += xml.text();
    }
    return e;
}

std::vector<QString> names(const Element& e)
{
    std::vector<QString> result;
    for (const Element& c : e.children)
        result.push_back(c.name);
    return result;
}

TEST(PaletteFile, LayoutSeenByAnIndependentParser)
{
    QFile file(QString::fromStdString(savedTestPalette("layout")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    ASSERT_EQ(xml.readNext(), QXmlStreamReader::StartDocument);
    EXPECT_EQ(xml.documentVersion(), "1.0");
    EXPECT_EQ(xml.documentEncoding(), "utf-8");
    ASSERT_TRUE(xml.readNextStartElement());
    const Element root = readElement(xml);
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(root.name, "cereal");

    const std::vector<QString> order{"name",   "n_colors", "is_editable",
                                     "min_db", "max_db",   "color_gradient"};
    ASSERT_EQ(names(root), order);
    EXPECT_EQ(root.children[0].text, "Test");
    EXPECT_EQ(root.children[1].text.toInt(), 4);
    EXPECT_EQ(root.children[2].text, "true");
    EXPECT_EQ(root.children[3].text.toDouble(), 0.0);
    EXPECT_EQ(root.children[4].text.toDouble(), 3000.0);

    const Element& gradient = root.children[5];
    ASSERT_EQ(names(gradient), (std::vector<QString>{"n_colors", "color"}));
    EXPECT_EQ(gradient.children[0].text.toInt(), 3);
    const Element& color = gradient.children[1];
    EXPECT_EQ(color.attributes.value("size"), "dynamic");
    ASSERT_EQ(names(color), (std::vector<QString>{"value0", "value1", "value2"}));
    const double expected[3][4] = {{0, 0, 1, 0.0}, {0, 1, 0, 0.5}, {1, 0, 0, 1.0}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const Element& stop = color.children[size_t(i)];
        ASSERT_EQ(names(stop), (std::vector<QString>{"mr", "mg", "mb", "mval"}));
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(stop.children[size_t(k)].text.toDouble(), expected[i][k]);
    }
}

TEST(PaletteFile, LoadsWhatWasSaved)
{
    const std::string path = savedTestPalette("round-trip");
    ColorPalette loaded;
    ASSERT_TRUE(loadPaletteFile(loaded, path));
    EXPECT_EQ(loaded.name, "Test");
    EXPECT_TRUE(loaded.is_editable);
    EXPECT_EQ(loaded.min_db, 0.0);
    EXPECT_EQ(loaded.max_db, 3000.0);
    ASSERT_EQ(loaded.color_gradient.color.size(), 3u);
    const double expected[3][4] = {{0, 0, 1, 0.0}, {0, 1, 0, 0.5}, {1, 0, 0, 1.0}};
    for (int i = 0; i < 3; ++i) {
        const GradientColorPoint& p = loaded.color_gradient.color[size_t(i)];
        EXPECT_EQ((std::vector<double>{p.mr, p.mg, p.mb, p.mval}),
                  std::vector<double>(expected[i], expected[i] + 4));
    }
}

static std::string repeated(const std::string& text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

TEST(PaletteFile, FailuresLeaveThePaletteAlone)
{
    const std::string dir = testenv::freshDir("failures");
    const auto saved = testenv::readBytes(savedTestPalette("failures-source"));
    std::string text(saved.begin(), saved.end());
    const auto maxStart = text.find("<max_db>");
    const auto maxEnd = text.find("</max_db>");
    ASSERT_NE(maxEnd, std::string::npos);
    const std::string withoutMax =
        text.substr(0, maxStart) + text.substr(maxEnd + std::string("</max_db>").size());

    const std::map<std::string, std::string> files{
        {"without max_db", withoutMax},
        {"not xml", "not xml"},
        {"other root", "<?xml version=\"1.0\"?>\n<palette><name>x</name></palette>\n"},
        // A recursive parser overflows the stack long before the end.
        {"nested 100,000 deep",
         "<cereal>" + repeated("<a>", 100000) + repeated("</a>", 100000) + "</cereal>"},
    };
    for (const auto& [name, content] : files) {
        SCOPED_TRACE(name);
        const std::string path = dir + "/bad.xml";
        testenv::writeBytes(path, {content.begin(), content.end()});
        ColorPalette palette;
        palette.name = "kept";
        palette.color_gradient.color = {{1, 1, 1, 0.5}};
        EXPECT_FALSE(loadPaletteFile(palette, path));
        EXPECT_EQ(palette.name, "kept");
        EXPECT_EQ(palette.max_db, 99.99);
        EXPECT_EQ(palette.color_gradient.color.size(), 1u);
    }
    ColorPalette untouched;
    EXPECT_FALSE(loadPaletteFile(untouched, dir + "/missing.xml"));

    // The archive writes at its end, after save() has returned: a full disk
    // shows only on the closed stream.
    EXPECT_FALSE(savePaletteFile(testPalette(), "/dev/full"));
    EXPECT_FALSE(savePaletteFile(testPalette(), dir + "/missing/folder/p.xml"));
}

} // namespace
