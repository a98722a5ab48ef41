// Front-end tests run real widgets on the offscreen platform.
#include <QApplication>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {
// The offscreen platform reports what it cannot do (raise, size hints); that is noise here.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& msg) {
    if (msg.startsWith(QLatin1String("This plugin does not support"))) return;
    qt_message_output(type, context, msg);
}
} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Chromium refuses to run as root inside its sandbox.
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The preview's browser shares the GL contexts; only settable before the application.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
