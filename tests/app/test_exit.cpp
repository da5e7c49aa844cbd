// File > Exit ends the event loop at once, even with unsaved changes. Runs in
// its own program: the event loop of the application is ended for good.

#include "windowfixture.h"

#include "tervanelo_mainwindows.h"
#include "ui_tervanelo_mainwindows.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace windowtest;

namespace
{

TEST(Exit, QuitsWithoutAskingEvenWhenModified)
{
    FreshHome home;
    writeCurrentSettings(home);
    Started started = startWindow();
    Tervanelo_MainWindows& w = *started.window;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.document.modified = true;
    ASSERT_TRUE(w.ui->actionExit->isEnabled() && w.ui->menuFile->isEnabled());

    ModalWatcher boxes([](QWidget* modal) { modal->close(); });
    QTimer::singleShot(0, w.ui->actionExit, &QAction::trigger);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(boxes.count(), 0) << "no question about unsaved changes";
    // The close question never ran: quitting sends no close event.
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(countOccurrences(home.logFile(), "Tervanelo_MainWindows::on_actionExit_triggered"),
              1);
}

} // namespace
