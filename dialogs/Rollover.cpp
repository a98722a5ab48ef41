// Rollover dialog: the pieces of the hover style, the block they make, and where it goes.
#include "dialogs/Rollover.h"

#include "dialogs/FontGroup.h"
#include "dialogs/PageProps.h"
#include "forms/Runtime.h"
#include "page/Page.h"

using forms::String;
using forms::StringView;

namespace {
constexpr StringView kBlockStart = u"<style rolloverstyle>A:hover";
constexpr StringView kBlockEnd = u"</style>";

// The end of the line that holds offset from (its CR or LF), or -1 on the last line.
int32_t lineEnd(const forms::TextBox& page, int32_t from) {
    int32_t cr = page.find(u"\r", from);
    int32_t lf = page.find(u"\n", from);
    if (cr < 0) return lf;
    if (lf < 0) return cr;
    return std::min(cr, lf);
}
} // namespace

Rollover::Rollover(Page& p) : forms::Form(p.runtime(), "rollover"), page(p) {
    setCaption(u"Font And Effects For Rollover (Hyperlinks) :   Tolva");
    Label1.setCaption(u"Font Name and Colour");
    Label2.setCaption(u"Font Style");
    Label3.setCaption(u"Size");
    nodecor.setCaption(u"No text decoration");
    Underline.setCaption(u"Underline");
    Overline.setCaption(u"Overline");
    Blink.setCaption(u"Blink");
    Strike.setCaption(u"Strike");
    Hidden.setCaption(u"Hidden");
    Allcaps.setCaption(u"All caps");
    Capitalize.setCaption(u"Capitalize");
    Smallcaps.setCaption(u"Small caps");
    OKButton.setCaption(u"OK");
    CancelButton.setCaption(u"Cancel");

    Combo1.setText(u"Times New Roman");
    Combo2.setText(u"red");
    for (StringView c : FontGroup::colours())
        Combo2.addItem(c);
    for (StringView s : {u"Normal", u"Italics", u"Oblique", u"Bold", u"Bold Italics"})
        List1.addItem(s);
    for (StringView s : {u"10px", u"0.5in", u"2mm", u"1em", u"8pt", u"10pt", u"12pt", u"14pt",
                         u"18pt", u"24pt", u"36pt"})
        List2.addItem(s);

    Combo1.setToolTip(u"Choose a font.");
    Combo2.setToolTip(u"Choose font colour");
    List1.setToolTip(u"Choose font style");
    List2.setToolTip(u"Choose size");

    Load = [this] { Form_Load(); };
    nodecor.Click = [this] { nodecor_Click(); };
    Underline.Click = [this] { Underline_Click(); };
    Overline.Click = [this] { Overline_Click(); };
    Blink.Click = [this] { Blink_Click(); };
    Strike.Click = [this] { Strike_Click(); };
    Hidden.Click = [this] { Hidden_Click(); };
    Allcaps.Click = [this] { Allcaps_Click(); };
    Capitalize.Click = [this] { Capitalize_Click(); };
    Smallcaps.Click = [this] { Smallcaps_Click(); };
    Timer1.Tick = [this] { Timer1_Timer(); };
    OKButton.Click = [this] { OKButton_Click(); };
    CancelButton.Click = [this] { CancelButton_Click(); };

    auto help = [this](forms::Handler& slot, StringView sentence) {
        slot = [this, s = String(sentence)] { StatusBar1.setText(s); };
    };
    help(CancelButton.MouseMove, u"Return without making any changes");
    help(MouseMove, u"Choose effects when mouse arrow is moved over links");
    help(List1.MouseMove,
         u"Choose the font style of the link when the mouse arrow is moved over it.");
    help(List2.MouseMove, u"Choose the size of the link when the mouse arrow is moved over it.");
    help(OKButton.MouseMove, u"Apply all settings");
}

void Rollover::Form_Load() {
    fontIndex = 1;
    itemaddition();
    List1.setListIndex(0);
    List2.setListIndex(0);
    for (String* piece :
         {&nodecorPiece, &underlinePiece, &overlinePiece, &blinkPiece, &strikePiece, &hiddenPiece,
          &transformPiece, &smallcapsPiece, &decoration, &startAt, &endAt, &headAt})
        piece->clear();
}

void Rollover::itemaddition() {
    std::vector<String> fonts = runtime().platform().fonts.screenFonts();
    for (; fontIndex < static_cast<int>(fonts.size()); ++fontIndex)
        Combo1.addItem(fonts[static_cast<size_t>(fontIndex)]);
}

void Rollover::nodecor_Click() {
    nodecorPiece = nodecor.value() ? u" none" : u"";
}
void Rollover::Underline_Click() {
    underlinePiece = Underline.value() ? u" underline" : u"";
}
void Rollover::Overline_Click() {
    overlinePiece = Overline.value() ? u" overline" : u"";
}
void Rollover::Blink_Click() {
    blinkPiece = Blink.value() ? u" blink" : u"";
}
void Rollover::Strike_Click() {
    strikePiece = Strike.value() ? u" line-through" : u"";
}
void Rollover::Hidden_Click() {
    hiddenPiece = Hidden.value() ? u"visibility: hidden;" : u"";
}

void Rollover::Allcaps_Click() {
    if (Allcaps.value()) {
        Capitalize.setValue(0);
        transformPiece = u"text-transform: uppercase;";
    } else {
        transformPiece.clear();
    }
}

void Rollover::Capitalize_Click() {
    if (Capitalize.value()) {
        Allcaps.setValue(0);
        transformPiece = u"text-transform: capitalize;";
    } else {
        transformPiece.clear();
    }
}

void Rollover::Smallcaps_Click() {
    smallcapsPiece = Smallcaps.value() ? u" font-variant: small-caps;" : u"";
}

void Rollover::Timer1_Timer() {
    decoration = u"text-decoration:" + nodecorPiece + underlinePiece + overlinePiece + blinkPiece +
                 strikePiece + u";";
    if (decoration == u"text-decoration:;") decoration.clear();
}

String Rollover::styleBlock() const {
    return u"<style rolloverstyle>A:hover {color: " + Combo2.text() + u"; font-size: " +
           List2.text() + u"; " + decoration + hiddenPiece + transformPiece + smallcapsPiece +
           u" font-family: " + Combo1.text() + u"; font-weight: " + List1.text() + u"}</style>";
}

void Rollover::OKButton_Click() {
    startAt.clear();
    endAt.clear();
    headAt.clear();
    PageProps& props = page.window<PageProps>();
    String block = styleBlock();
    if (props.firsttime.text() == u"True") {
        props.rolypoly.setText(block);
        unload();
        return;
    }
    Page& w = page;
    w.Text1.setFocus();
    forms::TextBox& page = w.Text1;

    int32_t start = page.find(kBlockStart);
    startAt = forms::number(start);
    if (start >= 2) {
        int32_t close = page.find(kBlockEnd, start + 1);
        // A block whose end was deleted by hand: it ends with its line, so that the page
        // after it survives.
        int32_t end =
            close >= 0 ? close + static_cast<int32_t>(kBlockEnd.size()) : lineEnd(page, start);
        if (end > start) {
            endAt = forms::number(end);
            page.setSelStart(start);
            page.setSelLength(end - start);
            page.setSelText(block);
            unload();
            return;
        }
    }

    int32_t head = page.find(u"</HEAD>");
    headAt = forms::number(head);
    if (head <= 1) {
        // Nothing is written: both dialogs stay, with the user's settings.
        runtime().msgBox(PageProps::headMissing, forms::vbOKOnly);
        return;
    }
    page.setSelStart(head);
    page.setSelLength(0);
    page.setSelText(block + u"\r\n");
    unload();
    props.unload();
}

void Rollover::CancelButton_Click() {
    unload();
}
