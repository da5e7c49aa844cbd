#include "colorpalettewidget.h"

#include "addhandledialog.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <iostream>

namespace
{
// Truncation toward zero, kept inside int (and 0 for NaN).
int truncated(double v)
{
    if (!(v == v))
        return 0;
    if (v >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (v <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(v);
}

int component(double fraction)
{
    return std::clamp(truncated(fraction * 255.0), 0, 255);
}

QString stopColourName(const GradientColorPoint& stop)
{
    return QColor(component(stop.mr), component(stop.mg), component(stop.mb)).name();
}

QString plainHandleStyle(const QColor& colour)
{
    return "QSlider::handle:horizontal {background-color:" + colour.name() + ";}";
}

QString selectedHandleStyle(const QColor& colour)
{
    const QString blanks(25, ' ');
    return "QSlider::handle:horizontal {" + blanks + "border: 8px solid " + colour.name() + ";" +
           blanks + "border-radius: 5px;" + blanks + "}";
}

const char* const NumberStyle = "border: 1px solid grey;";
} // namespace

// ---- SliderHandle ----

SliderHandle::SliderHandle(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setEnabled(false);
}

QStyleOptionSlider SliderHandle::styleOption() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return option;
}

QRect SliderHandle::knobRect() const
{
    const QStyleOptionSlider option = styleOption();
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}

int SliderHandle::valueFromX(int x) const
{
    const QStyleOptionSlider option = styleOption();
    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect knob = knobRect();
    const int span = groove.width() - knob.width();
    return QStyle::sliderValueFromPosition(minimum(), maximum(), x - groove.x() - knob.width() / 2,
                                           span);
}

void SliderHandle::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionSlider option = styleOption();
    option.subControls = QStyle::SC_SliderHandle;
    option.sliderValue = value();
    option.sliderPosition = value();
    option.palette = QPalette(handleColor);
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
}

// ---- ColorPaletteWidget ----

ColorPaletteWidget::ColorPaletteWidget(QWidget* parent) : QWidget(parent)
{
    colorPicker = [](QWidget* owner, const QColor& initial, const QString& title) {
        return QColorDialog::getColor(initial, owner, title, QColorDialog::DontUseNativeDialog);
    };

    auto* main = new QVBoxLayout(this);
    grid = new QGridLayout;
    main->addLayout(grid);
    selectedHandleBox = new QGroupBox(tr("Selected Handle"), this);
    main->addWidget(selectedHandleBox);
    auto* addRow = new QHBoxLayout;
    main->addLayout(addRow);
    addSliderButton = new QPushButton(QIcon(":/icons/add_icon.ico"), tr("Add Slider "), this);
    addRow->addWidget(addSliderButton);

    minSpinBox = new QSpinBox(this);
    maxSpinBox = new QSpinBox(this);
    for (QSpinBox* box : {minSpinBox, maxSpinBox}) {
        box->setRange(-2147483647, 2147483647);
        box->setStyleSheet(NumberStyle);
    }
    minSpinBox->setAlignment(Qt::AlignLeft);
    maxSpinBox->setAlignment(Qt::AlignRight);
    grid->addWidget(minSpinBox, 0, 0);
    for (int i = 0; i < 3; ++i) {
        scaleLabels[i] = new QLabel(this);
        scaleLabels[i]->setAlignment(Qt::AlignCenter);
        scaleLabels[i]->setStyleSheet(NumberStyle);
        grid->addWidget(scaleLabels[i], 0, 5 * (i + 1));
    }
    grid->addWidget(maxSpinBox, 0, 20);
    gradientBar = new QLabel(this);
    gradientBar->setFixedHeight(15);
    grid->addWidget(gradientBar, 1, 0, 1, 21);

    auto* box = new QHBoxLayout(selectedHandleBox);
    box->addWidget(new QLabel(tr("Value: "), selectedHandleBox));
    valueLabel = new QLabel(selectedHandleBox);
    valueLabel->setStyleSheet(NumberStyle);
    box->addWidget(valueLabel);
    box->addSpacing(120);
    setColorButton = new QPushButton(QIcon(":/icons/color-icon2.jpg"),
                                     tr("Set Selected Slider Color "), selectedHandleBox);
    deleteSliderButton = new QPushButton(QIcon(":/icons/delete_icon.ico"),
                                         tr("Delete Selected Slider "), selectedHandleBox);
    box->addWidget(setColorButton);
    box->addWidget(deleteSliderButton);

    addSliderButton->hide();
    selectedHandleBox->hide();
    setColorButton->setEnabled(false);
    deleteSliderButton->setEnabled(false);

    connect(addSliderButton, &QPushButton::clicked, this, &ColorPaletteWidget::addHandle);
    connect(setColorButton, &QPushButton::clicked, this, &ColorPaletteWidget::updateHandleColor);
    connect(deleteSliderButton, &QPushButton::clicked, this, &ColorPaletteWidget::deleteHandle);
    connect(minSpinBox, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &ColorPaletteWidget::updateMinValue);
    connect(maxSpinBox, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &ColorPaletteWidget::updateMaxValue);
}

ColorPaletteWidget::ColorPaletteWidget(const ColorPalette& palette, QWidget* parent)
    : ColorPaletteWidget(parent)
{
    setPalette(palette);
}

int ColorPaletteWidget::rangeMinimum() const
{
    return truncated(editedPalette.min_db);
}
int ColorPaletteWidget::rangeMaximum() const
{
    return truncated(editedPalette.max_db);
}

int ColorPaletteWidget::valueAt(double relative) const
{
    const double lo = rangeMinimum();
    const double hi = rangeMaximum();
    return truncated(lo + (hi - lo) * relative);
}

void ColorPaletteWidget::clearSelection()
{
    selectedHandle = -1;
    deleteSliderButton->setEnabled(false);
    setColorButton->setEnabled(false);
    valueLabel->hide();
}

void ColorPaletteWidget::setPalette(const ColorPalette& palette)
{
    editedPalette = palette;
    editable = palette.is_editable;
    selectedHandleBox->setVisible(editable);
    addSliderButton->setVisible(editable);
    // A selection would index the old palette's stops.
    clearSelection();

    while (!handles.empty()) {
        delete handles.back();
        handles.pop_back();
    }
    const std::vector<GradientColorPoint>& stops = editedPalette.color_gradient.color;
    for (size_t i = 0; i < stops.size(); ++i) {
        const double mval = stops[i].mval;
        createHandle(
            truncated((editedPalette.max_db - editedPalette.min_db) * mval + editedPalette.min_db),
            static_cast<int>(i));
        SliderHandle* handle = handles[i];
        handle->relativePosition = mval;
        handle->setValue(valueAt(mval));
        handle->handleColor = ColorGradient::getColorAt(stops, mval);
    }

    minSpinBox->setValue(rangeMinimum());
    maxSpinBox->setValue(rangeMaximum());
    updateHandlePositions();
    updateGradientBar();
}

int ColorPaletteWidget::createHandle(int value, int index)
{
    std::cout << "creating handle value : " << value << std::endl;
    auto* handle = new SliderHandle(this);
    const int lo = rangeMinimum();
    const int hi = rangeMaximum();
    handle->setRange(lo, hi);
    handle->relativePosition = hi > lo ? (static_cast<double>(value) - lo) / (hi - lo) : 0.0;
    handle->setValue(value);
    std::vector<GradientColorPoint>& stops = editedPalette.color_gradient.color;
    handle->handleColor = ColorGradient::getColorAt(stops, handle->relativePosition);

    if (index == -1) {
        const QColor& c = handle->handleColor;
        const GradientColorPoint stop{c.red() / 255.0, c.green() / 255.0, c.blue() / 255.0,
                                      handle->relativePosition};
        const auto at = std::find_if(stops.begin(), stops.end(), [&](const GradientColorPoint& s) {
            return s.mval > stop.mval;
        });
        index = static_cast<int>(at - stops.begin());
        stops.insert(at, stop);
    }

    handle->index = index;
    const size_t position = std::min(static_cast<size_t>(index), handles.size());
    handles.insert(handles.begin() + static_cast<std::ptrdiff_t>(position), handle);
    for (size_t k = position; k < handles.size(); ++k)
        handles[k]->index = static_cast<int>(k);

    handle->setStyleSheet(plainHandleStyle(handle->handleColor));
    grid->addWidget(handle, 2, 0, 1, 21);
    handle->show();
    return index;
}

void ColorPaletteWidget::updateMinValue(int v)
{
    // A range must stay non-empty in whole numbers: stops are placed by
    // (value - min) / (max - min).
    if (v < rangeMaximum()) {
        editedPalette.min_db = v;
        updateScaleLabels();
        for (SliderHandle* handle : handles) {
            handle->setMinimum(v);
            handle->setValue(valueAt(handle->relativePosition));
        }
        emit modified();
    } else {
        minSpinBox->setValue(rangeMinimum());
    }
}

void ColorPaletteWidget::updateMaxValue(int v)
{
    if (v > rangeMinimum()) {
        editedPalette.max_db = v;
        updateScaleLabels();
        for (SliderHandle* handle : handles) {
            handle->setMaximum(v);
            handle->setValue(valueAt(handle->relativePosition));
        }
        emit modified();
    } else {
        maxSpinBox->setValue(rangeMaximum());
    }
}

void ColorPaletteWidget::updateHandlePositions()
{
    updateScaleLabels();
    for (SliderHandle* handle : handles) {
        handle->setMaximum(rangeMaximum());
        handle->setMinimum(rangeMinimum());
        handle->setValue(valueAt(handle->relativePosition));
    }
}

void ColorPaletteWidget::updateScaleLabels()
{
    const double lo = editedPalette.min_db;
    const double hi = editedPalette.max_db;
    const double mid = (lo + hi) * 0.5;
    const double values[3] = {(lo + mid) * 0.5, mid, (hi + mid) * 0.5};
    for (int i = 0; i < 3; ++i)
        scaleLabels[i]->setText(QString::number(values[i], 'g', 2));
}

void ColorPaletteWidget::updateGradientBar()
{
    QString sheet = "border: 1px solid grey; font-size: 11px; background-color: qlineargradient( "
                    "x1: 0, y1: 0, x2: 1, y2: 0,";
    const std::vector<GradientColorPoint>& stops = editedPalette.color_gradient.color;
    for (size_t i = 0; i < stops.size(); ++i) {
        if (i > 0)
            sheet += ", ";
        sheet += " stop:" + QString::number(stops[i].mval, 'g', 6) + " " + stopColourName(stops[i]);
    }
    sheet += ");";
    std::cout << sheet.toStdString() << std::endl << std::endl;
    gradientBar->setStyleSheet(sheet);
}

void ColorPaletteWidget::showSelectedHandleValue()
{
    if (selectedHandle < 0 || selectedHandle >= static_cast<int>(handles.size()))
        return;
    valueLabel->setText(QString::number(handles[selectedHandle]->value()));
    valueLabel->show();
}

void ColorPaletteWidget::updateHandleStyles()
{
    if (selectedHandle < 0 || selectedHandle >= static_cast<int>(handles.size()))
        return;
    for (int i = 0; i < static_cast<int>(handles.size()); ++i)
        handles[i]->setStyleSheet(i == selectedHandle ? selectedHandleStyle(handles[i]->handleColor)
                                                      : plainHandleStyle(handles[i]->handleColor));
    updateGradientBar();
}

void ColorPaletteWidget::mousePressEvent(QMouseEvent* event)
{
    if (!editable || handles.empty())
        return;
    for (size_t i = 0; i < handles.size(); ++i) {
        const SliderHandle* handle = handles[i];
        const QPoint knob = handle->mapTo(this, handle->knobRect().center());
        const int centreY = handle->mapTo(this, QPoint(0, handle->height() / 2)).y();
        if (std::abs(event->pos().y() - centreY) <= handle->height() / 2 &&
            std::abs(event->pos().x() - knob.x()) <= 10) {
            selectedHandle = static_cast<int>(i);
            break;
        }
    }
    updateHandleStyles();
    if (selectedHandle >= 0) {
        const int last = static_cast<int>(handles.size()) - 1;
        deleteSliderButton->setEnabled(selectedHandle != 0 && selectedHandle != last);
        showSelectedHandleValue();
        setColorButton->setEnabled(true);
    }
}

void ColorPaletteWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::NoButton || selectedHandle < 0 ||
        selectedHandle >= static_cast<int>(handles.size()))
        return;
    if (selectedHandle == 0) {
        std::cout << "Cannot move handle at mimimum value. " << std::endl;
        return;
    }
    if (selectedHandle == static_cast<int>(handles.size()) - 1) {
        std::cout << "Cannot move handle at maximum value. " << std::endl;
        return;
    }
    if (!rangeUsable())
        return;
    SliderHandle* handle = handles[selectedHandle];
    const int previous = handles[selectedHandle - 1]->value();
    const int next = handles[selectedHandle + 1]->value();
    // No whole number lies between the neighbours: the stop cannot move.
    if (next - previous < 2)
        return;

    // A drag onto a neighbour puts the stop 50 away from it, or half-way
    // between the neighbours when they are closer than that: stops never
    // cross or meet.
    const int midpoint = previous + (next - previous) / 2;
    const auto inside = [&](long long v) { return v > previous && v < next; };
    int v = handle->valueFromX(handle->mapFrom(this, event->pos()).x());
    if (v < previous + 1)
        v = inside(previous + 50LL) ? previous + 50 : midpoint;
    else if (v > next - 1)
        v = inside(next - 50LL) ? next - 50 : midpoint;
    handle->setValue(v);
    std::cout << "new value: " << handle->value() << std::endl;
    showSelectedHandleValue();

    const double relative = (static_cast<double>(handle->value()) - handle->minimum()) /
                            (handle->maximum() - handle->minimum());
    handle->relativePosition = relative;
    editedPalette.color_gradient.color[selectedHandle].mval = relative;
    updateGradientBar();
    emit modified();
}

void ColorPaletteWidget::addHandle()
{
    if (!rangeUsable())
        return;
    const int lo = rangeMinimum();
    const int hi = rangeMaximum();
    const double minDb = editedPalette.min_db;
    const double maxDb = editedPalette.max_db;

    // The spin box gets min_db + 50 .. max_db - 50; when that (as the spin box
    // applies it) does not lie strictly inside the range, every whole number
    // strictly inside it.
    int boxMin = truncated(minDb + 50.0);
    int boxMax = truncated(maxDb - 50.0);
    if (boxMax < boxMin)
        boxMin = boxMax;
    if (!(boxMin > minDb && boxMax < maxDb)) {
        boxMin = lo + 1;
        boxMax = hi - 1;
        if (boxMax < boxMin)
            return;
    }

    AddHandleDialog dialog(this);
    dialog.setErrorText("");
    dialog.errorLabel()->setStyleSheet("font-size: 11px; font-color: red;");

    const int last = static_cast<int>(handles.size()) - 1;
    int proposal = selectedHandle >= 0 && selectedHandle < last
                       ? handles[selectedHandle]->value() + 50
                       : truncated(minDb + 50.0);
    const auto used = [&](int v) {
        return std::any_of(handles.begin(), handles.end(),
                           [v](const SliderHandle* h) { return h->value() == v; });
    };
    while (used(proposal) && proposal < INT_MAX)
        ++proposal;

    QSpinBox* box = dialog.valueBox();
    box->setMinimum(boxMin);
    box->setMaximum(boxMax);
    if (proposal >= boxMin && proposal <= boxMax)
        box->setValue(proposal);
    for (const SliderHandle* h : handles)
        dialog.usedValues.insert(h->value());
    connect(box, QOverload<int>::of(&QSpinBox::valueChanged), &dialog,
            &AddHandleDialog::updateErrorMessage);
    // The starting value may itself be taken.
    dialog.updateErrorMessage(box->value());

    if (dialog.exec() != QDialog::Accepted || dialog.usedValues.count(box->value()))
        return;
    selectedHandle = createHandle(box->value(), -1);
    deleteSliderButton->setEnabled(true);
    setColorButton->setEnabled(true);
    updateHandleStyles();
    showSelectedHandleValue();
    emit modified();
}

void ColorPaletteWidget::deleteHandle()
{
    // The end stops are never deleted.
    const int last = static_cast<int>(handles.size()) - 1;
    if (selectedHandle <= 0 || selectedHandle >= last)
        return;
    SliderHandle* handle = handles[selectedHandle];
    handles.erase(handles.begin() + selectedHandle);
    std::vector<GradientColorPoint>& stops = editedPalette.color_gradient.color;
    stops.erase(stops.begin() + selectedHandle);
    for (size_t k = 0; k < handles.size(); ++k)
        handles[k]->index = static_cast<int>(k);
    delete handle;
    clearSelection();
    updateGradientBar();
    emit modified();
}

void ColorPaletteWidget::updateHandleColor()
{
    if (selectedHandle < 0 || selectedHandle >= static_cast<int>(handles.size()))
        return;
    SliderHandle* handle = handles[selectedHandle];
    const QColor chosen = colorPicker(this, handle->handleColor, tr("Pick a color"));
    if (!chosen.isValid())
        return;
    handle->handleColor = chosen;
    GradientColorPoint& stop = editedPalette.color_gradient.color[selectedHandle];
    stop.mr = chosen.red() / 255.0;
    stop.mg = chosen.green() / 255.0;
    stop.mb = chosen.blue() / 255.0;
    updateHandleStyles();
    emit modified();
}
