// The all-shots view: twelve panels in a 540 px wide view, their signals
// gathered, and removal while a panel is still inside its release handler.

#include "draw_all_traces_widget.h"
#include "drawtraces.h"
#include "panelfixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSplitter>

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{

struct AllShots {
    TomoDocument doc = panelfixture::makeDocument(12, 4, 200, 0.001, {});
    DrawAllTracesWidget view;

    AllShots()
    {
        view.resize(540, 500);
        view.show();
        for (int i = 0; i < 12; ++i) {
            auto* panel = new drawTraces;
            panel->setDocument(&doc);
            panel->setShot(i);
            view.addTraceWidget(panel);
        }
        QApplication::processEvents();
    }
    QSplitter* splitter() const { return view.findChild<QSplitter*>(); }
};

void send(QWidget* panel, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(panel, &event);
}

TEST(AllShotsView, PanelsScrollSideBySide)
{
    AllShots s;
    EXPECT_EQ(s.view.windowTitle(), "Form");
    ASSERT_EQ(s.splitter()->count(), 12);
    EXPECT_EQ(s.splitter()->orientation(), Qt::Horizontal);
    EXPECT_EQ(s.splitter()->handleWidth(), 20);
    for (unsigned i = 0; i < 12; ++i) {
        EXPECT_EQ(s.view.traceWidgetAt(i)->minimumWidth(), 400) << i;
        EXPECT_EQ(s.splitter()->widget(int(i)), s.view.traceWidgetAt(i)) << i;
    }
    EXPECT_THROW(s.view.traceWidgetAt(12), std::out_of_range);
    EXPECT_GT(s.view.findChild<QScrollArea*>("scrollArea")->horizontalScrollBar()->maximum(), 0);

    // A time zoom of 3 stretches the panels to twice the viewport height.
    QWidget* viewport = s.view.scrollViewport();
    ASSERT_NE(viewport, nullptr);
    const double zoomed = viewport->height() * (1 + (3.0 - 1) * 0.5);
    s.view.setContainerMinimumHeight(zoomed + 0.9);
    EXPECT_EQ(s.view.findChild<QScrollArea*>("scrollArea")->widget()->minimumHeight(), int(zoomed));
}

TEST(AllShotsView, GathersThePanelsSignals)
{
    AllShots s;
    QSignalSpy moved(&s.view, &DrawAllTracesWidget::mouse_moved);
    QSignalSpy edited(&s.view, &DrawAllTracesWidget::pick_edited);
    QSignalSpy added(&s.view, &DrawAllTracesWidget::pick_added);

    drawTraces* third = s.view.traceWidgetAt(2);
    send(third, QEvent::MouseMove, {100, 100}, Qt::NoButton);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.at(0).at(0).toInt(), 2);

    send(third, QEvent::MouseButtonRelease, {100, 100}, Qt::NoButton);
    EXPECT_EQ(edited.count(), 1);
    EXPECT_GT(s.doc.ttArray[2].ttMisurati[0], 0.0);
    // Painting a picked shot reports its marks (panel 0 is the one in view).
    s.doc.ttArray[0].ttMisurati[1] = 0.05;
    s.view.repaintTraceWidgets();
    EXPECT_GE(added.count(), 1);
}

TEST(AllShotsView, ClearingFromInsideAReleaseHandler)
{
    AllShots s;
    // The command runs from the events the release handler processes, while
    // that panel is still on the stack.
    QObject::connect(&s.view, &DrawAllTracesWidget::pick_edited, &s.view,
                     &DrawAllTracesWidget::clearTraceWidgets, Qt::QueuedConnection);
    send(s.view.traceWidgetAt(2), QEvent::MouseButtonRelease, {100, 100}, Qt::NoButton);
    EXPECT_EQ(s.splitter()->count(), 0);
    EXPECT_THROW(s.view.traceWidgetAt(0), std::out_of_range);
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    s.view.clearTraceWidgets();
    EXPECT_EQ(s.splitter()->count(), 0);
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(AllShotsView, ClearingEmptiesTheSplitterAtOnce)
{
    AllShots s;
    QPointer<drawTraces> first = s.view.traceWidgetAt(0);
    s.view.clearTraceWidgets();
    EXPECT_EQ(s.splitter()->count(), 0);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    s.view.repaintTraceWidgets();
}

} // namespace
