// Auto delete: removes the tag at the caret with the tag that closes it, or the whole
// element, as its row of the deletion table says.
#include "assistant/AutoDelete.h"

#include "page/Page.h"
#include "page/Texts.h"
#include "tools/SmartSelect.h"

#include <algorithm>
#include <span>

using forms::StringView;

namespace {

enum class Test { Equals, BeginsWith };
enum class Family {
    Pair,    // opening and closing go, the text between stays; missing closing is reported
    Unwrap,  // as Pair, but a nested opening keeps the closing, and nothing is reported
    Element, // the whole element goes, content included
};

struct DeletionRow {
    Test test;
    StringView opening;
    StringView closing;
    Family family;
    StringView nested;  // Unwrap only
    StringView message; // Pair and Element only
};

constexpr StringView kNotFound = u"The </FORM> tag is not found. Please delete manually";

// Searched in this order; every comparison is case-sensitive.
constexpr DeletionRow kRows[] = {
    {Test::Equals, u"<B>", u"</B>", Family::Pair, u"",
     u"Another bold tag has been found. The ending tag (if present) will remain unchanged"},
    {Test::Equals, u"<I>", u"</I>", Family::Pair, u"",
     u"Another italics tag has been found. The ending tag (if present) will remain unchanged"},
    {Test::Equals, u"<U>", u"</U>", Family::Pair, u"",
     u"Another underline tag has been found. The ending tag (if present) will remain unchanged"},
    {Test::Equals, u"<blockquote>", u"</blockquote>", Family::Pair, u"",
     u"Another blockquote tag has been found. The ending tag (if present) will remain "
     u"unchanged"},
    {Test::Equals, u"<PRE>", u"</PRE>", Family::Unwrap, u"<PRE>", u""},
    {Test::BeginsWith, u"<A ", u"</A>", Family::Unwrap, u"<A ", u""},
    {Test::Equals, u"<SUP>", u"</SUP>", Family::Unwrap, u"<SUP>", u""},
    {Test::Equals, u"<SUB>", u"</SUB>", Family::Unwrap, u"<SUB>", u""},
    {Test::Equals, u"<!--", u"-->", Family::Unwrap, u"<!--", u""},
    {Test::BeginsWith, u"<font", u"</font>", Family::Unwrap, u"<font", u""},
    {Test::BeginsWith, u"<FONT", u"</FONT>", Family::Unwrap, u"<FONT", u""},
    // The nested check looks for the bare "<P>", although the opening has attributes.
    {Test::BeginsWith, u"<P ", u"</P>", Family::Unwrap, u"<P>", u""},
    {Test::BeginsWith, u"<form ", u"</form>", Family::Element, u"", kNotFound},
    {Test::BeginsWith, u"<HR", u">", Family::Element, u"",
     u"The end of the rule is not found. Please delete manually"},
    {Test::BeginsWith, u"<TABLE ", u"</TABLE>", Family::Element, u"",
     u"The </TABLE> tag is not found. Please delete manually"},
    {Test::BeginsWith, u"<TR>", u"</TR>", Family::Element, u"",
     u"The </TR> tag is not found. Please delete manually"},
    {Test::Equals, u"<BIG>", u"</BIG>", Family::Unwrap, u"<BIG>", u""},
    {Test::Equals, u"<SMALL>", u"</SMALL>", Family::Unwrap, u"<SMALL>", u""},
    {Test::Equals, u"<EM>", u"</EM>", Family::Unwrap, u"<EM>", u""},
    {Test::Equals, u"<Q>", u"</Q>", Family::Unwrap, u"<Q>", u""},
    {Test::Equals, u"<CODE>", u"</CODE>", Family::Unwrap, u"<CODE>", u""},
    {Test::Equals, u"<STRONG>", u"</STRONG>", Family::Unwrap, u"<STRONG>", u""},
    {Test::Equals, u"<ABBR>", u"</ABBR>", Family::Unwrap, u"<ABBR>", u""},
    {Test::BeginsWith, u"<FORM ", u"</FORM>", Family::Element, u"", kNotFound},
};
static_assert(std::size(kRows) == 24);

int32_t len(StringView s) {
    return static_cast<int32_t>(s.size());
}

// Tests the selection without copying it: smart select may have selected a long stretch
// of content between two tags.
bool matches(const DeletionRow& row, const forms::TextBox& box) {
    int32_t start = box.selStart();
    int32_t n = box.selLength();
    int32_t m = len(row.opening);
    if (row.test == Test::Equals ? n != m : n < m) return false;
    if (box.mid(start, m) != row.opening) return false;
    // Smart select spans the content when the caret sits between two tags. Unwrapping
    // that selection would delete the content and then some later element's closing
    // tag, so only a single tag counts as an opening there.
    if (row.family == Family::Unwrap && row.test == Test::BeginsWith)
        return box.find(u">", start) == start + n - 1;
    return true;
}

void deleteRange(forms::TextBox& box, int32_t start, int32_t length) {
    box.setSelStart(start);
    box.setSelLength(length);
    box.setSelText(u"");
}

} // namespace

void mnuautodel_Click(Page& w) {
    forms::TextBox& buffer = w.Text1;
    smartSelect(buffer, w.runtime());
    const int32_t s = buffer.selStart();
    for (const DeletionRow& row : kRows) {
        if (!matches(row, buffer)) continue;
        switch (row.family) {
        case Family::Pair: {
            int32_t c = buffer.find(row.closing, s);
            if (c >= 0) {
                deleteRange(buffer, c, len(row.closing));
                deleteRange(buffer, s, len(row.opening));
            } else {
                w.runtime().msgBox(row.message, forms::vbExclamation, Messages::assistant);
                buffer.setSelText(u"");
                buffer.setFocus();
            }
            break;
        }
        case Family::Unwrap: {
            buffer.setSelText(u"");
            // The search starts two characters before the removed tag.
            int32_t from = std::max(s - 2, 0);
            int32_t c = buffer.find(row.closing, from);
            int32_t o = buffer.find(row.nested, from);
            if (o >= 0 && c >= 0 && o <= c) {
                buffer.setFocus();
            } else if (c >= 0) {
                deleteRange(buffer, c, len(row.closing));
                buffer.setSelStart(s);
            }
            break;
        }
        case Family::Element: {
            int32_t c = buffer.find(row.closing, s);
            if (c >= 0) {
                buffer.setSelLength(c + len(row.closing) - s);
                buffer.setSelText(u"");
            } else {
                w.runtime().msgBox(row.message, forms::vbExclamation, Messages::assistant);
                buffer.setFocus();
            }
            break;
        }
        }
    }
}
