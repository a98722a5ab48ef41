// The preview window's widgets on a stand-in browser (the real engine is tested apart):
// F5 opens it, its caption follows the page, Enter and the toolbar reach the browser.
#include "QtProgramTest.h"

#include "dialogs/FrmBrowser.h"
#include "qt/QtBrowser.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <unistd.h>

#include <filesystem>

using namespace testing_support;
using forms::String;
namespace fs = std::filesystem;

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
    std::vector<String> actions;

private:
    String url_;
};

class BrowserViewTest : public QtProgramTest {
protected:
    fs::path file =
        fs::temp_directory_path() / ("tolva-view-" + std::to_string(::getpid()) + ".html");
    String path = forms::fromUtf8(file.string());
    PageHost host;

    // The window lets go of the browser as it goes: before the browser does.
    void TearDown() override {
        if (auto* b = program.loaded<FrmBrowser>()) run([&] { b->unload(); });
        QtProgramTest::TearDown();
        std::error_code ec;
        fs::remove(file, ec);
    }
    tolva::qt::FormView* openPreview() {
        startMain();
        dialogs.expectFile(true, path);
        run([&] { main().saveas_Click(); });
        dialogs.expectMessage(u"Always save before checking preview", 64, u"Tip", forms::vbOK);
        QTest::keyClick(&buffer(), Qt::Key_F5);
        QApplication::processEvents();
        EXPECT_TRUE(dialogs.done());
        return views->view("frmBrowser");
    }
};

TEST_F(BrowserViewTest, F5ShowsThePageAndTheAddressBoxAndToolbarReachTheBrowser) {
    platform.browser = &host;
    auto* v = openPreview();
    ASSERT_NE(v, nullptr);
    EXPECT_TRUE(v->isVisible());
    EXPECT_EQ(v->windowTitle().toStdString(), "Title of " + file.string());
    EXPECT_NE(v->findChild<QLabel*>("stand-in"), nullptr) << "the browser fills the page area";

    auto* address = v->findChild<QComboBox*>("cboAddress");
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(address->currentText().toStdString(), file.string());
    EXPECT_EQ(address->count(), 1);
    QLabel* label = nullptr;
    for (auto* l : v->findChildren<QLabel*>())
        if (l->buddy() == address) label = l;
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text().toStdString(), "&Address:");

    std::vector<std::string> keys;
    for (auto* t : v->findChildren<QToolButton*>())
        if (!t->accessibleName().isEmpty()) keys.push_back(t->accessibleName().toStdString());
    EXPECT_EQ(keys,
              (std::vector<std::string>{"Back", "Forward", "Refresh", "Home", "Search", "Stop"}));

    // A typed address opens once on Enter and heads the history.
    address->lineEdit()->selectAll();
    QTest::keyClicks(address->lineEdit(), QStringLiteral("/tmp/other.html"));
    QTest::keyClick(address->lineEdit(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(host.actions,
              (std::vector<String>{u"navigate " + path, u"navigate /tmp/other.html"}));
    EXPECT_EQ(address->count(), 2);
    EXPECT_EQ(address->itemText(0).toStdString(), "/tmp/other.html");
    EXPECT_EQ(v->windowTitle().toStdString(), "Title of /tmp/other.html");

    v->findChild<QToolButton*>("Back")->click();
    EXPECT_EQ(host.actions.back(), u"back");
}

TEST_F(BrowserViewTest, WithoutABrowserTheWindowSaysSo) {
    auto* v = openPreview();
    ASSERT_NE(v, nullptr);
    auto* notice = v->findChild<QLabel*>("browserNotice");
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_TRUE(notice->text().contains(QStringLiteral("cannot show pages")));
}

} // namespace
