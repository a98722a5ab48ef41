// Front-end tests run real widgets on the offscreen platform.
#include <QApplication>

#include <gtest/gtest.h>

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
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
