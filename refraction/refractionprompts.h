#pragma once
// The refraction dialog asks only the shared questions: a file to save and
// warning boxes.

#include "userprompts.h"

// The real file dialog and message box.
UserPrompts& defaultRefractionPrompts();
