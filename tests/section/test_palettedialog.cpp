// The palette dialog driven through its widgets; file names, names and
// messages go through FakePrompts. Saved files are read back with
// QXmlStreamReader, independently of the archive that wrote them.

#include "colorpalettewidget.h"
#include "fakeprompts.h"
#include "palettedialog.h"
#include "testenv.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace
{

constexpr int DarkRainbow = 7;

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

// Element texts by slash-separated path below the root, e.g.
// "color_gradient/color/value1/mval".
std::map<QString, QString> elementTexts(const std::string& path, QString* rootName,
                                        std::map<QString, QString>* attributes)
{
    std::map<QString, QString> texts;
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&file);
    QStringList stack;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (stack.isEmpty() && rootName)
                *rootName = xml.name().toString();
            stack.push_back(xml.name().toString());
            const QString key = QStringList(stack.mid(1)).join('/');
            for (const QXmlStreamAttribute& a : xml.attributes())
                if (attributes)
                    (*attributes)[key + "@" + a.name().toString()] = a.value().toString();
        } else if (xml.isEndElement()) {
            stack.pop_back();
        } else if (xml.isCharacters() && !xml.isWhitespace()) {
            texts[QStringList(stack.mid(1)).join('/')] += xml.text().toString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return texts;
}

class PaletteDialogTest : public ::testing::Test
{
protected:
    void SetUp() override { dir = testenv::freshDir("palettes"); }

    std::unique_ptr<PaletteDialog> makeDialog(int current = DarkRainbow)
    {
        ColorPaletteList list = builtInPalettes();
        list.curr_palette = current;
        auto dialog = std::make_unique<PaletteDialog>(list);
        dialog->setPrompts(&prompts);
        return dialog;
    }

    // Saves the current palette through the dialog's save button.
    void save(PaletteDialog& d, const std::string& name)
    {
        prompts.saveName = QString::fromStdString(dir + "/" + name);
        saveButton(d)->click();
    }

    static QPushButton* saveButton(PaletteDialog& d)
    {
        return d.findChild<QPushButton*>("savePaletteButton");
    }
    static QPushButton* loadButton(PaletteDialog& d)
    {
        return d.findChild<QPushButton*>("loadPaletteButton");
    }
    static QComboBox* combo(PaletteDialog& d) { return d.findChild<QComboBox*>("comboBox"); }

    void load(PaletteDialog& d, const std::vector<std::string>& names)
    {
        prompts.openNames.clear();
        for (const std::string& n : names)
            prompts.openNames << QString::fromStdString(dir + "/" + n);
        loadButton(d)->click();
    }

    FakePrompts prompts;
    std::string dir;
};

} // namespace

TEST_F(PaletteDialogTest, SavedFileLayoutAndExactReload)
{
    auto d = makeDialog();
    EXPECT_EQ(d->windowTitle(), "Palette Settings");
    EXPECT_EQ(combo(*d)->currentText(), "Dark rainbow");
    save(*d, "rainbow");
    EXPECT_EQ(prompts.lastTitle, "Save Palette");
    EXPECT_EQ(prompts.lastFolder, QDir::homePath() + "/Dark rainbow");
    EXPECT_TRUE(prompts.boxes.empty());

    QString root;
    std::map<QString, QString> attributes;
    const auto texts = elementTexts(dir + "/rainbow.xml", &root, &attributes);
    EXPECT_EQ(root, "cereal");
    const std::map<QString, QString> expected = {
        {"name", "Dark rainbow"},
        {"n_colors", "6"},
        {"is_editable", "false"},
        {"min_db", "0"},
        {"max_db", "99.989999999999995"},
        {"color_gradient/n_colors", "6"},
        {"color_gradient/color/value0/mr", "0.54509803921568623"},
        {"color_gradient/color/value1/mval", "0.20000000298023224"},
        {"color_gradient/color/value5/mval", "1"},
    };
    for (const auto& [key, text] : expected)
        EXPECT_EQ(texts.count(key) ? texts.at(key) : "(missing)", text) << key.toStdString();
    EXPECT_EQ(attributes["color_gradient/color@size"], "dynamic");
    for (int i = 0; i < 6; ++i)
        for (const char* field : {"mr", "mg", "mb", "mval"})
            EXPECT_TRUE(texts.count(QString("color_gradient/color/value%1/%2").arg(i).arg(field)));

    load(*d, {"rainbow.xml"});
    ASSERT_EQ(d->paletteList.palettes.size(), 10u);
    const auto original = builtInPalettes().palettes[DarkRainbow].color_gradient.color;
    const auto& reloaded = d->paletteList.palettes.back().color_gradient.color;
    ASSERT_EQ(reloaded.size(), original.size());
    for (size_t i = 0; i < original.size(); ++i)
        EXPECT_EQ(
            (std::vector<double>{reloaded[i].mr, reloaded[i].mg, reloaded[i].mb, reloaded[i].mval}),
            (std::vector<double>{original[i].mr, original[i].mg, original[i].mb,
                                 original[i].mval}));
    EXPECT_EQ(d->paletteList.curr_palette, 9);
    EXPECT_EQ(combo(*d)->currentIndex(), 9);
}

TEST_F(PaletteDialogTest, UnusableArchivesAreRefused)
{
    auto d = makeDialog();
    save(*d, "good");
    const std::string good = testenv::readText(dir + "/good.xml");
    const size_t colorStart = good.find("<color size=\"dynamic\">");
    const size_t colorEnd = good.find("</color>") + std::string("</color>").size();
    ASSERT_NE(colorStart, std::string::npos);

    const std::map<std::string, std::string> bad = {
        {"no stops",
         good.substr(0, colorStart) + "<color size=\"dynamic\"/>" + good.substr(colorEnd)},
        {"nan position", replaced(good, "<mval>0.20000000298023224</mval>", "<mval>nan</mval>")},
        {"infinite range",
         replaced(good, "<max_db>99.989999999999995</max_db>", "<max_db>inf</max_db>")},
        {"malformed", good.substr(0, good.size() / 2)},
        {"not a palette", "<?xml version=\"1.0\"?>\n<cereal><name>x</name></cereal>\n"},
    };
    for (const auto& [name, text] : bad) {
        SCOPED_TRACE(name);
        testenv::writeText(dir + "/bad.xml", text);
        prompts.boxes.clear();
        testing::internal::CaptureStderr();
        load(*d, {"bad.xml"});
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "[ERROR] Error in loading palette" + dir + "/bad.xml.\n");
        ASSERT_EQ(prompts.boxes.size(), 1u);
        EXPECT_EQ(prompts.boxes[0].second, "Error while loading palette.");
        EXPECT_EQ(d->paletteList.palettes.size(), 9u);
        EXPECT_EQ(combo(*d)->count(), 9);
    }
}

TEST_F(PaletteDialogTest, AcceptedArchivesLoadSortedOrAsTheyAre)
{
    auto d = makeDialog(5); // "Blue to red"
    save(*d, "blue");
    const std::string good = testenv::readText(dir + "/blue.xml");
    // The two stops swapped by hand.
    const std::string first =
        good.substr(good.find("<value0>"), good.find("</value0>") + 9 - good.find("<value0>"));
    const std::string second =
        good.substr(good.find("<value1>"), good.find("</value1>") + 9 - good.find("<value1>"));
    std::string swapped = good;
    swapped.replace(swapped.find(first), first.size(), "@@");
    swapped.replace(swapped.find(second), second.size(), first);
    swapped.replace(swapped.find("@@"), 2, second);
    testenv::writeText(dir + "/swapped.xml", swapped);
    // An empty range is kept: the editor refuses to stretch it.
    testenv::writeText(dir + "/flat.xml",
                       replaced(replaced(good, "<min_db>0</min_db>", "<min_db>10</min_db>"),
                                "<max_db>99.989999999999995</max_db>", "<max_db>10</max_db>"));

    load(*d, {"swapped.xml", "flat.xml"});
    EXPECT_TRUE(prompts.boxes.empty());
    ASSERT_EQ(d->paletteList.palettes.size(), 11u);
    const ColorPalette& sorted = d->paletteList.palettes[9];
    ASSERT_EQ(sorted.color_gradient.color.size(), 2u);
    EXPECT_EQ(sorted.color_gradient.color[0].mval, 0.0);
    EXPECT_EQ(sorted.color_gradient.color[0].mb, 1.0);
    const ColorPalette& flat = d->paletteList.palettes[10];
    EXPECT_EQ(flat.min_db, 10.0);
    EXPECT_EQ(flat.max_db, 10.0);
    EXPECT_EQ(flat.color_gradient.color.size(), 2u);
}

TEST_F(PaletteDialogTest, LoadingStopsAtTheFirstBadFile)
{
    auto d = makeDialog();
    save(*d, "one");
    testenv::writeText(dir + "/two.xml", "not a palette");
    save(*d, "three");
    testing::internal::CaptureStderr();
    load(*d, {"one.xml", "two.xml", "three.xml"});
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(d->paletteList.palettes.size(), 10u); // the first only
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].second, "Error while loading palette.");

    // A file that cannot be opened.
    prompts.boxes.clear();
    testing::internal::CaptureStderr();
    load(*d, {"missing.xml"});
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "[ERROR] Error in opening palette" + dir + "/missing.xml.\n");
    EXPECT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(d->paletteList.palettes.size(), 10u);
}

TEST_F(PaletteDialogTest, SaveNamesAndFailures)
{
    auto d = makeDialog(5);
    save(*d, "my.XML");
    EXPECT_TRUE(std::filesystem::exists(dir + "/my.XML.xml"));
    save(*d, "kept.xml");
    EXPECT_TRUE(std::filesystem::exists(dir + "/kept.xml"));
    EXPECT_FALSE(std::filesystem::exists(dir + "/kept.xml.xml"));

    testing::internal::CaptureStderr();
    save(*d, "missing/p");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "[ERROR] Error in opening palette " + dir + "/missing/p.xml.\n");
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_TRUE(prompts.boxes[0].second.startsWith("Error while saving palette.\n"));
    EXPECT_TRUE(prompts.boxes[0].second.contains("does not exist"))
        << prompts.boxes[0].second.toStdString();
    EXPECT_FALSE(std::filesystem::exists(dir + "/missing"));

    // Cancel writes nothing.
    prompts.saveName.clear();
    saveButton(*d)->click();
    EXPECT_EQ(prompts.boxes.size(), 1u);
}

TEST_F(PaletteDialogTest, CreateNewPaletteCopiesTheCurrentOne)
{
    struct Case {
        const char* name;
        bool accepted;
        QString answer;
        size_t count;
        std::string newName;
    };
    const Case cases[] = {
        {"named", true, "Mine", 10, "Mine"},
        {"empty name keeps the old one", true, "", 10, "Dark rainbow"},
        {"cancelled", false, "Ignored", 9, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto d = makeDialog();
        prompts.textAccepted = c.accepted;
        prompts.textAnswer = c.answer;
        d->findChild<QPushButton*>("create_palette")->click();
        ASSERT_EQ(d->paletteList.palettes.size(), c.count);
        if (!c.accepted) {
            EXPECT_EQ(d->paletteList.curr_palette, DarkRainbow);
            continue;
        }
        EXPECT_EQ(prompts.lastTitle, "Rename Palette");
        const ColorPalette& created = d->paletteList.palettes.back();
        EXPECT_EQ(created.name, c.newName);
        EXPECT_TRUE(created.is_editable);
        EXPECT_EQ(created.color_gradient.color.size(), 6u);
        EXPECT_EQ(d->paletteList.curr_palette, 9);
        EXPECT_EQ(combo(*d)->currentIndex(), 9);
        EXPECT_EQ(combo(*d)->currentText().toStdString(), c.newName);
        EXPECT_TRUE(d->editor()->editable);
        EXPECT_TRUE(d->editor()->addSliderButton->isVisibleTo(d.get()));
    }
}

TEST_F(PaletteDialogTest, EditsReachTheListAndTheRangeIsRead)
{
    auto d = makeDialog();
    prompts.textAnswer = "Mine";
    d->findChild<QPushButton*>("create_palette")->click();
    ColorPaletteWidget* editor = d->editor();
    editor->selectedHandle = 2;
    editor->setColorPicker(
        [](QWidget*, const QColor&, const QString&) { return QColor(255, 0, 0); });
    editor->updateHandleColor();
    EXPECT_EQ(d->paletteList.palettes[9].color_gradient.color[2].mr, 1.0);
    EXPECT_EQ(d->paletteList.palettes[9].color_gradient.color[2].mg, 0.0);

    editor->maxSpinBox->setValue(3000);
    editor->minSpinBox->setValue(250);
    EXPECT_EQ(d->minValue(), 250);
    EXPECT_EQ(d->maxValue(), 3000);
    EXPECT_EQ(d->paletteList.palettes[9].max_db, 3000.0);

    // Choosing another palette shows it and makes it current.
    combo(*d)->setCurrentIndex(5);
    EXPECT_EQ(d->paletteList.curr_palette, 5);
    EXPECT_EQ(editor->editedPalette.name, "Blue to red");
}

TEST_F(PaletteDialogTest, CurrentPaletteOutsideTheListFallsBackToTheFirst)
{
    for (int current : {42, -1}) {
        SCOPED_TRACE(current);
        auto d = makeDialog(current);
        EXPECT_EQ(d->paletteList.curr_palette, 0);
        EXPECT_EQ(combo(*d)->currentIndex(), 0);
        EXPECT_EQ(d->editor()->editedPalette.name, "RGB");
    }
    // An empty list opens too.
    PaletteDialog empty(ColorPaletteList{});
    EXPECT_EQ(empty.paletteList.palettes.size(), 0u);
}
