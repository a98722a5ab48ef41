// Preview window: the saved page in the platform's browser, its address history and toolbar.
#include "dialogs/FrmBrowser.h"

#include "forms/Runtime.h"
#include "page/Page.h"
#include "page/Texts.h"

#include <algorithm>
#include <filesystem>
#include <unordered_map>
#include <utility>

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

bool isLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

char16_t lower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// Where the end tag of tag (lower case) starts at or after from; the end of html without one.
size_t endTagOf(StringView html, size_t from, const String& tag) {
    for (size_t i = html.find(u"</", from); i != StringView::npos; i = html.find(u"</", i + 2)) {
        size_t k = 0;
        while (k < tag.size() && i + 2 + k < html.size() && lower(html[i + 2 + k]) == tag[k])
            ++k;
        if (k == tag.size()) return i;
    }
    return html.size();
}

} // namespace

std::optional<ElementPlace> elementAt(StringView html, int32_t caret) {
    const size_t end = std::min(html.size(), static_cast<size_t>(std::max(caret, 0)));
    std::unordered_map<String, int32_t> seen;
    std::optional<ElementPlace> last;
    String tag;
    size_t i = html.find(u'<');
    while (i < end) {
        if (html.substr(i, 4) == u"<!--") {
            i = html.find(u"-->", i + 4);
            if (i != StringView::npos) i = html.find(u'<', i + 3);
            continue;
        }
        size_t n = i + 1;
        if (n < html.size() && isLetter(html[n])) {
            tag.clear();
            while (n < html.size() && (isLetter(html[n]) || (html[n] >= u'0' && html[n] <= u'9')))
                tag += lower(html[n++]);
            int32_t nth = seen[tag]++;
            // The browser makes one of each, however often the page writes them.
            if (tag == u"html" || tag == u"head" || tag == u"body") nth = 0;
            last = ElementPlace{tag, nth};
            // Their content is text to the browser: a tag in it is no element.
            if (tag == u"script" || tag == u"style" || tag == u"textarea" || tag == u"title")
                n = endTagOf(html, n, tag);
        }
        i = html.find(u'<', n);
    }
    return last;
}

namespace {} // namespace

FrmBrowser::FrmBrowser(Page& p)
    : forms::Form(p.runtime(), "frmBrowser"), page(p), browser_(browserOf(p)) {
    // Every successful save of the page reaches here; an open preview follows it.
    saves_ = page.listen([this](Page::Event e, StringView path) {
        if (!visible()) return;
        if (e == Page::Event::Saved) {
            pageSaved(path);
        } else if (following() && (e == Page::Event::Changed || e == Page::Event::Renamed)) {
            stale_ = true;
            followLater();
        }
    });
    // Every caret move and typed key reaches here; it costs a restarted timer, no more.
    caret_ = page.Text1.listen([this](forms::Prop p) {
        if (p != forms::Prop::Selection || !following() || !visible()) return;
        caretMoved_ = true;
        followLater();
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
    chkFollow.setCaption(u"Follow typing");
    chkFollow.Click = [this] { chkFollow_Click(); };
    timFollow.Tick = [this] { timFollow_Timer(); };
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
    const bool shown = std::exchange(loading_, false);
    const bool waited = std::exchange(waiting_, false);
    // A pause that ended while a page loaded is taken up now; one still running waits.
    if ((shown || waited) && !timFollow.enabled()) timFollow_Timer();
}

void FrmBrowser::pageSaved(StringView path) {
    cboAddress.setText(path);
    // The buffer is already on screen: the file holds nothing newer.
    if (following()) return;
    timTimer.setEnabled(true);
    browser_.navigate(path);
}

void FrmBrowser::followLater() {
    timFollow.setEnabled(false);
    timFollow.setEnabled(true);
}

void FrmBrowser::chkFollow_Click() {
    if (following()) {
        stale_ = true;
        if (visible()) timFollow_Timer();
        return;
    }
    timFollow.setEnabled(false);
    stale_ = caretMoved_ = waiting_ = false;
    shown_.clear();
    if (!visible() || page.saveme() == Captions::untitled) return;
    timTimer.setEnabled(true);
    cboAddress.setText(page.saveme());
    browser_.navigate(page.saveme());
}

void FrmBrowser::timFollow_Timer() {
    timFollow.setEnabled(false);
    if (!following() || !visible()) return;
    if (loading_ || browser_.busy()) {
        waiting_ = true;
        return;
    }
    if (stale_) {
        stale_ = false;
        // The copy is made here, once per pause, never per keystroke.
        shown_ = page.Text1.text();
        String path = followedPath();
        cboAddress.setText(path);
        // Once loaded, the caret's element is brought into view.
        caretMoved_ = true;
        loading_ = true;
        browser_.showText(shown_, path);
        return;
    }
    if (!caretMoved_) return;
    caretMoved_ = false;
    if (auto place = elementAt(shown_, page.Text1.selStart()))
        browser_.reveal(place->tag, place->nth);
}

String FrmBrowser::followedPath() const {
    if (page.saveme() != Captions::untitled) return page.saveme();
    std::error_code ec;
    return forms::fromUtf8((std::filesystem::current_path(ec) / "Untitled.html").string());
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
    // While hidden the window heard no change: the buffer is shown afresh.
    if (b.following())
        b.chkFollow_Click();
    else
        b.brwWebBrowser().navigate(w.saveme());
}

void pictprev_Click(Page& w) {
    preview_Click(w);
}
