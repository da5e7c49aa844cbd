// The palette editor driven through its widgets: clicks and drags on the
// knobs, the range spin boxes, the add dialog (answered by a handler armed
// before the click) and the colour picker seam.

#include "addhandledialog.h"
#include "builtinpalette.h"
#include "colorpalettewidget.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace
{

ColorPalette editable(std::vector<double> positions, double min, double max)
{
    ColorPalette p;
    p.name = "Edited";
    p.is_editable = true;
    p.min_db = min;
    p.max_db = max;
    for (size_t i = 0; i < positions.size(); ++i) {
        const double f = static_cast<double>(i) / (positions.size() - 1);
        p.color_gradient.color.push_back({f, 0.0, 1.0 - f, positions[i]});
    }
    return p;
}

std::vector<double> mvals(const ColorPaletteWidget& w)
{
    std::vector<double> values;
    for (const GradientColorPoint& s : w.editedPalette.color_gradient.color)
        values.push_back(s.mval);
    return values;
}

// Answers the AddHandleDialog once it is shown modally; armed before the
// click that opens it, disarmed when it goes out of scope.
class AddDialogAnswer
{
public:
    explicit AddDialogAnswer(std::function<void(AddHandleDialog&)> answer)
    {
        QObject::connect(&poll, &QTimer::timeout, [this, answer] {
            if (auto* d = qobject_cast<AddHandleDialog*>(QApplication::activeModalWidget())) {
                poll.stop();
                shown = true;
                answer(*d);
            }
        });
        poll.start(10);
    }
    bool shown = false;

private:
    QTimer poll;
};

class PaletteEditor : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QApplication::setStyle("Fusion");
        widget.resize(1200, 200);
        widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    }

    void show(const ColorPalette& palette)
    {
        widget.setPalette(palette);
        QApplication::processEvents();
    }

    QPoint knob(int i)
    {
        const SliderHandle* h = widget.handles[static_cast<size_t>(i)];
        return h->mapTo(&widget, h->knobRect().center());
    }

    void press(QPoint at)
    {
        QMouseEvent e(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &e);
    }
    void drag(QPoint to)
    {
        QMouseEvent e(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &e);
    }

    ColorPaletteWidget widget;
};

} // namespace

TEST_F(PaletteEditor, StyleSheetsOfBarAndKnobs)
{
    show(builtIn("Blue to red"));
    EXPECT_EQ(widget.gradientBar->styleSheet(),
              "border: 1px solid grey; font-size: 11px; background-color: qlineargradient( x1: 0, "
              "y1: 0, x2: 1, y2: 0, stop:0 #0000ff,  stop:1 #ff0000);");
    EXPECT_EQ(widget.handles[0]->styleSheet(),
              "QSlider::handle:horizontal {background-color:#0000ff;}");

    show(builtIn("Dark rainbow"));
    EXPECT_TRUE(widget.gradientBar->styleSheet().endsWith(
        "y2: 0, stop:0 #8b2200,  stop:0.2 #cc282b,  stop:0.4 #f1ea34,  stop:0.6 #6fb674,  "
        "stop:0.8 #62b4ed,  stop:1 #2b2d6f);"));

    // The selected knob is drawn as a ring.
    show(editable({0, 0.5, 1}, 0, 1000));
    press(knob(1));
    const QString blanks(25, ' ');
    EXPECT_EQ(widget.handles[1]->styleSheet(), "QSlider::handle:horizontal {" + blanks +
                                                   "border: 8px solid " +
                                                   widget.handles[1]->handleColor.name() + ";" +
                                                   blanks + "border-radius: 5px;" + blanks + "}");
}

TEST_F(PaletteEditor, RangeAndScaleLabels)
{
    QSignalSpy modified(&widget, &ColorPaletteWidget::modified);
    ColorPalette wide = builtIn("RGB");
    wide.min_db = 250.7;
    wide.max_db = 3500.2;
    show(wide);
    EXPECT_EQ(modified.count(), 2);
    EXPECT_EQ(widget.editedPalette.min_db, 250.0);
    EXPECT_EQ(widget.editedPalette.max_db, 3500.0);

    // The range the spin boxes already show: no signal, the fractions stay.
    modified.clear();
    wide.min_db = 250.5;
    wide.max_db = 3500.5;
    show(wide);
    EXPECT_EQ(modified.count(), 0);
    EXPECT_EQ(widget.editedPalette.min_db, 250.5);

    // The labels at a quarter, half and three quarters, as the main window
    // sees them when it fits the range itself.
    struct Labels {
        double min, max;
        QStringList texts;
    };
    const Labels cases[] = {{0, 99.99, {"25", "50", "75"}},
                            {250, 3500, {"1.1e+03", "1.9e+03", "2.7e+03"}},
                            {-500, 500, {"-2.5e+02", "0", "2.5e+02"}}};
    for (const Labels& c : cases) {
        widget.editedPalette.min_db = c.min;
        widget.editedPalette.max_db = c.max;
        widget.updateScaleLabels();
        EXPECT_EQ((QStringList{widget.scaleLabels[0]->text(), widget.scaleLabels[1]->text(),
                               widget.scaleLabels[2]->text()}),
                  c.texts);
    }
}

TEST_F(PaletteEditor, RangeMustStayNonEmpty)
{
    show(editable({0, 0.5, 1}, 0, 3500));
    QSignalSpy modified(&widget, &ColorPaletteWidget::modified);

    // A minimum above the maximum goes back to the current minimum.
    widget.minSpinBox->setValue(5000);
    EXPECT_EQ(widget.minSpinBox->value(), 0);
    EXPECT_EQ(widget.editedPalette.min_db, 0.0);
    EXPECT_EQ(modified.count(), 1);

    // A maximum equal to the minimum is refused too: (v - min) / (max - min)
    // would give NaN positions.
    modified.clear();
    widget.updateMaxValue(0);
    EXPECT_EQ(widget.maxSpinBox->value(), 3500);
    EXPECT_EQ(widget.editedPalette.max_db, 3500.0);
    widget.maxSpinBox->setValue(0);
    EXPECT_EQ(widget.maxSpinBox->value(), 3500);
    EXPECT_EQ(widget.editedPalette.max_db, 3500.0);
    for (double m : mvals(widget))
        EXPECT_TRUE(std::isfinite(m));

    // Both ends move the knobs with them.
    widget.maxSpinBox->setValue(1000);
    EXPECT_EQ(widget.handles[1]->value(), 500);
    EXPECT_EQ(widget.handles[1]->maximum(), 1000);
}

TEST_F(PaletteEditor, DragKeepsStopsStrictlyAscending)
{
    struct Case {
        const char* name;
        std::vector<double> positions;
        int selected;
        int onto; // the knob the stop is dragged onto
        int value;
    };
    const Case cases[] = {
        // Room enough: the stop lands 50 from its neighbour.
        {"onto the lower neighbour", {0, 0.5, 0.8, 1}, 2, 1, 550},
        {"onto the upper neighbour", {0, 0.2, 0.5, 1}, 1, 2, 450},
        // Neighbours 40 apart: 50 would jump past the next stop.
        {"narrow, onto the lower", {0, 0.5, 0.52, 0.54, 1}, 2, 1, 520},
        {"narrow, onto the upper", {0, 0.5, 0.52, 0.54, 1}, 2, 3, 520},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        show(editable(c.positions, 0, 1000));
        press(knob(c.selected));
        ASSERT_EQ(widget.selectedHandle, c.selected);
        QSignalSpy modified(&widget, &ColorPaletteWidget::modified);
        // A little past the neighbour's knob, away from the dragged stop.
        drag(knob(c.onto) + QPoint(c.onto < c.selected ? -3 : 3, 0));
        EXPECT_EQ(widget.handles[static_cast<size_t>(c.selected)]->value(), c.value);
        EXPECT_EQ(modified.count(), 1);
        const std::vector<double> m = mvals(widget);
        for (size_t i = 1; i < m.size(); ++i)
            EXPECT_LT(m[i - 1], m[i]) << "stops " << i - 1 << " and " << i;
        EXPECT_DOUBLE_EQ(m[static_cast<size_t>(c.selected)], c.value / 1000.0);
        EXPECT_EQ(widget.valueLabel->text(), QString::number(c.value));
    }

    // No whole number between the neighbours (500 and 501): the stop stays.
    show(editable({0, 0.5, 0.5005, 0.501, 1}, 0, 1000));
    widget.selectedHandle = 2; // its knob lies under its neighbours'
    QSignalSpy modified(&widget, &ColorPaletteWidget::modified);
    drag(knob(2) + QPoint(40, 0));
    EXPECT_EQ(modified.count(), 0);
    EXPECT_EQ(mvals(widget)[2], 0.5005);
}

TEST_F(PaletteEditor, EndStopsNeitherMoveNorDelete)
{
    show(editable({0, 0.5, 1}, 0, 1000));
    for (int end : {0, 2}) {
        SCOPED_TRACE(end);
        press(knob(end));
        ASSERT_EQ(widget.selectedHandle, end);
        EXPECT_FALSE(widget.deleteSliderButton->isEnabled());
        EXPECT_TRUE(widget.setColorButton->isEnabled());
        testing::internal::CaptureStdout();
        drag(knob(1));
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  end == 0 ? "Cannot move handle at mimimum value. \n"
                           : "Cannot move handle at maximum value. \n");
        widget.deleteHandle();
        EXPECT_EQ(widget.handles.size(), 3u);
    }
    EXPECT_EQ(mvals(widget), (std::vector<double>{0, 0.5, 1}));
}

TEST_F(PaletteEditor, DeleteAndRecolourTheSelectedStop)
{
    show(editable({0, 0.25, 0.5, 1}, 0, 1000));
    QSignalSpy modified(&widget, &ColorPaletteWidget::modified);
    press(knob(1));
    EXPECT_TRUE(widget.deleteSliderButton->isEnabled());
    EXPECT_EQ(widget.valueLabel->text(), "250");

    widget.setColorPicker([](QWidget*, const QColor&, const QString& title) {
        EXPECT_EQ(title, "Pick a color");
        return QColor(10, 20, 30);
    });
    widget.setColorButton->click();
    const GradientColorPoint& recoloured = widget.editedPalette.color_gradient.color[1];
    EXPECT_EQ((std::vector<double>{recoloured.mr, recoloured.mg, recoloured.mb, recoloured.mval}),
              (std::vector<double>{10 / 255.0, 20 / 255.0, 30 / 255.0, 0.25}));
    EXPECT_TRUE(widget.gradientBar->styleSheet().contains("stop:0.25 #0a141e"));
    EXPECT_EQ(modified.count(), 1);

    // Cancelling the colour dialog changes nothing.
    widget.setColorPicker([](QWidget*, const QColor&, const QString&) { return QColor(); });
    widget.setColorButton->click();
    EXPECT_EQ(widget.editedPalette.color_gradient.color[1].mr, 10 / 255.0);
    EXPECT_EQ(modified.count(), 1);

    widget.deleteSliderButton->click();
    EXPECT_EQ(mvals(widget), (std::vector<double>{0, 0.5, 1}));
    EXPECT_EQ(widget.handles.size(), 3u);
    EXPECT_EQ(widget.handles[1]->index, 1);
    EXPECT_EQ(widget.selectedHandle, -1);
    EXPECT_FALSE(widget.deleteSliderButton->isEnabled());
    EXPECT_FALSE(widget.setColorButton->isEnabled());
    EXPECT_FALSE(widget.valueLabel->isVisible());
    EXPECT_EQ(modified.count(), 2);
}

TEST_F(PaletteEditor, NewPaletteClearsTheSelection)
{
    show(editable({0, 0.25, 0.5, 0.75, 1}, 0, 1000));
    press(knob(3));
    ASSERT_EQ(widget.selectedHandle, 3);
    show(editable({0, 1}, 0, 1000));
    EXPECT_EQ(widget.selectedHandle, -1);
    EXPECT_FALSE(widget.deleteSliderButton->isEnabled());
    EXPECT_FALSE(widget.setColorButton->isEnabled());
    // The actions find no stop to work on.
    widget.deleteHandle();
    widget.updateHandleColor();
    drag(knob(1));
    EXPECT_EQ(mvals(widget), (std::vector<double>{0, 1}));
}

TEST_F(PaletteEditor, ReadOnlyPaletteStillTakesARange)
{
    show(builtIn("Blue to red"));
    EXPECT_FALSE(widget.addSliderButton->isVisible());
    EXPECT_FALSE(widget.selectedHandleBox->isVisible());
    press(knob(0));
    EXPECT_EQ(widget.selectedHandle, -1);
    QSignalSpy modified(&widget, &ColorPaletteWidget::modified);
    widget.maxSpinBox->setValue(2000);
    EXPECT_EQ(modified.count(), 1);
    EXPECT_EQ(widget.editedPalette.max_db, 2000.0);
}

TEST_F(PaletteEditor, AddDialogOffersFreeValuesInsideTheRange)
{
    struct Case {
        const char* name;
        ColorPalette palette;
        int selected;
        int boxMin, boxMax, start;
        bool startTaken;
    };
    ColorPalette withStopAtOne = editable({0, 1.0 / 40.0, 1}, 0, 40);
    const Case cases[] = {
        {"wide range", editable({0, 1}, 0, 1000), -1, 50, 950, 50, false},
        {"after the selected stop", editable({0, 0.5, 1}, 0, 1000), 1, 50, 950, 550, false},
        {"start-up range collapses", editable({0, 1}, 0, 99.99), -1, 49, 49, 49, false},
        // Under 50 wide the offered values would fall below the minimum.
        {"narrow range", editable({0, 1}, 0, 40), -1, 1, 39, 1, false},
        {"start value already taken", withStopAtOne, -1, 1, 39, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        show(c.palette);
        if (c.selected >= 0)
            press(knob(c.selected));
        AddDialogAnswer answer([&](AddHandleDialog& d) {
            EXPECT_EQ(d.windowTitle(), "Add handle");
            EXPECT_EQ(d.valueBox()->minimum(), c.boxMin);
            EXPECT_EQ(d.valueBox()->maximum(), c.boxMax);
            EXPECT_EQ(d.valueBox()->value(), c.start);
            EXPECT_EQ(d.okButton()->isEnabled(), !c.startTaken);
            EXPECT_EQ(d.errorLabel()->text(),
                      c.startTaken ? "ERROR. Color already set for this value." : "");
            d.reject();
        });
        const size_t before = widget.handles.size();
        widget.addSliderButton->click();
        EXPECT_TRUE(answer.shown);
        EXPECT_EQ(widget.handles.size(), before);
    }
}

TEST_F(PaletteEditor, AddedStopTakesTheGradientColourAtItsPlace)
{
    ColorPalette palette = builtIn("Blue to red");
    palette.is_editable = true;
    palette.max_db = 1000;
    show(palette);
    QSignalSpy modified(&widget, &ColorPaletteWidget::modified);
    AddDialogAnswer answer([](AddHandleDialog& d) {
        // A used value cannot be confirmed.
        d.valueBox()->setValue(50);
        EXPECT_TRUE(d.okButton()->isEnabled());
        d.usedValues.insert(300);
        d.valueBox()->setValue(300);
        EXPECT_FALSE(d.okButton()->isEnabled());
        d.valueBox()->setValue(250);
        d.accept();
    });
    widget.addSliderButton->click();
    ASSERT_EQ(widget.handles.size(), 3u);
    EXPECT_EQ(mvals(widget), (std::vector<double>{0, 0.25, 1}));
    const GradientColorPoint& added = widget.editedPalette.color_gradient.color[1];
    EXPECT_EQ((std::vector<int>{int(added.mr * 255 + 0.5), int(added.mg * 255 + 0.5),
                                int(added.mb * 255 + 0.5)}),
              (std::vector<int>{63, 0, 191}));
    EXPECT_EQ(widget.selectedHandle, 1);
    EXPECT_TRUE(widget.deleteSliderButton->isEnabled());
    EXPECT_EQ(widget.valueLabel->text(), "250");
    EXPECT_EQ(modified.count(), 1);
}

TEST_F(PaletteEditor, NothingMovesOrIsAddedWhileTheWholeNumberRangeIsEmpty)
{
    // A range fitted to 0.02 .. 0.8 has no whole number inside it.
    show(editable({0, 0.5, 1}, 0.02, 0.8));
    widget.selectedHandle = 1;
    drag(knob(1) + QPoint(300, 0));
    AddDialogAnswer answer([](AddHandleDialog& d) { d.accept(); });
    widget.addHandle();
    QApplication::processEvents();
    EXPECT_FALSE(answer.shown);
    EXPECT_EQ(mvals(widget), (std::vector<double>{0, 0.5, 1}));
    EXPECT_EQ(widget.editedPalette.max_db, 0.8);
}
