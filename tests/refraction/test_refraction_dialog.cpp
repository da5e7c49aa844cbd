// The refraction dialog driven offscreen: shot rows, Build profiles, the
// lists of refractors and the PNG export read back pixel by pixel.
#include "edittraveltimeswidget.h"
#include "refractionmodels.h"
#include "refractionprocessingdialog.h"
#include "refractionprompts.h"
#include "testenv.h"
#include "unaskedprompts.h"
#include "viewoptionswidget.h"
#include "xyplot.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace
{
class FakePrompts : public UnaskedPrompts<UserPrompts>
{
public:
    QString saveName; // empty: Cancel
    QString caption;
    QStringList warnings;

    QString saveFileName(QWidget*, const QString& c, const QString&, const QString&,
                         const QString&) override
    {
        caption = c;
        return saveName;
    }
    QMessageBox::StandardButton message(QWidget*, const PromptMessage& m) override
    {
        EXPECT_EQ(m.icon, QMessageBox::Warning);
        EXPECT_EQ(m.title, QStringLiteral("Warning"));
        warnings << m.text;
        return QMessageBox::Ok;
    }
};

struct Session {
    TomoDocument doc;
    refractionDataStructure data;
    FakePrompts prompts;
    RefractionProcessingDialog dialog;

    explicit Session(const refractionmodels::Model& m)
    {
        refractionmodels::load(m, doc, data);
        dialog.prompts = &prompts;
        dialog.setDocument(&doc);
        dialog.setRefractionData(&data);
    }
    template <typename T> T* child(const char* name)
    {
        T* w = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void build() { child<QPushButton>("pushAutoPhantButton")->click(); }
    QStringList items(const char* list)
    {
        QStringList texts;
        auto* w = child<QListWidget>(list);
        for (int i = 0; i < w->count(); ++i)
            texts << w->item(i)->text();
        return texts;
    }
};

TEST(RefractionDialog, BuildFillsTheListsAndThePlots)
{
    Session a(refractionmodels::read("model_a.txt"));
    a.data.refractData.cData[0].z.assign(24, 7.0); // stored results are not shown
    EXPECT_TRUE(a.items("phantomListWidget").isEmpty());
    EXPECT_EQ(a.child<QComboBox>("layerListCB")->count(), 0);
    EXPECT_FALSE(a.dialog.refractionDataChanged());
    a.build();
    EXPECT_TRUE(a.prompts.warnings.isEmpty()) << a.prompts.warnings.join("\n").toStdString();
    EXPECT_EQ(a.items("phantomListWidget"), QStringList{"2"});
    EXPECT_TRUE(a.dialog.refractionDataChanged());
    auto* velocity = a.child<xyPlot>("widgetVelocity");
    auto* profile = a.child<xyPlot>("widgetRefrProfile");
    ASSERT_EQ(velocity->curves.size(), 2u);
    EXPECT_EQ(profile->yLabel, QByteArray("(m)"));
    EXPECT_EQ(a.child<editTravelTimesWidget>("phantomView")->plotMode, 1);
    EXPECT_EQ(a.child<editTravelTimesWidget>("widgetTV")->values, a.data.refractData.cData[0].tV);

    Session b(refractionmodels::read("model_b.txt"));
    b.build();
    EXPECT_EQ(b.items("phantomListWidget"), (QStringList{"2", "3"}));
    std::vector<uint32_t> colours;
    for (const auto& c : b.child<xyPlot>("widgetRefrProfile")->curves)
        colours.push_back(c.color);
    EXPECT_EQ(colours, (std::vector<uint32_t>{0x009900, 0x000000, 0xAA0000}));
    // The combo box names the refractor it shows.
    auto* combo = b.child<QComboBox>("layerListCB");
    combo->setCurrentIndex(1);
    EXPECT_EQ(b.child<editTravelTimesWidget>("widgetTG")->values, b.data.refractData.cData[1].tG);
}

TEST(RefractionDialog, SelectedLayerReachesTheEditor)
{
    Session s(refractionmodels::read("model_a.txt"));
    auto* list = s.child<QListWidget>("listWidget");
    ASSERT_EQ(list->count(), 4);
    auto* editor = s.child<editTravelTimesWidget>("TTWidget");
    list->setCurrentRow(3);
    EXPECT_EQ(editor->selectedLayer, 3);
    list->setCurrentRow(0);
    EXPECT_EQ(editor->selectedLayer, 0);
}

TEST(RefractionDialog, ShotRowsSpeakForTheirPlaceInTheList)
{
    refractionmodels::Model m = refractionmodels::read("model_a.txt");
    m.shots.push_back({20.0, {}, {}}); // record 2: no times, shotID stays 0
    m.shots.push_back(m.shots[0]);
    m.shots.back().x = 57.25;
    Session s(m);
    ASSERT_EQ(s.dialog.optionRows.size(), 4u);
    EXPECT_EQ(s.data.ttLayer[2].shotID, 0u);
    auto* editor = s.child<editTravelTimesWidget>("TTWidget");
    for (int i : {2, 3}) {
        viewOptionsWidget* row = s.dialog.optionRows[size_t(i)];
        const QString x = i == 2 ? "20" : "57.25";
        EXPECT_EQ(row->findChild<QLabel*>("shotIDAndPos")->text(),
                  QString("ID %1 X: %2 m").arg(i).arg(x));
        QSignalSpy spy(row, &viewOptionsWidget::enableChanged);
        row->findChild<QCheckBox*>("enableCkBox")->setChecked(false);
        ASSERT_EQ(spy.count(), 1);
        EXPECT_EQ(spy.at(0).at(0).toInt(), i);
        EXPECT_FALSE(spy.at(0).at(1).toBool());
        EXPECT_FALSE(s.data.ttLayer[size_t(i)].enabled);
        EXPECT_FALSE(editor->shotEnabled.testBit(i));
        EXPECT_TRUE(editor->shotEnabled.testBit(0));
    }
    EXPECT_TRUE(s.dialog.refractionDataChanged());
    s.dialog.optionRows[3]->findChild<QCheckBox*>("enableCkBox")->setChecked(true);
    EXPECT_TRUE(s.data.ttLayer[3].enabled);
    EXPECT_EQ(s.dialog.optionRows[0]->findChild<QLabel*>("shotIDAndPos")->text(),
              QStringLiteral("ID 0 X: -2.5 m"));
}

TEST(RefractionDialog, ExportedPageShowsVelocityAboveProfile)
{
    Session s(refractionmodels::read("model_a.txt"));
    s.build();
    const QString dir = QString::fromStdString(testenv::freshDir("refraction-png"));
    s.prompts.saveName = dir + "/page.png";
    s.child<QPushButton>("exportRefPNGButton")->click();
    EXPECT_EQ(s.prompts.caption, QStringLiteral("Save Project"));
    EXPECT_TRUE(s.prompts.warnings.isEmpty());
    QImage page(s.prompts.saveName);
    ASSERT_EQ(page.size(), QSize(1500, 1666));
    page = page.convertToFormat(QImage::Format_RGB32);
    const auto expectRows = [&](int from, int to, QRgb colour) {
        for (int y = from; y <= to; ++y)
            EXPECT_EQ(page.pixel(750, y) & 0xffffff, colour) << "row " << y;
    };
    expectRows(166, 169, 0x009900);   // v2 2000 m/s
    expectRows(729, 732, 0x000000);   // V1 500 m/s
    expectRows(999, 1002, 0x000000);  // ground at 100 m
    expectRows(1562, 1565, 0x009900); // refractor at 90 m
    EXPECT_FALSE(s.child<xyPlot>("widgetVelocity")->printing);
}

TEST(RefractionDialog, FailedExportSaysSoAndLeavesNoFile)
{
    Session s(refractionmodels::read("model_a.txt"));
    s.build();
    const QString dir = QString::fromStdString(testenv::freshDir("refraction-bad"));
    ASSERT_TRUE(QDir(dir).mkdir("taken.png"));
    // "/dev/full" itself would get ".png": a link with the extension leads there.
    std::filesystem::create_symlink("/dev/full", (dir + "/full.png").toStdString());
    const struct {
        QString target;
        QString reason;
    } cases[] = {
        {dir + "/missing/page.png", "does not exist"},
        {dir + "/taken.png", "not a regular file"},
        {dir + "/full.png", "not a regular file"},
    };
    for (const auto& c : cases) {
        s.prompts.warnings.clear();
        s.prompts.saveName = c.target;
        s.child<QPushButton>("exportRefPNGButton")->click();
        ASSERT_EQ(s.prompts.warnings.size(), 1);
        EXPECT_TRUE(s.prompts.warnings[0].startsWith("Unable to save the image " + c.target + "\n"))
            << s.prompts.warnings[0].toStdString();
        EXPECT_TRUE(s.prompts.warnings[0].contains(c.reason))
            << s.prompts.warnings[0].toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir + "/missing/page.png"));
    EXPECT_TRUE(QFileInfo(dir + "/taken.png").isDir());
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));

    // An old file is replaced.
    const QString old = dir + "/old.png";
    testenv::writeText(old.toStdString(), "not a picture");
    s.prompts.warnings.clear();
    s.prompts.saveName = old;
    s.child<QPushButton>("exportRefPNGButton")->click();
    EXPECT_TRUE(s.prompts.warnings.isEmpty());
    EXPECT_EQ(QImage(old).size(), QSize(1500, 1666));

    // A name typed without an extension gets ".png".
    s.prompts.warnings.clear();
    s.prompts.saveName = dir + "/plots";
    s.child<QPushButton>("exportRefPNGButton")->click();
    EXPECT_TRUE(s.prompts.warnings.isEmpty());
    EXPECT_EQ(QImage(dir + "/plots.png").size(), QSize(1500, 1666));
    EXPECT_FALSE(QFile::exists(dir + "/plots"));

    // Cancel writes nothing.
    s.prompts.saveName.clear();
    s.child<QPushButton>("exportRefPNGButton")->click();
    EXPECT_TRUE(s.prompts.warnings.isEmpty());
}

TEST(RefractionDialog, FailedBuildWarnsOnceAndLeavesEmptyResults)
{
    refractionmodels::Model m = refractionmodels::read("model_a.txt");
    m.shots[0].x = 37.5;
    m.shots[1].x = 77.5;
    Session s(m);
    s.build();
    EXPECT_EQ(s.prompts.warnings, QStringList{"Unable to find nearest shot for first refractor"});
    EXPECT_TRUE(s.data.refractData.cData[0].z.empty());
    EXPECT_TRUE(s.items("phantomListWidget").isEmpty());
    EXPECT_TRUE(s.child<xyPlot>("widgetVelocity")->curves.empty());
}

// A build that fails after a good one: the plots and their picture no longer
// show the earlier results.
TEST(RefractionDialog, FailedBuildAfterAGoodOneClearsThePlotsAndThePicture)
{
    Session s(refractionmodels::read("model_a.txt"));
    s.build();
    ASSERT_EQ(s.child<xyPlot>("widgetVelocity")->curves.size(), 2u);
    // Without refractor picks there is no reference shot.
    for (auto& record : s.data.ttLayer)
        for (int32_t& layer : record.layer)
            layer = std::min(layer, int32_t(1));
    s.build();
    EXPECT_EQ(s.prompts.warnings, QStringList{"Unable to find nearest shot for first refractor"});
    for (const char* name : {"widgetVelocity", "widgetRefrProfile"})
        EXPECT_TRUE(s.child<xyPlot>(name)->curves.empty()) << name;
    for (const char* name : {"widgetTV", "widgetTG"}) {
        EXPECT_TRUE(s.child<editTravelTimesWidget>(name)->values.empty()) << name;
        EXPECT_TRUE(s.child<editTravelTimesWidget>(name)->valueSets.empty()) << name;
    }

    const QString dir = QString::fromStdString(testenv::freshDir("refraction-stale"));
    s.prompts.warnings.clear();
    s.prompts.saveName = dir + "/page.png";
    s.child<QPushButton>("exportRefPNGButton")->click();
    ASSERT_TRUE(s.prompts.warnings.isEmpty());
    const QImage page = QImage(s.prompts.saveName).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(page.size(), QSize(1500, 1666));
    // The good build drew its green v2 and refractor rows across the page.
    int green = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            green += (page.pixel(x, y) & 0xffffff) == 0x009900;
    EXPECT_EQ(green, 0);
}
} // namespace
