#pragma once
// One geophone's row in the geophone editor: its name, position x and
// elevation z (metres, two decimals, clamped to the spin boxes' ranges).

#include "geometryfiles.h"

#include <QWidget>

#include <memory>
#include <vector>

namespace Ui
{
class editGeomWidget;
}

class editGeomWidget : public QWidget
{
    Q_OBJECT

public:
    explicit editGeomWidget(QWidget* parent = nullptr);
    ~editGeomWidget() override;

    void setRow(const QString& name, double x, double z);
    void setX(double x);
    void setZ(double z);
    double x() const;
    double z() const;

    // What the spin boxes hold: x, then z.
    static std::vector<NumberRange> ranges();

private:
    std::unique_ptr<Ui::editGeomWidget> ui;
};
