#pragma once

namespace tervanelo
{
// Registers the program's resources (icons, splash image, licences and
// translations). They live in a static library, whose registration object the
// linker would otherwise drop. Safe to call more than once.
void initResources();
} // namespace tervanelo
