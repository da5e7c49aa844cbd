// Hand picking on the panel fixture shown in a 510 x 620 widget, driven by
// synthetic mouse events (see panelfixture.h for the geometry: t = (y - 60) /
// 0.5 * 0.00025 s, trace r = floor((x - 55) / 100)).

#include "drawtraces.h"
#include "drawttime.h"
#include "paintcounter.h"
#include "panelfixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cfloat>
#include <memory>

namespace
{

struct PickingPanel {
    TomoDocument doc;
    drawTraces panel;
    drawTTime plot;
    PaintCounter plotPaints;

    explicit PickingPanel(double interval = 0.00025)
        : doc(panelfixture::makeDocument(1, 4, 1000, interval))
    {
        panel.resize(panelfixture::kWidth, panelfixture::kHeight);
        panel.setDocument(&doc);
        panel.setShot(0);
        panel.travelTimeView = &plot;
        plot.setShotIndex(7);
        plot.resize(300, 200);
        plot.show();
        panel.show();
        QApplication::processEvents();
        plot.installEventFilter(&plotPaints);
    }

    void release(QPoint pos, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                 Qt::MouseButton button = Qt::LeftButton)
    {
        QMouseEvent event(QEvent::MouseButtonRelease, pos, button, Qt::NoButton, modifiers);
        QApplication::sendEvent(&panel, &event);
    }
    void move(QPoint pos, Qt::MouseButtons buttons = Qt::NoButton)
    {
        QMouseEvent event(QEvent::MouseMove, pos, Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&panel, &event);
    }
    const std::vector<double>& picks() const { return doc.ttArray[0].ttMisurati; }
};

const std::vector<double> kFixturePicks{0.1, 0.05, -99.0, -2.0};

struct ReleaseCase {
    const char* what;
    QPoint pos;
    Qt::KeyboardModifiers modifiers;
    Qt::MouseButton button;
    double expectedPick2; // entry 2; -99 means unchanged
    bool edited;
};

TEST(HandPicking, Releases)
{
    const ReleaseCase cases[] = {
        {"left button", {265, 80}, Qt::NoModifier, Qt::LeftButton, 0.01, true},
        {"right button", {265, 80}, Qt::NoModifier, Qt::RightButton, 0.01, true},
        {"middle button", {265, 80}, Qt::NoModifier, Qt::MiddleButton, 0.01, true},
        {"Shift marks unusable", {265, 80}, Qt::ShiftModifier, Qt::LeftButton, -2.0, true},
        {"Shift+Ctrl stores the time",
         {265, 80},
         Qt::ShiftModifier | Qt::ControlModifier,
         Qt::LeftButton,
         0.01,
         true},
        {"far below the image: not clamped",
         {265, 600},
         Qt::NoModifier,
         Qt::LeftButton,
         0.27,
         true},
        {"left of the first column", {30, 300}, Qt::NoModifier, Qt::LeftButton, -99.0, false},
        {"less than a column left of the first",
         {54, 300},
         Qt::NoModifier,
         Qt::LeftButton,
         -99.0,
         false},
        {"right of the last column", {465, 300}, Qt::NoModifier, Qt::LeftButton, -99.0, false},
        {"above the first sample", {265, 40}, Qt::NoModifier, Qt::LeftButton, -99.0, false},
        {"exactly time zero", {265, 60}, Qt::NoModifier, Qt::LeftButton, -99.0, false},
    };
    for (const ReleaseCase& c : cases) {
        PickingPanel p;
        QSignalSpy edited(&p.panel, &drawTraces::pick_edited);
        p.release(c.pos, c.modifiers, c.button);

        EXPECT_DOUBLE_EQ(p.picks()[2], c.expectedPick2) << c.what;
        EXPECT_EQ(edited.count(), c.edited ? 1 : 0) << c.what;
        EXPECT_EQ(p.doc.modified, c.edited) << c.what;
        // The linked plot follows: it shows this shot and has repainted.
        EXPECT_EQ(p.plot.shotIndex, c.edited ? 0 : 7) << c.what;
        EXPECT_EQ(p.plot.document, c.edited ? &p.doc : nullptr) << c.what;
        EXPECT_EQ(p.plotPaints.paints > 0, c.edited) << c.what;
        // Only entry 2 may change.
        for (size_t r : {0u, 1u, 3u})
            EXPECT_EQ(p.picks()[r], kFixturePicks[r]) << c.what << " entry " << r;
    }
}

TEST(HandPicking, HoverShowsChannelAndTime)
{
    PickingPanel p;
    QSignalSpy moved(&p.panel, &drawTraces::mouse_moved);
    QSignalSpy edited(&p.panel, &drawTraces::pick_edited);
    p.move({265, 65});
    EXPECT_EQ(p.panel.toolTip(), "ch: <b>3</b> Time: 0.0025");
    EXPECT_EQ(p.panel.toolTipDuration(), 1000);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.at(0).at(0).toInt(), 0);
    EXPECT_EQ(edited.count(), 0);
    EXPECT_EQ(p.picks(), kFixturePicks);
}

TEST(HandPicking, LeftDragSetsEveryTraceCrossed)
{
    PickingPanel p;
    QSignalSpy edited(&p.panel, &drawTraces::pick_edited);
    p.move({165, 180}, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(p.picks()[1], 0.06);

    // Across all four traces, each at the height where the cursor crossed.
    const int rows[] = {100, 140, 180, 220};
    for (int r = 0; r < 4; ++r)
        p.move({70 + 100 * r, rows[r]}, Qt::LeftButton);
    for (int r = 0; r < 4; ++r)
        EXPECT_DOUBLE_EQ(p.picks()[size_t(r)], (rows[r] - 60) / 0.5 * 0.00025) << "trace " << r;
    EXPECT_EQ(edited.count(), 5);

    // Any other button combination only hovers.
    PickingPanel q;
    q.move({165, 180}, Qt::LeftButton | Qt::RightButton);
    q.move({165, 180}, Qt::RightButton);
    EXPECT_EQ(q.picks(), kFixturePicks);
}

TEST(HandPicking, DisabledPickingOnlyHovers)
{
    PickingPanel p;
    p.panel.pickingEnabled = false;
    QSignalSpy moved(&p.panel, &drawTraces::mouse_moved);
    QSignalSpy edited(&p.panel, &drawTraces::pick_edited);
    p.move({265, 80}, Qt::LeftButton);
    p.release({265, 80});
    EXPECT_EQ(moved.count(), 1);
    EXPECT_EQ(edited.count(), 0);
    EXPECT_EQ(p.picks(), kFixturePicks);
    EXPECT_FALSE(p.doc.modified);
}

TEST(HandPicking, NoUsableTimeScaleSetsNoPick)
{
    for (double interval : {DBL_MAX, 0.0, -0.001}) {
        PickingPanel p(interval);
        QSignalSpy edited(&p.panel, &drawTraces::pick_edited);
        p.release({265, 80});
        p.move({265, 80}, Qt::LeftButton);
        EXPECT_EQ(p.picks(), kFixturePicks) << "interval " << interval;
        EXPECT_EQ(edited.count(), 0) << "interval " << interval;
    }
}

TEST(HandPicking, PanelWithoutDataIgnoresTheMouse)
{
    PickingPanel p;
    p.panel.setShot(5); // no such record
    QSignalSpy moved(&p.panel, &drawTraces::mouse_moved);
    p.move({265, 80}, Qt::LeftButton);
    p.release({265, 80});
    EXPECT_EQ(moved.count(), 0);
    EXPECT_TRUE(p.panel.toolTip().isEmpty());
    EXPECT_EQ(p.picks(), kFixturePicks);
}

TEST(HandPicking, NegativeDelayRefusesTimesBeforeTheShot)
{
    PickingPanel p;
    for (Trace& t : p.doc.traceSets[0].traces)
        t.delay = -0.01;
    // Row 80 is 10 ms after the first sample, that is 0 ms: no first break yet.
    p.release({265, 70});
    p.release({265, 80});
    EXPECT_EQ(p.picks()[2], -99.0);
    // Row 100 is 10 ms after the shot.
    p.release({265, 100});
    EXPECT_DOUBLE_EQ(p.picks()[2], 0.01);
    // Above the first sample is still refused.
    p.release({165, 50});
    EXPECT_EQ(p.picks()[1], 0.05);
}

// An automatic pick is measured from the shot like a hand pick: both give
// the same time for one sample, whatever the recording delay, and the mark
// lies on that sample's row (0.5 px per sample below row 60).
TEST(PickTimeBase, AutomaticPickEqualsHandPickAtTheSameSample)
{
    struct Case {
        const char* what;
        double delay;    // s
        size_t onset;    // sample of the first break, even: a whole pixel row
        double expected; // s from the shot; 0 = not picked
    };
    const Case cases[] = {
        {"no delay", 0.0, 100, 0.025},
        {"10 ms before the shot", -0.01, 100, 0.015},
        {"200 ms before the shot", -0.2, 900, 0.025},
        {"one second after the shot", 1.0, 100, 1.025},
        {"break before the shot", -0.2, 400, 0.0},
    };
    constexpr size_t Trace2 = 2;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PickingPanel p;
        for (Trace& t : p.doc.traceSets[0].traces) {
            t.delay = c.delay;
            t.samples.assign(c.onset, 0.0);
            for (size_t j = c.onset; j < 1000; ++j)
                t.samples.push_back(j % 2 == 0 ? 1.0 : -1.0);
        }
        ASSERT_EQ(p.doc.autoPickTrace(Trace2, 0, false), int(c.onset));
        const double automatic = p.picks()[Trace2];
        EXPECT_DOUBLE_EQ(automatic, c.expected);

        const int row = 60 + int(c.onset / 2);
        p.doc.ttArray[0].ttMisurati[Trace2] = -99.0;
        p.release({265, row});
        if (c.expected == 0.0) {
            EXPECT_EQ(p.picks()[Trace2], -99.0) << "a hand pick there is refused too";
            continue;
        }
        EXPECT_DOUBLE_EQ(p.picks()[Trace2], automatic);

        p.doc.ttArray[0].ttMisurati[Trace2] = automatic;
        const QImage image = panelfixture::draw(p.panel);
        // Trace 2's column is 255-354; its mark spans the middle two thirds.
        for (const int x : {285, 325}) {
            const QRgb mark = image.pixel(x, row);
            EXPECT_EQ(qRed(mark), 255) << "x " << x;
            EXPECT_EQ(qGreen(mark), 0) << "x " << x;
            for (const int off : {-6, 6})
                EXPECT_NE(image.pixel(x, row + off), qRgb(255, 0, 0)) << "row " << row + off;
        }
    }
}

} // namespace
