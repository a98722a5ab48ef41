// Page-properties dialog: the pieces of the BODY start tag, the builder and the opener.
#include "dialogs/PageProps.h"

#include "dialogs/FontGroup.h"
#include "dialogs/NumericBox.h"
#include "dialogs/Rollover.h"
#include "forms/Runtime.h"
#include "page/Page.h"
#include "page/Texts.h"
#include "tools/FindReplace.h"
#include "tools/SmartSelect.h"

using forms::String;
using forms::StringView;

namespace {
constexpr StringView kCrlf = u"\r\n";
} // namespace

PageProps::PageProps(Page& p) : forms::Form(p.runtime(), "pageprops"), page(p) {
    setCaption(u"Page Properties: Tolva");
    Label1.setCaption(u"Text");
    Label2.setCaption(u"Background");
    Label3.setCaption(u"Hyperlink");
    Label4.setCaption(u"Active Link");
    Label5.setCaption(u"Visited Link");
    Label6.setCaption(u"Choose a colour");
    Check1.setCaption(u"Background picture");
    Command1.setCaption(u"Browse...");
    Check2.setCaption(u"Watermark");
    Label7.setCaption(u" (Page scrolls over static picture)");
    Frame2.setCaption(u"Margins");
    Label8.setCaption(u"Top");
    Label9.setCaption(u"Left");
    Frame3.setCaption(u"Background Sound");
    Label10.setCaption(u"Source");
    Command2.setCaption(u"Browse...");
    Label11.setCaption(u"Loop :");
    btnRollover.setCaption(u"Rollover effects");
    picthelpfile.setCaption(u"Help");
    OKButton.setCaption(u"OK");

    // The defaults go in before the handlers: a loaded dialog has no pieces yet.
    Text1.setText(u"black");
    Text2.setText(u"white");
    Text3.setText(u"blue");
    Text4.setText(u"red");
    Text5.setText(u"maroon");
    Combo2.setText(u"black");
    for (StringView c : FontGroup::colours())
        Combo2.addItem(c);
    for (forms::Control* c : std::initializer_list<forms::Control*>{&Text6, &Command1, &Check2})
        c->setEnabled(false);
    Text7.setText(u"0");
    Text8.setText(u"0");
    Text10.setText(u"-1");
    firsttime.setText(u"True");
    firsttime.setVisible(false);
    rolypoly.setMultiLine(true);
    rolypoly.setVisible(false);

    Text1.setToolTip(u"The default colour of  text");
    Text2.setToolTip(u"The background colour of the page");
    Text3.setToolTip(u"The colour of a hyperlink");
    Text4.setToolTip(u"The colour of an active link");
    Text5.setToolTip(u"The colour of an already visited link");
    Combo2.setToolTip(u"Choose a colour and drag-drop it to any field you wish to edit/alter");
    Check1.setToolTip(u"Insert a background picture");
    Text6.setToolTip(u"The Location/URL of the image");
    Command1.setToolTip(u"Search for an image");
    Check2.setToolTip(u"The background picture remains fixed and the page scrolls over it");
    Text7.setToolTip(u"Set top margin");
    Text8.setToolTip(u"Set left margin");
    Text10.setToolTip(u"-1 for infinite loop. Any other number greater than 0 indicates number "
                      u"of times of loop. 0 is same as 1.");

    Load = [this] { Form_Load(); };
    Check1.Click = [this] { Check1_Click(); };
    Check2.Click = [this] { Check2_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Text6.Change = [this] { Text6_Change(); };
    Text7.Change = [this] { Text7_Change(); };
    Text8.Change = [this] { Text8_Change(); };
    Text9.Change = [this] { Text9_Change(); };
    Text10.Change = [this] { Text10_Change(); };
    // The arrows only: these boxes take any text (a loop count starts with a minus).
    UpDown1.UpClick = [this] { numeric::stepUp(Text7); };
    UpDown1.DownClick = [this] { numeric::stepDown(Text7, 0); };
    UpDown2.UpClick = [this] { numeric::stepUp(Text8); };
    UpDown2.DownClick = [this] { numeric::stepDown(Text8, 0); };
    UpDown3.UpClick = [this] { numeric::stepUp(Text10); };
    UpDown3.DownClick = [this] { numeric::stepDown(Text10, -1); };
    btnRollover.Click = [this] { btnRollover_Click(); };
    picthelpfile.Click = [this] { picthelpfile_Click(); };
    OKButton.Click = [this] { OKButton_Click(); };

    auto help = [this](forms::Handler& slot, StringView sentence) {
        slot = [this, s = String(sentence)] { StatusBar1.setText(s); };
    };
    help(btnRollover.MouseMove, u"Click to set effects for link mouseover effects. (Effects when "
                                u"arrow is moved over hyperlink)");
    help(Check1.MouseMove, u"Check this to insert a background image");
    help(Check2.MouseMove, u"Effect: Check if you want the image to remain fixed as the page "
                           u"scrolls over the picture");
    help(Command1.MouseMove, u"Choose a picture to be set as background image");
    help(Command2.MouseMove, u"Choose a sound to be set as background sound");
    help(MouseMove, u"Set General Page Properties");
    help(Frame1.MouseMove, u"Choose a colour and drag-drop into any field that you wish to alter");
    help(OKButton.MouseMove, u"Apply page properties and proceed to web page creation");
    help(picthelpfile.MouseMove, u"Show Help for Tolva.");
    help(Text7.MouseMove, u"Indicates top margin value");
    help(Text8.MouseMove, u"Indicates left margin value");
    help(Text9.MouseMove, u"The URL of the sound you wish to use as background sound");
    help(UpDown1.MouseMove, u"Change top margin value");
    help(UpDown2.MouseMove, u"Change left margin values");
    help(UpDown3.MouseMove, u"Set number of loops for background sound");
}

void PageProps::Form_Load() {
    background.clear();
    topMargin.clear();
    leftMargin.clear();
    watermark.clear();
    sound.clear();
    fragment.clear();
}

void PageProps::Check1_Click() {
    bool on = Check1.value() != 0;
    Check2.setEnabled(on);
    Text6.setEnabled(on);
    Command1.setEnabled(on);
}

void PageProps::Check2_Click() {
    watermark = Check2.value() ? u"bgproperties=\"fixed\"" : u"";
}

String PageProps::browse(StringView title, StringView pattern) {
    forms::FileDialogRequest req;
    req.fileName = String(pattern);
    req.title = String(title);
    std::optional<String> chosen = runtime().platform().dialogs.fileDialog(req);
    return chosen && !chosen->empty() ? *chosen : String(pattern);
}

void PageProps::Command1_Click() {
    String name = browse(u"Choose background image", u"*.jpg");
    if (name != u"*.jpg") Text6.setText(name);
    if (!Text6.text().empty()) background = u" background=\"" + Text6.text() + u"\" ";
}

void PageProps::Command2_Click() {
    String name = browse(u"Insert Background Sound", u"*.wav");
    if (name != u"*.wav") Text9.setText(name);
}

void PageProps::Text6_Change() {
    StatusBar1.setText(u"The URL of the background image to be inserted");
}

void PageProps::Text7_Change() {
    topMargin = u" topmargin=\"" + Text7.text() + u"\"";
}

void PageProps::Text8_Change() {
    leftMargin = u" leftmargin=\"" + Text8.text() + u"\"";
}

void PageProps::Text9_Change() {
    // The loop count is taken now: changing it later leaves this tag as it is.
    if (!Text9.text().empty())
        sound = u"<bgsound src=\"" + Text9.text() + u"\" loop=\"" + Text10.text() + u"\">";
}

void PageProps::Text10_Change() {
    StatusBar1.setText(u"Set the number of loops. -1 is for infinite loop");
}

void PageProps::colour_OLEDragDrop(forms::TextBox& box) {
    box.setText(Combo2.text());
}

void PageProps::btnRollover_Click() {
    page.window<Rollover>().show();
}

void PageProps::picthelpfile_Click() {
    page.command("helpa");
}

namespace {

// Where the page ends its head outside the selection the dialog replaces, or -1.
int32_t headEndKept(const forms::TextBox& page) {
    int32_t start = page.selStart(), end = start + page.selLength();
    constexpr forms::StringView kHeadEnd = u"</HEAD>";
    auto size = static_cast<int32_t>(kHeadEnd.size());
    for (int32_t at = findText(page, kHeadEnd, 0, true); at >= 0;
         at = findText(page, kHeadEnd, at + 1, true))
        if (at + size <= start || at >= end) return at;
    return -1;
}

} // namespace

void PageProps::OKButton_Click() {
    // vlink takes the "Active Link" box and alink the "Visited Link" box: pages written so
    // far carry their colours this way round, and reopening them must give the same.
    String body = u"<body " + watermark + background + u" text=\"" + Text1.text() +
                  u"\" bgcolor=\"" + Text2.text() + u"\" link=\"" + Text3.text() + u"\" vlink=\"" +
                  Text4.text() + u"\" alink=\"" + Text5.text() + u"\"" + topMargin + leftMargin +
                  u"> ";
    forms::TextBox& buffer = page.Text1;
    int32_t headEnd = firsttime.text() == u"True" ? headEndKept(buffer) : -1;
    if (firsttime.text() == u"True" && headEnd < 0) {
        String head = u"</HEAD>" + String(kCrlf) + body;
        fragment = rolypoly.text().empty() ? head : rolypoly.text() + String(kCrlf) + head;
    } else {
        fragment = body;
    }
    if (headEnd >= 0 && !rolypoly.text().empty()) {
        // The buffer ends its head already: a second end would break it. The style block goes
        // in front of that end, as the rollover dialog puts it.
        int32_t start = buffer.selStart(), length = buffer.selLength();
        String block = rolypoly.text() + String(kCrlf);
        buffer.setSelStart(headEnd);
        buffer.setSelLength(0);
        buffer.setSelText(block);
        buffer.setSelStart(start + (headEnd <= start ? static_cast<int32_t>(block.size()) : 0));
        buffer.setSelLength(length);
    }
    buffer.setSelText(fragment + String(kCrlf) + sound + String(kCrlf) + String(kCrlf));
    firsttime.setText(u"False");
    hide();
}

void mnupageproperties_Click(Page& w) {
    forms::TextBox& page = w.Text1;
    page.setSelStart(0);
    if (int32_t body = page.find(u"<body "); body >= 0) {
        // Inside the tag, so that smart select takes all of it and OK replaces it.
        page.setSelStart(body + 3);
        smartSelect(page, w.runtime());
    } else {
        w.runtime().msgBox(u"The body tag is missing", forms::vbCritical, Messages::assistant);
        int32_t head = page.find(u"</HEAD>");
        if (head < 0) {
            w.runtime().msgBox(PageProps::headMissing, forms::vbOKOnly);
            return;
        }
        page.setSelStart(head + 7);
    }
    w.window<PageProps>().show();
}
