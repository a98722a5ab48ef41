// Case conversion of the buffer's selection: lower, upper, inverted, title and sentence.
#include "core/Tolva.h"

using forms::String;

namespace {

bool isLower(char16_t c) {
    return c >= u'a' && c <= u'z';
}
bool isUpper(char16_t c) {
    return c >= u'A' && c <= u'Z';
}
char16_t flip(char16_t c) {
    if (isUpper(c)) return static_cast<char16_t>(c + 32);
    if (isLower(c)) return static_cast<char16_t>(c - 32);
    return c;
}
char16_t raise(char16_t c) {
    return isLower(c) ? static_cast<char16_t>(c - 32) : c;
}

} // namespace

void Tolva::replaceSelection(const std::function<forms::String(forms::String)>& convert) {
    int32_t start = Text1.selStart();
    int32_t length = Text1.selLength();
    Text1.setSelText(convert(Text1.selText()));
    Text1.setSelStart(start);
    Text1.setSelLength(length);
}

// Title and sentence case insert their result with a leading blank (so that the first
// letter has a blank before it) and then delete that blank: two changes of the text.
void Tolva::replaceSelectionPadded(const std::function<void(forms::String&)>& convert) {
    int32_t start = Text1.selStart();
    int32_t length = Text1.selLength();
    String w = u" " + Text1.selText();
    convert(w);
    Text1.setSelText(w);
    Text1.setSelStart(start);
    Text1.setSelLength(1);
    Text1.setSelText(u"");
    Text1.setSelLength(length);
}

void Tolva::mnuLcase_Click() {
    replaceSelection([](String t) { return forms::lower(t); });
}

void Tolva::mnuUcase_Click() {
    replaceSelection([](String t) { return forms::upper(t); });
}

void Tolva::mnuIcase_Click() {
    replaceSelection([](String t) {
        for (char16_t& c : t)
            c = flip(c);
        return t;
    });
}

void Tolva::mnutitlecase_Click() {
    replaceSelectionPadded([](String& w) {
        w = forms::lower(w);
        for (size_t i = 1; i < w.size(); ++i)
            if (w[i - 1] == u' ') w[i] = raise(w[i]);
    });
}

void Tolva::mnusentencecase_Click() {
    replaceSelectionPadded([](String& w) {
        for (size_t i = 1; i < w.size(); ++i) {
            bool afterStop = w[i - 1] == u'.' || (i >= 2 && w[i - 1] == u' ' && w[i - 2] == u'.');
            if (afterStop) w[i] = raise(w[i]);
        }
    });
}
