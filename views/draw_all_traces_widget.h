#pragma once
// Every loaded shot at once: one trace panel per shot file, side by side in a
// horizontal splitter inside a scroll area. The panels' signals are gathered
// into the widget's own, so the owner connects once.

#include <QWidget>

#include <vector>

class QSplitter;
class drawTraces;

namespace Ui
{
class DrawAllTracesWidget;
}

class DrawAllTracesWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DrawAllTracesWidget(QWidget* parent = nullptr);
    ~DrawAllTracesWidget() override;

    // Appends the panel, at a minimum width of this widget's width / 1.35.
    void addTraceWidget(drawTraces* panel);
    // Removes every panel at once; they are deleted when control returns to
    // the event loop, so one still inside its mouse handler stays valid.
    void clearTraceWidgets();
    // Throws std::out_of_range beyond the last panel.
    drawTraces* traceWidgetAt(unsigned index) const;
    // The panels that exist, which after a partial load may be fewer than
    // the document's trace sets.
    unsigned traceWidgetCount() const;
    void repaintTraceWidgets();
    // The scroll area's viewport, or null.
    QWidget* scrollViewport() const;
    // Stretches the panels vertically: the scroll area then scrolls.
    void setContainerMinimumHeight(double h);

signals:
    void pick_added();
    void pick_edited();
    void mouse_moved(int shot);

public slots:
    void emit_pick_added();
    void emit_pick_edited();
    void emit_mouse_moved(int shot);

private:
    Ui::DrawAllTracesWidget* ui;
    QWidget* container;
    QSplitter* splitter;
    std::vector<drawTraces*> traceWidgets; // children of the splitter
};
