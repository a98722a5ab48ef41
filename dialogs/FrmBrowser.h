// The preview window `frmBrowser`: the page's saved file in the platform's browser, with an
// address box and its history, the browser's toolbar, and a caption that follows the page;
// or, with "Follow typing" ticked, the buffer's text as it stands.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/Platform.h"

#include <optional>

class Page;

// The element that holds offset caret of html, as the browser will number it: the nth
// (from 0) element of a tag name (lower case). Nothing before the first tag.
struct ElementPlace {
    forms::String tag;
    int32_t nth = 0;
    bool operator==(const ElementPlace&) const = default;
};
std::optional<ElementPlace> elementAt(forms::StringView html, int32_t caret);

class FrmBrowser : public forms::Form {
public:
    explicit FrmBrowser(Page& page);
    ~FrmBrowser() override;
    Page& page;

    // What the help viewer says of "Follow typing".
    static constexpr char16_t followTypingHelp[] =
        u"Tick \"Follow typing\" in the preview window to see the page as it stands in the "
        u"editor, saved or not: the preview shows it again a moment after you stop typing, keeps "
        u"its place on screen and brings the element that holds the caret into view. Pictures and "
        u"style sheets load from the page's own folder (an untitled page's from the working "
        u"folder), and the preview reaches nothing outside that folder and no network. Untick it "
        u"to see the saved file again.";

    forms::Label lblAddress{*this, "lblAddress"};
    forms::ComboBox cboAddress{*this, "cboAddress"};
    // The buttons of tbToolBar, named by their keys.
    forms::Button Back{*this, "Back"}, Forward{*this, "Forward"}, Refresh{*this, "Refresh"},
        Home{*this, "Home"}, Search{*this, "Search"}, Stop{*this, "Stop"};
    // Follows the browser's busy state while it runs.
    forms::Timer timTimer{*this, "timTimer", 5, false};
    // Shows the buffer instead of the saved file; the pause after the last change or caret
    // move before the preview follows it.
    forms::CheckBox chkFollow{*this, "chkFollow"};
    forms::Timer timFollow{*this, "timFollow", 300, false};

    // The platform's browser (one that shows nothing when the platform has none).
    forms::Browser& brwWebBrowser() const { return browser_; }

    void cboAddress_Click();
    void cboAddress_KeyPress(int& keyAscii);
    void tbToolBar_ButtonClick(forms::StringView key);
    void timTimer_Timer();
    void brwWebBrowser_NavigateComplete();
    void brwWebBrowser_DownloadComplete();
    // The page was saved to path while the window is open: show it as it now is.
    void pageSaved(forms::StringView path);
    void chkFollow_Click();
    void timFollow_Timer();
    bool following() const { return chkFollow.value() != 0; }
    // The file the buffer's text stands for: the page's, or one in the working folder while
    // the page has none. Its folder is where the text's relative addresses lead.
    forms::String followedPath() const;

private:
    // Starts the pause again: the preview follows once typing and moving stop.
    void followLater();
    forms::Browser& browser_;
    forms::Subscription saves_, caret_;
    // The text last given to the browser; whether the buffer or its file name changed since,
    // and whether the caret moved.
    forms::String shown_;
    bool stale_ = false, caretMoved_ = false;
    // A text given to the browser has not finished loading; the pause ended meanwhile.
    bool loading_ = false, waiting_ = false;
};

// The main window's `preview` (F5) and its toolbar picture `pictprev`.
void preview_Click(Page& w);
void pictprev_Click(Page& w);
