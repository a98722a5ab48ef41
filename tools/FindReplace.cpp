// Find and replace window, and the page searches behind it.
#include "tools/FindReplace.h"

#include "page/Page.h"

#include <algorithm>

using forms::String;
using forms::StringView;

namespace {

constexpr int kFindOnlyHeight = 1215;
constexpr int kExpandedHeight = 1755;

char16_t fold(char16_t c) {
    if (c < 0x80) return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
    return forms::lowerChar(c);
}

bool matchesAt(const forms::TextBox& box, StringView folded, int32_t at) {
    for (size_t k = 0; k < folded.size(); ++k)
        if (fold(box.at(at + static_cast<int32_t>(k))) != folded[k]) return false;
    return true;
}

} // namespace

int32_t findText(const forms::TextBox& box, StringView needle, int32_t from, bool matchCase) {
    if (matchCase || needle.empty()) return box.find(needle, from);
    String folded = forms::lower(needle);
    auto m = static_cast<int32_t>(folded.size());
    for (int32_t i = std::max(from, 0); i + m <= box.length(); ++i)
        if (fold(box.at(i)) == folded[0] && matchesAt(box, folded, i)) return i;
    return -1;
}

int32_t findTextBack(const forms::TextBox& box, StringView needle, int32_t limit, bool matchCase) {
    if (matchCase || needle.empty()) return box.rfind(needle, limit);
    String folded = forms::lower(needle);
    auto m = static_cast<int32_t>(folded.size());
    for (int32_t i = std::min(limit, box.length()) - m; i >= 0; --i)
        if (fold(box.at(i)) == folded[0] && matchesAt(box, folded, i)) return i;
    return -1;
}

int32_t decimalValue(StringView s) {
    int64_t n = 0;
    for (char16_t c : s) {
        if (c < u'0' || c > u'9') break;
        n = std::min<int64_t>(n * 10 + (c - u'0'), INT32_MAX);
    }
    return static_cast<int32_t>(n);
}

String replaceAllText(const forms::TextBox& box, StringView needle, StringView replacement,
                      bool matchCase) {
    if (needle.empty()) return box.text();
    String out;
    out.reserve(static_cast<size_t>(box.length()));
    auto m = static_cast<int32_t>(needle.size());
    int32_t pos = 0;
    for (int32_t at; (at = findText(box, needle, pos, matchCase)) >= 0; pos = at + m) {
        out += box.mid(pos, at - pos);
        out += replacement;
    }
    out += box.mid(pos, box.length() - pos);
    return out;
}

FindReplace::FindReplace(Page& p) : forms::Form(p.runtime(), "findreplace"), page(p) {
    setCaption(u"Find : Tolva");
    setHeight(kFindOnlyHeight);
    Label1.setCaption(u"Find what");
    Label2.setCaption(u"Replace with");
    casematch.setCaption(u"Match Case");
    down.setCaption(u"Down");
    up.setCaption(u"Up");
    down.setValue(true);
    btnfind.setCaption(u"Find Next");
    btnReplace.setCaption(u"Replace");
    btnReplaceAll.setCaption(u"Replace All");
    lblreplink.setCaption(u"Replace....");
    FrameRep.setVisible(false);
    txtReplace.setEnabled(false);
    lengthofwrd.setVisible(false);

    Load = [this] { Form_Load(); };
    MouseMove = [this] { Form_MouseMove(); };
    btnfind.Click = [this] { btnfind_Click(); };
    btnReplace.Click = [this] { btnReplace_Click(); };
    btnReplaceAll.Click = [this] { btnReplaceAll_Click(); };
    lblreplink.Click = [this] { lblreplink_Click(); };
    txtfind.Change = [this] { txtfind_Change(); };
    txtReplace.Change = [this] { txtReplace_Change(); };
    // Enter in the search field is Find Next.
    txtfind.KeyPress = [this](int& key) {
        if (key != 13) return;
        key = 0;
        btnfind_Click();
    };
}

void FindReplace::Form_Load() {
    btnReplace.setEnabled(false);
    foundpos = page.Text1.selStart();
}

void FindReplace::enableReplace() {
    bool on = !txtfind.text().empty();
    btnReplace.setEnabled(on);
    btnReplaceAll.setEnabled(on);
}

void FindReplace::Form_MouseMove() {
    enableReplace();
}
void FindReplace::txtfind_Change() {
    enableReplace();
}
void FindReplace::txtReplace_Change() {
    enableReplace();
}

int32_t FindReplace::search(int32_t lastFound) {
    forms::TextBox& buffer = page.Text1;
    const String& needle = txtfind.text();
    bool matchCase = casematch.value() != 0;
    int32_t at;
    if (down.value()) {
        at = findText(buffer, needle, lastFound, matchCase);
    } else {
        int32_t caret = buffer.selStart();
        at = findTextBack(buffer, needle, caret, matchCase);
        buffer.setSelStart(caret);
    }
    return at + 1;
}

void FindReplace::btnfind_Click() {
    auto n = std::min(static_cast<int32_t>(txtfind.text().size()), kMaxSearchSelection);
    txtfind.select(0, n);
    lengthofwrd.setText(forms::number(txtfind.selLength()));
    foundpos = search(foundpos);
    if (foundpos != 0) {
        markfound();
    } else {
        runtime().msgBox(u"Search complete", forms::vbOKOnly);
        hide();
        page.Text1.setFocus();
    }
    btnReplace.setEnabled(true);
    txtfind.addItem(txtfind.text());
}

void FindReplace::markfound() {
    forms::TextBox& buffer = page.Text1;
    buffer.setFocus();
    buffer.setSelStart(foundpos - 1);
    buffer.setSelLength(decimalValue(lengthofwrd.text()));
    // The find-only form steps aside so that the user goes on with F3.
    if (lblreplink.visible())
        hide();
    else
        show();
}

void FindReplace::btnReplace_Click() {
    if (foundpos != 0 && !txtfind.text().empty()) {
        page.Text1.setSelText(txtReplace.text());
        btnfind_Click();
    } else {
        runtime().msgBox(u"Search Complete", forms::vbOKOnly);
    }
    txtReplace.addItem(txtReplace.text());
}

void FindReplace::btnReplaceAll_Click() {
    forms::TextBox& buffer = page.Text1;
    buffer.setText(
        replaceAllText(buffer, txtfind.text(), txtReplace.text(), casematch.value() != 0));
    hide();
}

void FindReplace::lblreplink_Click() {
    openreplace();
}

void FindReplace::openreplace() {
    setCaption(u"Find Replace");
    setCaption(u"Replace");
    FrameRep.setVisible(true);
    lblreplink.setVisible(false);
    txtReplace.setEnabled(true);
    setHeight(kExpandedHeight);
}
