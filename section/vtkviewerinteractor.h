#pragma once
// Mouse and keyboard of the section view: VTK's image style, with the plain
// left drag (window/level) switched off and the camera-orientation keys
// x, y and z disabled, because they would turn the section edge-on.

#include <vtkInteractorStyleImage.h>

class vtkViewerInteractor : public vtkInteractorStyleImage
{
public:
    static vtkViewerInteractor* New();

    // Only with Shift does the base style see the press: Shift-drag pans,
    // Shift+Ctrl-drag zooms.
    void OnLeftButtonDown() override;
    // Logs the key; the base's key-press handling is not called.
    void OnKeyPress() override;
    // The base turns the camera on x, y and z; every other key goes to it.
    void OnChar() override;

    // The macro brings its own semicolons.
    // clang-format off
    vtkTypeMacro(vtkViewerInteractor, vtkInteractorStyleImage)

protected:
    vtkViewerInteractor() = default;
    // clang-format on
    ~vtkViewerInteractor() override = default;

private:
    vtkViewerInteractor(const vtkViewerInteractor&) = delete;
    void operator=(const vtkViewerInteractor&) = delete;
};
