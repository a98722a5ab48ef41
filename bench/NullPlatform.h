// Platform services that answer nothing but a clipboard: for measuring, where no dialog
// may appear.
#pragma once

#include "forms/Platform.h"

#include <cstdlib>

struct NullPlatform : forms::Dialogs, forms::Clipboard, forms::Fonts, forms::Clock, forms::Session {
    int messageBox(forms::StringView, int, forms::StringView) override { std::abort(); }
    forms::String inputBox(forms::StringView, forms::StringView, forms::StringView) override {
        std::abort();
    }
    std::optional<forms::String> fileDialog(const forms::FileDialogRequest&) override {
        std::abort();
    }
    // The clipboard keeps what it is given, for pasting.
    void clear() override { held.clear(); }
    void setText(forms::StringView t) override { held = forms::String(t); }
    forms::String text() override { return held; }
    std::vector<forms::String> screenFonts() override { return {}; }
    void timerChanged(forms::Timer&) override {}
    void timerGone(forms::Timer&) override {}
    void end() override {}
    forms::Platform platform() { return forms::Platform{*this, *this, *this, *this, *this}; }

    forms::String held;
};

// A page of about `bytes` characters: the initial page's body repeated.
inline forms::String bigPage(size_t bytes) {
    forms::String line = u"<P ALIGN=\"LEFT\">Some text of a hand-written page, <B>bold</B> and "
                         u"<A HREF=\"x.htm\">a link</A>.</P>\r\n";
    forms::String page;
    page.reserve(bytes + line.size());
    while (page.size() < bytes)
        page += line;
    return page;
}
