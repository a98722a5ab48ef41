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

#include <fstream>
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
    // What the script gives back in the page, or nothing after ten seconds.
    static QVariant evaluate(QWebEngineView* web, const QString& js) {
        auto out = std::make_shared<std::optional<QVariant>>();
        web->page()->runJavaScript(js, [out](const QVariant& v) { *out = v; });
        QElapsedTimer clock;
        clock.start();
        while (!*out && clock.elapsed() < 10000)
            QTest::qWait(20);
        return out->value_or(QVariant());
    }
    static bool becomes(const std::function<bool()>& holds) {
        QElapsedTimer clock;
        clock.start();
        while (!holds() && clock.elapsed() < 20000)
            QTest::qWait(50);
        return holds();
    }
    void setTitle(const char* title) {
        run([&] {
            main().Text1.setText(u"<HTML><HEAD><TITLE>" + forms::fromUtf8(title) +
                                 u"</TITLE></HEAD><BODY>Hello</BODY></HTML>\r\n");
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
    setTitle("Saved");
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
    run([&] {
        main().Text1.setText(typed("Typed"));
        main().Text1.setSelStart(0);
    });
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
    std::ifstream saved(file);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}).find("Typed"),
              std::string::npos)
        << "nothing was saved";

    // A refresh keeps the place on screen while the caret's element is in view.
    evaluate(web, QStringLiteral("window.scrollTo(0, 1500)"));
    ASSERT_TRUE(becomes([&] { return web->page()->scrollPosition().y() > 1400; }));
    run([&] {
        main().Text1.setText(typed("Typed again"));
        main().Text1.setSelStart(0);
    });
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
