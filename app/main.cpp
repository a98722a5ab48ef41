// Starts Tolva: the Qt application, its platform services, the program and its views.
#include "qt/App.h"
#include "qt/QtBrowser.h"

#include <QCoreApplication>

#include <unistd.h>

int main(int argc, char** argv) {
    // --help and --version answer without a display, so before anything of Qt starts.
    if (auto rc = tolva::qt::answerWithoutWindows(argc, argv)) return *rc;
    // Chromium refuses to run as root inside its sandbox; the preview would never start.
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The browser shares the application's GL contexts; this must come before QApplication.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    tolva::qt::QtBrowser browser;
    return tolva::qt::runApplication(argc, argv, &browser);
}
