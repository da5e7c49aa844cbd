#include "vtkviewerinteractor.h"

#include <vtkObjectFactory.h>
#include <vtkRenderWindowInteractor.h>

#include <iostream>
#include <string>

vtkStandardNewMacro(vtkViewerInteractor);

void vtkViewerInteractor::OnLeftButtonDown()
{
    vtkRenderWindowInteractor* rwi = GetInteractor();
    if (rwi->GetShiftKey()) {
        std::cout << "Shift held. ";
        vtkInteractorStyleImage::OnLeftButtonDown();
    }
    if (rwi->GetControlKey())
        std::cout << "Control held. ";
    if (rwi->GetAltKey())
        std::cout << "Alt held. ";
    std::cout << "Pressed left mouse button." << std::endl;
}

void vtkViewerInteractor::OnKeyPress()
{
    const char* sym = GetInteractor()->GetKeySym();
    const std::string key = sym ? sym : "";
    std::cout << "Pressed " << key << std::endl;
    if (key == "z" || key == "Z")
        std::cout << "Z Reset to an axial view - Disabled" << std::endl;
    else if (key == "y" || key == "Y")
        std::cout << "Y Reset to an coronal view - Disabled" << std::endl;
    else if (key == "x" || key == "X")
        std::cout << "X Reset to an sagittal view - Disabled" << std::endl;
}

void vtkViewerInteractor::OnChar()
{
    switch (GetInteractor()->GetKeyCode()) {
    case 'x':
    case 'X':
    case 'y':
    case 'Y':
    case 'z':
    case 'Z':
        return;
    default:
        vtkInteractorStyleImage::OnChar();
    }
}
