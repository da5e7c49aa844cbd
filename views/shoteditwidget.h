#pragma once
// One shot's row in the shot editor: a title, the shot position x and
// elevation z (metres, two decimals) and the number of its geophone spread.

#include <QWidget>

#include <memory>
#include <utility>

namespace Ui
{
class shotEditWidget;
}

class shotEditWidget : public QWidget
{
    Q_OBJECT

public:
    shotEditWidget(const QString& title, std::pair<double, double> position,
                   QWidget* parent = nullptr);
    ~shotEditWidget() override;

    // Items "0" ... count - 1; an index that names no item selects nothing.
    void fillSpreadCombo(int count, int current);
    // The selected spread number, 0 when nothing is selected.
    int spreadId() const;
    double x() const;
    double z() const;

private:
    std::unique_ptr<Ui::shotEditWidget> ui;
};
