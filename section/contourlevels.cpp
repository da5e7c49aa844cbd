#include "contourlevels.h"

#include "geometryfiles.h"
#include "splitstring.h"
#include "targetfile.h"

#include <vtkPointData.h>

#include <cfloat>
#include <fstream>
#include <iostream>

vtkSmartPointer<vtkContourFilter> makeContourFilter(vtkSmartPointer<vtkStructuredGrid> grid,
                                                    vtkSmartPointer<vtkDoubleArray> scalars,
                                                    std::set<double> customValues, int count)
{
    grid->GetPointData()->SetScalars(scalars);
    auto filter = vtkSmartPointer<vtkContourFilter>::New();
    filter->SetInputData(grid);
    filter->SetInputArrayToProcess(0, 0, 0, vtkDataObject::FIELD_ASSOCIATION_POINTS,
                                   scalars->GetName());

    const vtkIdType n = scalars->GetNumberOfTuples();
    double lower = DBL_MAX;
    double upper = -DBL_MAX;
    for (vtkIdType i = 0; i < n; ++i) {
        const double v = scalars->GetValue(i);
        if (v < lower)
            lower = v;
        if (grid->IsPointVisible(i) && v > upper)
            upper = v;
    }
    std::cout << "Contour lines range : " << lower << ", " << upper << std::endl;

    std::set<double> levels;
    if (count >= 2 && customValues.empty()) {
        for (int k = 0; k <= count; ++k)
            levels.insert(k == count ? upper : lower + k * (upper - lower) / count);
    } else {
        levels = std::move(customValues);
        if (count == 1) {
            levels.insert((lower + upper) / 2.0);
        } else if (count >= 2) {
            levels.insert(lower);
            levels.insert(upper);
            for (int k = 1; k <= count - 2; ++k)
                levels.insert(lower + k * (upper - lower) / (count - 1));
        }
    }
    // A new filter holds one value (0); no levels must draw nothing.
    filter->SetNumberOfContours(static_cast<int>(levels.size()));
    int index = 0;
    for (double level : levels)
        filter->SetValue(index++, level);
    return filter;
}

bool writeIsovalues(const std::string& path, const std::string& delimiter,
                    const std::set<double>& values, std::string* reason)
{
    const std::string separator = mapDelimiter(delimiter);
    std::string text;
    for (double v : values)
        text += formatNumber(v) + separator + "true\n";
    return writeWholeFile(path, text, reason);
}

bool readIsovalues(const std::string& path, const std::string& delimiter,
                   std::vector<double>& values, std::string* reason)
{
    std::string why;
    const ReadResult result =
        readFields(path, delimiter, [&](const std::vector<std::string>& fields, int line) {
            double value = 0.0;
            if (!parseLeadingAtof(fields.front(), value)) {
                why = lineReason(path, line, "not a number: " + fields.front());
                return false;
            }
            std::cout << "Value : " << value;
            values.push_back(value);
            return true;
        });
    if (result == ReadResult::Rejected && reason)
        *reason = why;
    return result == ReadResult::Complete;
}
