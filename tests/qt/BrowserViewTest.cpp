// The preview window's widgets on a stand-in browser (the real engine is tested apart):
// F5 opens it, its caption follows the page, Enter and the toolbar reach the browser, and
// "Follow typing" shows what is typed after a pause.
#include "QtProgramTest.h"

#include "qt/QtBrowser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using namespace testing_support;
using forms::String;

namespace {

// Pages arrive at once and are titled after their address.
class PageHost : public tolva::qt::BrowserHost {
public:
    QWidget* makePageArea(QWidget* parent) override {
        auto* page = new QLabel(QStringLiteral("pages"), parent);
        page->setObjectName(QStringLiteral("stand-in"));
        return page;
    }
    void navigate(forms::StringView url) override {
        url_ = String(url);
        actions.push_back(u"navigate " + url_);
        if (NavigateComplete) NavigateComplete();
        if (DownloadComplete) DownloadComplete();
    }
    void goBack() override { actions.push_back(u"back"); }
    void goForward() override {}
    void goHome() override {}
    void goSearch() override {}
    void stop() override {}
    void refresh() override {}
    String locationName() override { return u"Title of " + url_; }
    String locationURL() override { return url_; }
    bool busy() override { return false; }
    void showText(forms::StringView html, forms::StringView path) override {
        text = String(html);
        navigate(u"text of " + String(path));
    }
    std::vector<String> actions;
    String text;

private:
    String url_;
};

class BrowserViewTest : public PreviewWindowTest {
protected:
    PageHost host;
};

TEST_F(BrowserViewTest, F5ShowsThePageAndTheAddressBoxToolbarAndFollowTypingReachTheBrowser) {
    platform.browser = &host;
    startMain();
    auto* v = openPreview();
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->isVisible());
    EXPECT_EQ(v->windowTitle().toStdString(), "Title of " + file.string());
    EXPECT_NE(v->findChild<QLabel*>("stand-in"), nullptr) << "the browser fills the page area";

    auto* address = v->findChild<QComboBox*>("cboAddress");
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(address->currentText().toStdString(), file.string());

    // A typed address opens once on Enter and heads the history. The keys go where the
    // keyboard sends them: to the combo, which has the focus.
    address->lineEdit()->selectAll();
    QTest::keyClicks(address, QStringLiteral("/tmp/other.html"));
    QTest::keyClick(address, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(host.actions,
              (std::vector<String>{u"navigate " + path, u"navigate /tmp/other.html"}));
    EXPECT_EQ(address->itemText(0).toStdString(), "/tmp/other.html");
    EXPECT_EQ(v->windowTitle().toStdString(), "Title of /tmp/other.html");

    v->findChild<QToolButton*>("Back")->click();
    EXPECT_EQ(host.actions.back(), u"back");

    // Follow typing shows the buffer at once, then what is typed after a pause (timed apart).
    v->findChild<QCheckBox*>("chkFollow")->click();
    EXPECT_EQ(host.actions.back(), u"navigate text of " + path);
    buffer().setFocus();
    QTest::keyClicks(&buffer(), QStringLiteral("zq"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return host.text.find(u"zq") != String::npos; }));
    EXPECT_EQ(v->windowTitle().toStdString(), "Title of text of " + file.string());
}

TEST_F(BrowserViewTest, WithoutABrowserTheWindowSaysSo) {
    startMain();
    auto* v = openPreview();
    ASSERT_NE(v, nullptr);
    auto* notice = v->findChild<QLabel*>("browserNotice");
    EXPECT_TRUE(notice && notice->isVisible());
}

} // namespace
