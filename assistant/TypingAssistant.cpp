#include "assistant/TypingAssistant.h"

#include "commands/Controls.h"
#include "forms/Controls.h"
#include "forms/Runtime.h"
#include "forms/TextBox.h"
#include "page/Texts.h"

using forms::String;
using forms::StringView;
using Row = TypingAssistant::Row;
using O = TypingAssistant::Op;
using commands::Id;

namespace {

constexpr O insert(StringView t) {
    return {O::Insert, t};
}
constexpr O back(int n) {
    return {O::Back, {}, n};
}
constexpr O forward(int n) {
    return {O::Forward, {}, n};
}
constexpr O selectBack(int n) {
    return {O::SelectBack, {}, n};
}
constexpr O type(StringView t) {
    return {O::Type, t};
}
constexpr O remove(int n) {
    return {O::Remove, {}, n};
}
constexpr O run(commands::Id command) {
    return {O::Run, {}, 0, commands::name(command)};
}

// Every text the assistant puts leaves before the caret something no pattern matches:
// upper-case tags or completed names. The patterns are all lower case.
constexpr Row kRows[] = {
    {u"<font c", u"", {insert(u"olor=\"\""), back(1)}},
    {u"color=\"a", u"", {type(u"qua")}},
    {u"color=\"f", u"", {type(u"uchsia")}},
    {u"color=\"o", u"", {type(u"live")}},
    {u"color=\"m", u"", {type(u"aroon")}},
    {u"color=\"y", u"", {type(u"ellow")}},
    {u"color=\"l", u"", {type(u"ime")}},
    {u"color=\"r", u"", {type(u"ed")}},
    {u"color=\"n", u"", {type(u"avy")}},
    {u"color=\"s", u"", {type(u"ilver")}},
    {u"color=\"p", u"", {type(u"urple")}},
    {u"color=\"t", u"", {type(u"eal")}},
    {u"color=\"w", u"", {type(u"hite")}},
    {u"color=\"blu", u"", {type(u"e")}},
    {u"color=\"bla", u"", {type(u"ck")}},
    {u"color=\"gre", u"", {type(u"en")}},
    {u"color=\"gra", u"", {type(u"y")}},
    {u"<font s", u"", {insert(u"ize=\"\""), back(1)}},
    {u"<font f", u"", {insert(u"ace=\"\""), back(1)}},
    {u"</for", u"", {insert(u"m>")}},
    {u"</fon", u"", {insert(u"t>")}},
    {u"<b>", u"", {selectBack(3), insert(u"<B></B>"), back(4)}},
    {u"<i>", u"", {selectBack(3), insert(u"<I></I>"), back(4)}},
    {u"<u>", u"", {selectBack(3), insert(u"<U></U>"), back(4)}},
    {u"<p>", u"", {selectBack(3), insert(u"</P><P ALIGN=\"LEFT\">"), forward(1)}},
    {u"<pre>", u"", {selectBack(4), insert(u"PRE></PRE>"), back(6)}},
    {u"<a ",
     u"This looks like an anchor tag. Would you like Tolva to assist you?",
     {remove(3), run(Id::linkcomplete)}},
    {u"<hr>",
     u"This looks like a horizontal rule. Would you like Tolva to assist you providing more "
     u"options?",
     {remove(4), run(Id::rule)}},
    {u"<ol>",
     u"This looks like a numbered list. Would you like Tolva to assist you?",
     {selectBack(4), run(Id::numberings)}},
    {u"<ul>",
     u"This looks like a bulletted list. Would you like Tolva to assist you?",
     {selectBack(4), run(Id::Bullet)}},
    {u"<img",
     u"This looks like an image tag. Would you like Tolva to assist you?",
     {remove(4), run(Id::Images)}},
    {u"<cen", u"", {type(u"ter>")}},
    {u"</ce", u"", {type(u"nter>")}},
    {u"<tab",
     u"This looks like a table tag. Would you like Tolva to assist you?",
     {remove(4), run(Id::Table)}},
    {u"<tr>",
     u"This looks like you want to insert a row. Would you like Tolva to assist you?",
     {remove(4), run(Id::Row)}},
    {u"<td>", u"", {selectBack(4), insert(u"<TD></TD>"), back(5)}},
    {u"bgc", u"", {type(u"olor=\"\"")}},
    {u"align=\"l", u"", {type(u"eft\"")}},
    {u"align=\"c", u"", {type(u"enter\"")}},
    {u"align=\"r", u"", {type(u"ight\"")}},
    {u"align=\"j", u"", {type(u"ustify\"")}},
    {u"<tex", u"", {insert(u"tarea></textarea>"), back(11)}},
    {u"<in", u"", {insert(u"put type=\""), selectBack(10)}},
    {u"ut type=\"b", u"", {insert(u"utton\""), selectBack(6)}},
    {u"ut type=\"t", u"", {insert(u"ext\""), selectBack(4)}},
    {u"ut type=\"s", u"", {insert(u"ubmit\""), selectBack(6)}},
    {u"ut type=\"re", u"", {insert(u"set\""), selectBack(5)}},
    {u"ut type=\"ra", u"", {insert(u"dio\""), selectBack(5)}},
    {u"ut type=\"c", u"", {insert(u"heckbox\"")}},
    {u"ut type=\"f", u"", {insert(u"ile\""), selectBack(4)}},
    {u"<for", u"", {insert(u"m name=\"\">"), back(2)}},
    {u"<a name=\"", u"", {remove(9), run(Id::mnubookmark)}},
};

} // namespace

TypingAssistant::TypingAssistant(forms::TextBox& buffer, forms::Runtime& runtime, CommandRunner run,
                                 forms::MenuItem& autoComplete, forms::MenuItem& assistant)
    : buffer_(buffer), runtime_(runtime), run_(std::move(run)), autoComplete_(autoComplete),
      assistant_(assistant) {}

std::span<const Row> TypingAssistant::rows() {
    return kRows;
}

void TypingAssistant::mnuautocorrect_Click() {
    bool on = !autoComplete_.checked();
    autoComplete_.setChecked(on);
    assistant_.setEnabled(on);
    // Switching off asks nothing and leaves the prompts as they were.
    if (!on) return;
    int r = runtime_.msgBox(
        u"Would you like to have an active assistant? That is message prompts like:       \r"
        u"This looks like an anchor tag. Would you like Tolva to assist you?    \r"
        u" - to appear? Assistant makes your job faster and safer by prompting. You can turn "
        u"them off from the options menu.",
        forms::vbYesNo + forms::vbQuestion,
        u"Would you like to have an Assistant to make your job faster and safer?");
    assistprompt = r == forms::vbYes;
    assistant_.setChecked(assistprompt);
}

void TypingAssistant::mnuassistant_Click() {
    assistant_.setChecked(!assistant_.checked());
    assistprompt = assistant_.checked();
}

void TypingAssistant::Text1_Change() {
    if (!autoComplete_.checked()) return;
    for (const Row& row : kRows) {
        // An earlier row, or the nested run of its edit, may have moved the caret.
        int32_t caret = buffer_.selStart();
        // Within the first 16 characters nothing is recognised.
        if (caret <= 15) return;
        int32_t n = static_cast<int32_t>(row.pattern.size());
        if (buffer_.before(caret, n) == row.pattern) react(row);
    }
}

void TypingAssistant::react(const Row& row) {
    if (!row.prompt.empty() && assistprompt &&
        runtime_.msgBox(row.prompt, forms::vbYesNo, Messages::assistant) != forms::vbYes) {
        buffer_.setFocus();
        return;
    }
    for (const Op& op : row.ops) {
        switch (op.kind) {
        case Op::None:
            return;
        case Op::Insert:
            buffer_.setSelText(op.text);
            break;
        case Op::Back:
            buffer_.setSelStart(buffer_.selStart() - op.n);
            break;
        case Op::Forward:
            buffer_.setSelStart(buffer_.selStart() + op.n);
            break;
        case Op::SelectBack:
            buffer_.setSelStart(buffer_.selStart() - op.n);
            buffer_.setSelLength(op.n);
            break;
        case Op::Type:
            runtime_.sendKeys(op.text);
            break;
        case Op::Remove:
            buffer_.setSelStart(buffer_.selStart() - op.n);
            buffer_.setSelLength(op.n);
            buffer_.setSelText(u"");
            break;
        case Op::Run:
            run_(op.command);
            break;
        }
    }
}
