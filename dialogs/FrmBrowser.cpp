// Preview window: the saved page in the platform's browser, its address history and toolbar.
#include "dialogs/FrmBrowser.h"

#include "forms/Runtime.h"
#include "page/Page.h"
#include "page/Texts.h"

using forms::String;
using forms::StringView;

namespace {

constexpr char16_t kFirstCaption[] = u"Preview: Tolva - by Quendry";

// Stands in when the platform has no browser: goes nowhere, is never busy.
class NoBrowser : public forms::Browser {
public:
    void navigate(StringView url) override { url_ = String(url); }
    void goBack() override {}
    void goForward() override {}
    void goHome() override {}
    void goSearch() override {}
    void stop() override {}
    void refresh() override {}
    String locationName() override { return url_; }
    String locationURL() override { return url_; }
    bool busy() override { return false; }

private:
    String url_;
};

forms::Browser& browserOf(Page& p) {
    static NoBrowser none;
    forms::Browser* b = p.runtime().platform().browser;
    return b ? *b : none;
}

} // namespace

FrmBrowser::FrmBrowser(Page& p)
    : forms::Form(p.runtime(), "frmBrowser"), page(p), browser_(browserOf(p)) {
    // Every successful save of the page reaches here; an open preview follows it.
    saves_ = page.listen([this](Page::Event e, StringView path) {
        if (e == Page::Event::Saved && visible()) pageSaved(path);
    });
    setCaption(kFirstCaption);
    lblAddress.setCaption(u"&Address:");
    cboAddress.Click = [this] { cboAddress_Click(); };
    cboAddress.KeyPress = [this](int& k) { cboAddress_KeyPress(k); };
    for (forms::Button* b : {&Back, &Forward, &Refresh, &Home, &Search, &Stop}) {
        b->setCaption(forms::fromUtf8(b->name()));
        b->Click = [this, b] { tbToolBar_ButtonClick(b->caption()); };
    }
    Back.setPicture("go-previous");
    Forward.setPicture("go-next");
    Refresh.setPicture("view-refresh");
    Home.setPicture("go-home");
    Search.setPicture("edit-find");
    Stop.setPicture("process-stop");
    timTimer.Tick = [this] { timTimer_Timer(); };
    // The browser raises these by itself, as events of the platform.
    browser_.NavigateComplete = [this] {
        runtime().invoke([this] { brwWebBrowser_NavigateComplete(); });
    };
    browser_.DownloadComplete = [this] {
        runtime().invoke([this] { brwWebBrowser_DownloadComplete(); });
    };
}

FrmBrowser::~FrmBrowser() {
    browser_.NavigateComplete = nullptr;
    browser_.DownloadComplete = nullptr;
}

void FrmBrowser::cboAddress_Click() {
    timTimer.setEnabled(true);
    browser_.navigate(cboAddress.text());
}

void FrmBrowser::cboAddress_KeyPress(int& keyAscii) {
    if (keyAscii != 13) return;
    // The address is a line: the Enter that opens it is not part of it.
    keyAscii = 0;
    cboAddress_Click();
}

void FrmBrowser::tbToolBar_ButtonClick(StringView key) {
    timTimer.setEnabled(true);
    if (key == u"Back") {
        browser_.goBack();
    } else if (key == u"Forward") {
        browser_.goForward();
    } else if (key == u"Refresh") {
        browser_.refresh();
    } else if (key == u"Home") {
        browser_.goHome();
    } else if (key == u"Search") {
        browser_.goSearch();
    } else if (key == u"Stop") {
        timTimer.setEnabled(false);
        browser_.stop();
        setCaption(browser_.locationName());
    }
}

void FrmBrowser::timTimer_Timer() {
    if (browser_.busy()) {
        setCaption(u"Working...");
    } else {
        timTimer.setEnabled(false);
        setCaption(browser_.locationName());
    }
}

void FrmBrowser::brwWebBrowser_NavigateComplete() {
    setCaption(browser_.locationName());
    String url = browser_.locationURL();
    for (int i = cboAddress.listCount() - 1; i >= 0; --i)
        if (cboAddress.item(i) == url) cboAddress.removeItem(i);
    cboAddress.addItem(url, 0);
    // Picked as the page already shown: no Click, so no second navigation.
    cboAddress.setListIndexQuiet(0);
}

void FrmBrowser::brwWebBrowser_DownloadComplete() {
    setCaption(browser_.locationName());
}

void FrmBrowser::pageSaved(StringView path) {
    timTimer.setEnabled(true);
    cboAddress.setText(path);
    browser_.navigate(path);
}

void preview_Click(Page& w) {
    // A page without a file has nothing a browser could open.
    if (w.saveme() == Captions::untitled) return;
    if (w.firstPreview) {
        w.runtime().msgBox(u"Always save before checking preview", forms::vbInformation, u"Tip");
        w.firstPreview = false;
    }
    auto& b = w.window<FrmBrowser>();
    b.cboAddress.setText(w.saveme());
    b.show();
    b.brwWebBrowser().navigate(w.saveme());
}

void pictprev_Click(Page& w) {
    preview_Click(w);
}
