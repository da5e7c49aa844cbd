#pragma once
// One selectable row of the geometry dialog's shot and spread lists: a check
// box beside a read-only rich-text box.

#include "records.h"

#include <QWidget>

#include <memory>
#include <vector>

namespace Ui
{
class geomTextWidget;
}

class geomTextWidget : public QWidget
{
    Q_OBJECT

public:
    explicit geomTextWidget(QWidget* parent = nullptr);
    ~geomTextWidget() override;

    bool isChecked() const;
    // Emits changed_selection_status() only when the state really changes.
    void setChecked(bool checked);
    void setHtml(const QString& html);

    // The spreads a spread row describes; not owned, unset on shot rows.
    std::vector<std::vector<Point2D>>* spreadList = nullptr;

signals:
    // Every change of the check box, by hand or by setChecked.
    void changed_selection_status();

private slots:
    void changed_selection(int state);

private:
    std::unique_ptr<Ui::geomTextWidget> ui;
};
