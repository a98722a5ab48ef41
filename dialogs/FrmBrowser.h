// The preview window `frmBrowser`: the page's saved file in the platform's browser, with an
// address box and its history, the browser's toolbar, and a caption that follows the page.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/Platform.h"

class Page;

class FrmBrowser : public forms::Form {
public:
    explicit FrmBrowser(Page& page);
    ~FrmBrowser() override;
    Page& page;

    forms::Label lblAddress{*this, "lblAddress"};
    forms::ComboBox cboAddress{*this, "cboAddress"};
    // The buttons of tbToolBar, named by their keys.
    forms::Button Back{*this, "Back"}, Forward{*this, "Forward"}, Refresh{*this, "Refresh"},
        Home{*this, "Home"}, Search{*this, "Search"}, Stop{*this, "Stop"};
    // Follows the browser's busy state while it runs.
    forms::Timer timTimer{*this, "timTimer", 5, false};

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

private:
    forms::Browser& browser_;
    forms::Subscription saves_;
};

// The main window's `preview` (F5) and its toolbar picture `pictprev`.
void preview_Click(Page& w);
void pictprev_Click(Page& w);
