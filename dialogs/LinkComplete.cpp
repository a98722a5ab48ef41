// Link dialog: hyperlink and mail modes, the target list, and the builder.
#include "dialogs/LinkComplete.h"

#include "page/Page.h"
#include "page/Texts.h"

#include <algorithm>

using forms::String;
using forms::StringView;

namespace {

struct Target {
    StringView item;
    StringView attribute;
};
constexpr Target kTargets[] = {
    {u"Default (none)", u""},
    {u"Same Frame", u" target=\"_self\""},
    {u"Whole Page", u" target=\"_top\""},
    {u"New Window", u" target=\"_blank\""},
    {u"Parent Frame", u" target=\"_parent\""},
};

// " TITLE=\"tip\"", or nothing for an empty tip.
String titleOf(const forms::TextBox& box) {
    return box.text().empty() ? String() : u" TITLE=\"" + box.text() + u"\"";
}

} // namespace

LinkComplete::LinkComplete(Page& p) : forms::Form(p.runtime(), "linkcomplete"), page(p) {
    setCaption(u"Insert Hyperlink: Tolva");
    Option1.setCaption(u"Hyperlink");
    Option2.setCaption(u"Mail Id");
    Option1.setValue(true);
    lbltodisplay.setCaption(u"Text To Display");
    txttodisplay.setToolTip(u"This is the text that will be displayed as the hyperlink.");
    lbllinkurl.setCaption(u"Location/URL");
    linkurl.setToolTip(u"Enter the location/URL of the destination");
    lbllinkscreentip.setCaption(u"Screen Tip *");
    linkscreentip.setToolTip(u"Enter a screentip");
    Command1.setCaption(u"Target Frame");
    lbltargets.setCaption(u"Target Frame *");
    targets.setToolTip(u"Choose a target.");
    for (const Target& t : kTargets)
        targets.addItem(t.item);
    lblmailid.setCaption(u"Mail Id");
    mailid.setToolTip(u"Enter the e-mail id");
    mailid.setEnabled(false);
    lblsubject.setCaption(u"Subject *");
    subject.setToolTip(u"Enter the subject of the mail");
    subject.setEnabled(false);
    lblmailscreentip.setCaption(u"Screen Tip *");
    mailscreentip.setToolTip(u"Enter a screentip");
    mailscreentip.setEnabled(false);
    Check1.setCaption(u"Underline Link");
    Check1.setValue(1);
    lbloptional.setCaption(u" * stands for optional");
    OKButton.setCaption(u"OK");
    OKButton.setToolTip(u"Insert a hyperlink");
    CancelButton.setCaption(u"Cancel");
    CancelButton.setToolTip(u"Return");

    Load = [this] { Form_Load(); };
    Option1.Click = [this] { Option1_Click(); };
    Option2.Click = [this] { Option2_Click(); };
    mailid.Change = [this] { mailid_Change(); };
    Command1.Click = [this] { Command1_Click(); };
    targets.Click = [this] { targets_Click(); };
    linkscreentip.Change = [this] { linkscreentip_Change(); };
    mailscreentip.Change = [this] { mailscreentip_Change(); };
    Check1.Click = [this] { Check1_Click(); };
    subject.Change = [this] { subject_Change(); };
    OKButton.Click = [this] { OKButton_Click(); };
    CancelButton.Click = [this] { CancelButton_Click(); };
}

void LinkComplete::Form_Load() {
    txttodisplay.setText(page.Text1.selText());
    targetAttribute.clear();
    linkTitle.clear();
    mailTitle.clear();
    underlineStyle.clear();
    subjectPart.clear();
}

void LinkComplete::Option1_Click() {
    mailid.setEnabled(false);
    mailscreentip.setEnabled(false);
    subject.setEnabled(false);
    linkurl.setEnabled(true);
    linkscreentip.setEnabled(true);
    targets.setEnabled(true);
    Command1.setEnabled(true);
}

void LinkComplete::Option2_Click() {
    linkurl.setEnabled(false);
    linkscreentip.setEnabled(false);
    targets.setEnabled(false);
    Command1.setEnabled(false);
    mailid.setEnabled(true);
    mailscreentip.setEnabled(true);
    subject.setEnabled(true);
}

void LinkComplete::mailid_Change() {
    linkurl.setText(u"");
    linkscreentip.setText(u"");
}

void LinkComplete::Command1_Click() {
    Command1.setVisible(false);
    setHeight(kTargetsHeight);
}

void LinkComplete::targets_Click() {
    String item = targets.text();
    for (const Target& t : kTargets)
        if (item == t.item) targetAttribute = String(t.attribute);
}

void LinkComplete::linkscreentip_Change() {
    linkTitle = titleOf(linkscreentip);
}

void LinkComplete::mailscreentip_Change() {
    mailTitle = titleOf(mailscreentip);
}

void LinkComplete::Check1_Click() {
    underlineStyle = Check1.value() ? String() : String(u" STYLE=\"text-decoration:none\"");
}

void LinkComplete::subject_Change() {
    subjectPart = subject.text().empty() ? String() : u"?subject=" + subject.text();
}

void LinkComplete::OKButton_Click() {
    String open;
    if (Option1.value()) {
        if (linkurl.text().empty()) {
            runtime().msgBox(u"The Link URL has not been mentioned.", forms::vbExclamation,
                             Messages::assistant);
            linkurl.setFocus();
            return;
        }
        open = u"<A HREF=\"" + linkurl.text() + u"\"" + linkTitle + targetAttribute +
               underlineStyle + u">";
    } else {
        if (mailid.text().empty()) {
            runtime().msgBox(u"The Mail Id has not been mentioned.", forms::vbExclamation,
                             Messages::assistant);
            mailid.setFocus();
            return;
        }
        open = u"<A HREF=\"mailto:" + mailid.text() + subjectPart + u"\"" + mailTitle +
               underlineStyle + u">";
    }
    forms::TextBox& buffer = page.Text1;
    // Only the head of the selection matters; a large selection is not copied.
    String head = buffer.mid(buffer.selStart(), std::min<int32_t>(buffer.selLength(), 3));
    if (head == u"<a " || head == u"<A ")
        buffer.setSelText(open);
    else
        buffer.setSelText(open + txttodisplay.text() + u"</A>");
    unload();
}

void LinkComplete::CancelButton_Click() {
    unload();
}

void LinkComplete::chooseTarget(StringView caption) {
    targets.setListIndex(targets.list().find(caption));
}

void linker_Click(Page& w) {
    LinkComplete& d = w.window<LinkComplete>();
    d.txttodisplay.setText(w.Text1.selText());
    d.show();
}

void Mail_Click(Page& w) {
    LinkComplete& d = w.window<LinkComplete>();
    d.show();
    d.Option2.setValue(true);
}
