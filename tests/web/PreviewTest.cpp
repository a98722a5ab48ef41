// The preview with the real browser engine: F5 shows the saved page under its own title, and
// a save while the window is open shows the page as saved.
#include "../qt/QtProgramTest.h"

#include "qt/QtBrowser.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>

using namespace testing_support;

namespace {

// Outlives every program of the run, as the application's browser does.
tolva::qt::QtBrowser& engine() {
    static tolva::qt::QtBrowser browser;
    return browser;
}

class PreviewTest : public PreviewWindowTest {
protected:
    // Lets the engine work until the window's caption reads title, for at most a minute.
    bool captionBecomes(QWidget* w, const QString& title) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 60000) {
            if (w->windowTitle() == title) return true;
            if (auto* notice = w->findChild<QLabel*>("browserNotice");
                notice && notice->isVisible())
                return false;
            QTest::qWait(50);
        }
        return false;
    }
    void setTitle(const char* title) {
        run([&] {
            main().Text1.setText(u"<HTML><HEAD><TITLE>" + forms::fromUtf8(title) +
                                 u"</TITLE></HEAD><BODY>Hello</BODY></HTML>\r\n");
        });
    }
};

TEST_F(PreviewTest, F5ShowsTheSavedPageUnderItsTitleAndASaveReloadsIt) {
    if (QString why = tolva::qt::QtBrowser::cannotStart(); !why.isEmpty())
        GTEST_SKIP() << "the browser engine cannot run here: " << why.toStdString();
    platform.browser = &engine();
    startMain();
    setTitle("My web page!");
    auto* v = openPreview();
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->isVisible());
    bool loaded = captionBecomes(v, QStringLiteral("My web page!"));
    if (auto* notice = v->findChild<QLabel*>("browserNotice"); notice && notice->isVisible())
        GTEST_SKIP() << "the browser engine stopped: " << notice->text().toStdString();
    ASSERT_TRUE(loaded) << "caption: " << v->windowTitle().toStdString();
    EXPECT_EQ(v->findChild<QComboBox*>("cboAddress")->currentText().toStdString(), file.string());

    setTitle("Saved again");
    // Back in the main window: its shortcuts act only there.
    mainView().activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &mainView(); }));
    buffer().setFocus();
    QTest::keyClick(&buffer(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(captionBecomes(v, QStringLiteral("Saved again")))
        << "caption: " << v->windowTitle().toStdString();
}

} // namespace
