// The Problems window and its status-bar items.
#include "check/Problems.h"

#include "page/Page.h"

using forms::String;

Problems::Problems(Page& p)
    : forms::Form(p.runtime(), "problems"), page(p), pageCheck(p, onAtStart) {
    setCaption(u"Problems");
    checking.setCaption(u"Check");
    checking.setToolTip(u"Check the page with HTML Tidy as you type");
    checking.setValue(onAtStart ? 1 : 0);
    count.setToolTip(u"Show the problems in the page (Ctrl+Shift+M)");
    count.Click = [this] { count_Click(); };
    checking.Click = [this] { checking_Click(); };
    found_ = pageCheck.listen([this] { refresh(); });
    // The close box hides: the check and its count live on with the window.
    QueryUnload = [this](bool& cancel) {
        cancel = true;
        hide();
    };
    refresh();
}

String Problems::countText(size_t n) {
    if (n == 0) return u"No problems";
    return forms::number(static_cast<int64_t>(n)) + (n == 1 ? u" problem" : u" problems");
}

String Problems::row(const check::Problem& p) {
    return forms::number(p.line) + u", " + forms::number(p.column) + u", " +
           (p.kind == check::Kind::Error ? u"error" : u"warning") + u", " +
           forms::fromUtf8(p.message);
}

void Problems::refresh() {
    const auto& found = pageCheck.problems();
    List1.clear();
    for (const check::Problem& p : found)
        List1.addItem(row(p));
    count.setCaption(pageCheck.on() ? countText(found.size()) : String(u"Not checked"));
}

void Problems::go(int index) {
    const auto& found = pageCheck.problems();
    if (index < 0 || static_cast<size_t>(index) >= found.size()) return;
    forms::TextBox& buffer = page.Text1;
    buffer.setFocus();
    // The text may have grown shorter since the check.
    // The text may have grown shorter since the check; the start clamps at its end.
    buffer.setSelStart(found[static_cast<size_t>(index)].start);
    buffer.setSelLength(0);
}

void Problems::count_Click() {
    show();
}

void Problems::checking_Click() {
    pageCheck.setOn(checking.value() != 0);
    refresh();
}
