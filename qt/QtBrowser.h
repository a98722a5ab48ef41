// The preview's browser in the front end: an interface whose pages show in a widget of the
// preview window, and its implementation on Qt WebEngine. Only QtBrowser.cpp sees WebEngine.
#pragma once

#include "forms/Platform.h"

#include <QString>

#include <memory>

class QWidget;

namespace tolva::qt {

class BrowserHost : public forms::Browser {
public:
    // Makes the preview window's page area; the parent owns it. One window at a time.
    virtual QWidget* makePageArea(QWidget* parent) = 0;
};

// Chromium through Qt WebEngine. Home is the last local file it was sent to (the page
// itself, as there may be no network); Search is an empty page. A text it is given to show
// is served at the file's path under a scheme of its own, with the files of the file's
// folder tree and nothing else (see QtBrowser.cpp).
class QtBrowser : public BrowserHost {
public:
    QtBrowser();
    ~QtBrowser() override;
    QtBrowser(const QtBrowser&) = delete;
    QtBrowser& operator=(const QtBrowser&) = delete;

    QWidget* makePageArea(QWidget* parent) override;
    void navigate(forms::StringView url) override;
    void goBack() override;
    void goForward() override;
    void goHome() override;
    void goSearch() override;
    void stop() override;
    void refresh() override;
    forms::String locationName() override;
    forms::String locationURL() override;
    bool busy() override;
    void showText(forms::StringView html, forms::StringView path) override;
    void reveal(forms::StringView tag, int32_t nth) override;

    // Why the engine cannot run on this machine, or empty when it can.
    static QString cannotStart();

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

} // namespace tolva::qt
