#include "helpcommands.h"

#include "dialogabout.h"
#include "logger.h"
#include "userprompts.h"
#include "windowtexts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace
{
// The maker's page listing the program's documents.
const char* const onlineHelpUrl = "https://tervanelo.example.org/documentation/";
const char* const userGuideName = "/Guida utente tervanelo 2022_0.pdf";

} // namespace

namespace help
{
void showAbout()
{
    DialogAbout about;
    about.exec();
}

void openOnlineHelp()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(onlineHelpUrl)));
}

void openUserGuide(UserPrompts& prompts, QWidget* parent, Logger* logger)
{
    // Beside the program, wherever it was started from.
    const QString folder = QFileInfo(QCoreApplication::applicationFilePath()).absolutePath();
    const QString guide = folder + QString::fromUtf8(userGuideName);
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(guide)))
        return;
    logger->writeLog("No viewer could open the user guide " + guide.toStdString(), 1);
    prompts.warning(parent, WindowTexts::tr("User guide"),
                    WindowTexts::tr("No viewer could open the user guide:\n%1")
                        .arg(QDir::toNativeSeparators(guide)));
}
} // namespace help
