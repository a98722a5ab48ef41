// The front end's entry point: application, platform services, program and views.
#include "qt/App.h"

#include "core/Program.h"
#include "qt/FormView.h"
#include "qt/QtPlatform.h"

#include <QApplication>

namespace tolva::qt {

int runApplication(int argc, char** argv, forms::Browser* browser) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolva"));
    // The program ends only through its own exit paths.
    QApplication::setQuitOnLastWindowClosed(false);
    QtPlatform services;
    forms::Platform platform = services.platform();
    platform.browser = browser;
    Program program(platform);
    int rc = 0;
    {
        ViewManager views(program);
        program.start();
        rc = QApplication::exec();
    }
    return rc;
}

} // namespace tolva::qt
