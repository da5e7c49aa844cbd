#pragma once
// "Contour Lines - Settings": the contour mode (equally spaced values, custom
// values or both), the custom values (typed, or loaded from and saved to an
// isovalue file), the display family, filled bands, label spacing and size,
// and the line colour. The caller reads the choices through the getters
// after OK and builds the contour filter with makeContourFilter.

#include <QColor>
#include <QDialog>

#include <cfloat>
#include <memory>
#include <set>
#include <vector>

class Grid;
class QDoubleSpinBox;
class SectionPrompts;

namespace Ui
{
class contourlines_dialog;
}

class contourlines_dialog : public QDialog
{
    Q_OBJECT

public:
    // grid must exist: its velocity range bounds the custom values.
    contourlines_dialog(Grid* grid, bool equallySpaced, int numberOfValues, bool customized,
                        std::set<double> customValues, bool filled, bool profile, bool gradient,
                        bool laplacian, QColor colour, int fontSize, QWidget* parent = nullptr);
    ~contourlines_dialog() override;

    bool isCustomized() const;
    bool isEquallySpaced() const;
    int numberOfValues() const;
    // The rows' values, sorted, equal values merged.
    std::set<double> customizedValues() const;
    int labelEveryN() const;
    int labelFontSize() const;
    bool isFilledContours() const;
    bool isProfileContours() const;
    bool isGradientContours() const;
    bool isLaplacianGradientContours() const;

    void setPrompts(SectionPrompts* p) { prompts = p; }

    Grid* velocityGrid = nullptr;
    double gridMinVelocity = DBL_MAX;
    double gridMaxVelocity = -DBL_MAX;
    std::vector<QDoubleSpinBox*> valueRows;
    QColor contourLineColor;

public slots:
    // A row with value v; DBL_MAX stands for the middle of the velocity range.
    void add_value(double v);
    void add_value();
    void enable_add_more_values(bool on);
    void enable_add_number_of_values(bool on);
    void enable_filled_contours();
    void on_save_button_clicked();
    void on_load_button_clicked();
    void on_remove_all_button_clicked();
    void on_toolColorButton_clicked();

private:
    void updateButtons();
    void removeRows();
    void showColour();

    std::unique_ptr<Ui::contourlines_dialog> ui;
    SectionPrompts* prompts;
};
