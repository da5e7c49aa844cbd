#include "draw_all_traces_widget.h"

#include "drawtraces.h"
#include "pixel.h"
#include "ui_draw_all_traces_widget.h"

#include <QHBoxLayout>
#include <QSplitter>

DrawAllTracesWidget::DrawAllTracesWidget(QWidget* parent)
    : QWidget(parent), ui(new Ui::DrawAllTracesWidget)
{
    ui->setupUi(this);
    container = new QWidget(ui->scrollArea);
    auto* layout = new QHBoxLayout(container);
    // Replaces (and deletes) the form's own scroll contents.
    ui->scrollArea->setWidget(container);
    ui->scrollArea->setWidgetResizable(true);
    splitter = new QSplitter(container);
    splitter->setOrientation(Qt::Horizontal);
    splitter->setHandleWidth(20);
    splitter->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(splitter);
}

DrawAllTracesWidget::~DrawAllTracesWidget()
{
    delete ui;
}

void DrawAllTracesWidget::addTraceWidget(drawTraces* panel)
{
    panel->setMinimumWidth(int(width() / 1.35));
    connect(panel, &drawTraces::pick_added, this, &DrawAllTracesWidget::emit_pick_added);
    connect(panel, &drawTraces::pick_edited, this, &DrawAllTracesWidget::emit_pick_edited);
    connect(panel, &drawTraces::mouse_moved, this, &DrawAllTracesWidget::emit_mouse_moved);
    traceWidgets.push_back(panel);
    splitter->addWidget(panel);
}

void DrawAllTracesWidget::clearTraceWidgets()
{
    // A panel's release handler processes events, which can run the command
    // that lands here: take the panels out now and free them later.
    for (drawTraces* panel : traceWidgets) {
        panel->setParent(nullptr);
        panel->deleteLater();
    }
    traceWidgets.clear();
}

drawTraces* DrawAllTracesWidget::traceWidgetAt(unsigned index) const
{
    return traceWidgets.at(index);
}

unsigned DrawAllTracesWidget::traceWidgetCount() const
{
    return unsigned(traceWidgets.size());
}

void DrawAllTracesWidget::repaintTraceWidgets()
{
    for (drawTraces* panel : traceWidgets)
        if (panel->isVisible())
            panel->repaint();
}

QWidget* DrawAllTracesWidget::scrollViewport() const
{
    return ui->scrollArea ? ui->scrollArea->viewport() : nullptr;
}

void DrawAllTracesWidget::setContainerMinimumHeight(double h)
{
    container->setMinimumHeight(clampedPixel(h, 0.0, QWIDGETSIZE_MAX));
}

void DrawAllTracesWidget::emit_pick_added()
{
    emit pick_added();
}

void DrawAllTracesWidget::emit_pick_edited()
{
    emit pick_edited();
}

void DrawAllTracesWidget::emit_mouse_moved(int shot)
{
    emit mouse_moved(shot);
}
