// Bookmark list window and the bookmark commands.
#include "dialogs/Bookeeper.h"

#include "forms/Runtime.h"
#include "page/Page.h"
#include "page/Texts.h"

using forms::String;
using forms::StringView;

namespace {
String anchorOf(StringView name) {
    return u"<a name=\"" + String(name) + u"\">Start from here</a>";
}
} // namespace

Bookeeper::Bookeeper(Page& p) : forms::Form(p.runtime(), "bookeeper"), page(p) {
    setCaption(u"Bookmarks in this page");
    List2.setVisible(false);
    OKButton.setCaption(u"Go");
    Close.setCaption(u"Close");
    Picture1.setCaption(u"Find next bookmark");
    Picture1.setPicture("edit-find");
    Picture1.setToolTip(u"You can insert bookmarks that are not in this box by moving the cursor "
                        u"just before the bookmark and clicking this");
    List1.Click = [this] { List1_Click(); };
    OKButton.Click = [this] { OKButton_Click(); };
    Picture1.Click = [this] { Picture1_Click(); };
    Close.Click = [this] { Close_Click(); };
    // The bookmarks belong to the page: another page, or a new one, closes the list.
    pageEvents_ = page.listen([this](Page::Event e, StringView) {
        if (e == Page::Event::Replaced || e == Page::Event::Cleared) unload();
    });
    // The close box hides too: the lists are the only record of the page's bookmarks.
    QueryUnload = [this](bool& cancel) {
        cancel = true;
        hide();
    };
}

void Bookeeper::record(StringView name, StringView anchor) {
    List1.addItem(name);
    List2.addItem(anchor);
}

void Bookeeper::List1_Click() {
    index = List1.listIndex();
    List2.setListIndex(index);
}

void Bookeeper::OKButton_Click() {
    forms::TextBox& buffer = page.Text1;
    buffer.setFocus();
    String anchor = List2.text();
    // An anchor edited away since leaves the caret where it is.
    int32_t at = anchor.empty() ? 0 : buffer.find(anchor);
    if (at >= 0) buffer.setSelStart(at);
}

void Bookeeper::Picture1_Click() {
    forms::TextBox& buffer = page.Text1;
    int32_t p = buffer.selStart();
    int32_t a = buffer.find(u"<a name=\"", p > 0 ? p - 1 : 0);
    if (a <= 0) {
        runtime().msgBox(u"No more bookmarks found");
        return;
    }
    // An anchor that is never closed is not one to pick up.
    int32_t close = buffer.find(u"</a>", a);
    if (close < 0) return;
    int32_t e = close + 4;
    buffer.setSelStart(a);
    buffer.setSelLength(e - a);
    String t = buffer.selText();
    size_t q1 = t.find(u'"');
    size_t q2 = q1 == String::npos ? String::npos : t.find(u'"', q1 + 1);
    // No name to cut out: the anchor stays selected and nothing is recorded.
    if (q2 == String::npos || q2 == q1 + 1) return;
    List2.setListIndex(0);
    record(StringView(t).substr(q1 + 1, q2 - q1 - 1), t);
}

void Bookeeper::Close_Click() {
    hide();
}

namespace bookmarks {

void insert(Page& w) {
    String name = w.runtime().inputBox(u"Enter the name of the bookmark", Messages::assistant);
    if (name.empty()) {
        w.Text1.setFocus();
        return;
    }
    String anchor = anchorOf(name);
    w.Text1.setSelText(anchor);
    w.window<Bookeeper>().record(name, anchor);
}

void show(Page& w) {
    w.window<Bookeeper>().show();
}

} // namespace bookmarks
