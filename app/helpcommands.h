#pragma once
// The Help menu's commands.

class Logger;
class QWidget;
class UserPrompts;

namespace help
{
void showAbout();
// The maker's documentation page in the desktop's browser.
void openOnlineHelp();
// The user guide beside the program, in the desktop's PDF viewer. Without a
// viewer the desktop says nothing but a line on standard error: a warning
// naming the file then, also logged.
void openUserGuide(UserPrompts& prompts, QWidget* parent, Logger* logger);
} // namespace help
