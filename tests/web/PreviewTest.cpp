// The preview with the real browser engine: F5 shows the saved page under its own title, the
// typed page shows with its folder's files only, keeps its place and follows the caret, and a
// save while the window is open shows the page as saved.
#include "../qt/QtProgramTest.h"

#include "qt/QtBrowser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <functional>
#include <memory>
#include <optional>

using namespace testing_support;

namespace {

// Outlives every program of the run, as the application's browser does.
tolva::qt::QtBrowser& engine() {
    static tolva::qt::QtBrowser browser;
    return browser;
}

class PreviewTest : public PreviewWindowTest {
protected:
    static bool becomes(const std::function<bool()>& holds, int ms = 20000) {
        QElapsedTimer clock;
        clock.start();
        while (!holds() && clock.elapsed() < ms)
            QTest::qWait(50);
        return holds();
    }
    // Lets the engine work until the window's caption reads title, unless it stops.
    static bool captionBecomes(QWidget* w, const QString& title) {
        auto* notice = w->findChild<QLabel*>("browserNotice");
        becomes([&] { return w->windowTitle() == title || (notice && notice->isVisible()); },
                60000);
        return w->windowTitle() == title;
    }
    // What the script gives back in the page, or nothing after ten seconds.
    static QVariant evaluate(QWebEngineView* web, const QString& js) {
        auto out = std::make_shared<std::optional<QVariant>>();
        web->page()->runJavaScript(js, [out](const QVariant& v) { *out = v; });
        becomes([&] { return out->has_value(); }, 10000);
        return out->value_or(QVariant());
    }
    void type(const forms::String& page) {
        run([&] {
            main().Text1.setText(page);
            main().Text1.setSelStart(0);
        });
    }
};

TEST_F(PreviewTest, F5ShowsTheSavedPageThenFollowTypingTheTypedOneAndASaveReloadsIt) {
    if (QString why = tolva::qt::QtBrowser::cannotStart(); !why.isEmpty())
        GTEST_SKIP() << "the browser engine cannot run here: " << why.toStdString();
    namespace fs = std::filesystem;
    const std::string tag = "tolva-follow-" + std::to_string(::getpid());
    const fs::path folder = fs::temp_directory_path() / tag;
    const fs::path outside = fs::temp_directory_path() / (tag + "-out.png");
    fs::create_directories(folder);
    file = folder / "page.html";
    path = forms::fromUtf8(file.string());
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(QString::fromStdString((folder / "in.png").string())));
    ASSERT_TRUE(picture.save(QString::fromStdString(outside.string())));

    platform.browser = &engine();
    startMain();
    type(u"<HTML><HEAD><TITLE>Saved</TITLE></HEAD><BODY>Hello</BODY></HTML>\r\n");
    auto* v = openPreview();
    ASSERT_NE(v, nullptr);
    bool loaded = captionBecomes(v, QStringLiteral("Saved"));
    if (auto* notice = v->findChild<QLabel*>("browserNotice"); notice && notice->isVisible())
        GTEST_SKIP() << "the browser engine stopped: " << notice->text().toStdString();
    ASSERT_TRUE(loaded) << "caption: " << v->windowTitle().toStdString();
    EXPECT_EQ(v->findChild<QComboBox*>("cboAddress")->currentText().toStdString(), file.string());
    auto* web = v->findChild<QWebEngineView*>("brwWebBrowser");
    ASSERT_NE(web, nullptr);

    auto typed = [&](const char* title) {
        return u"<HTML><HEAD><TITLE>" + forms::fromUtf8(title) +
               u"</TITLE></HEAD><BODY><IMG SRC=\"in.png\"><IMG SRC=\"../" + forms::fromUtf8(tag) +
               u"-out.png\"><IMG SRC=\"file://" + path.substr(0, path.rfind(u'/')) +
               u"/in.png\"><DIV STYLE=\"height: 5000px\">tall</DIV><H1>end</H1></BODY></HTML>";
    };
    type(typed("Typed"));
    v->findChild<QCheckBox*>("chkFollow")->click();
    ASSERT_TRUE(captionBecomes(v, QStringLiteral("Typed")));
    EXPECT_TRUE(becomes([&] {
        return evaluate(web, QStringLiteral("[...document.images].every(i => i.complete)"))
            .toBool();
    }));
    EXPECT_EQ(evaluate(web, QStringLiteral("[...document.images].map(i => i.naturalWidth).join()"))
                  .toString(),
              QStringLiteral("4,0,0"))
        << "the page's folder only, and never through file:";

    // A refresh keeps the place on screen while the caret's element is in view.
    evaluate(web, QStringLiteral("window.scrollTo(0, 1500)"));
    ASSERT_TRUE(becomes([&] { return web->page()->scrollPosition().y() > 1400; }));
    type(typed("Typed again"));
    ASSERT_TRUE(captionBecomes(v, QStringLiteral("Typed again")));
    EXPECT_TRUE(becomes([&] { return qAbs(web->page()->scrollPosition().y() - 1500) < 50; }))
        << "at " << web->page()->scrollPosition().y();

    // The caret resting in the heading brings it into view.
    run([&] { main().Text1.setSelStart(static_cast<int32_t>(main().Text1.text().find(u"end"))); });
    EXPECT_TRUE(becomes([&] { return web->page()->scrollPosition().y() > 4000; }))
        << "at " << web->page()->scrollPosition().y();

    // Unticked, the saved page again; a save from the main window's shortcut reloads it.
    v->findChild<QCheckBox*>("chkFollow")->click();
    EXPECT_TRUE(captionBecomes(v, QStringLiteral("Saved")));
    mainView().activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &mainView(); }));
    buffer().setFocus();
    QTest::keyClick(&buffer(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(captionBecomes(v, QStringLiteral("Typed again")))
        << "caption: " << v->windowTitle().toStdString();

    std::error_code ec;
    fs::remove(outside, ec);
    fs::remove_all(folder, ec);
}

} // namespace
