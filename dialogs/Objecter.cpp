// Object dialog: source, switches, sizes and volume, the fallback text, and the builder.
#include "dialogs/Objecter.h"

#include "dialogs/NumericBox.h"
#include "page/Page.h"
#include "page/Texts.h"

using forms::String;
using forms::StringView;

namespace {
constexpr StringView kWindowHelp = u"Insert Objects. Objects are not widely supported.";
constexpr StringView kNoEmbed = u"Sorry pal, there's no object for you.";

String truth(const forms::CheckBox& box) {
    return box.value() ? u"TRUE" : u"FALSE";
}
} // namespace

Objecter::Objecter(Page& p) : forms::Form(p.runtime(), "objecter"), page(p) {
    setCaption(u"Insert Object");
    lblsrc.setCaption(u"Source/URL of the object");
    brw.setCaption(u"...");
    controller.setCaption(u"Controller");
    Autostart.setCaption(u"Autostart");
    Loopa.setCaption(u"Loop");
    lblwidther.setCaption(u"Width");
    Widther.setText(u"75");
    lblheighter.setCaption(u"Height");
    Heighter.setText(u"10");
    lblvolume.setCaption(u"Volume");
    Volume.setText(u"50");
    lblnoembed.setCaption(u"No Embed/ If embed is not available, this text will be displayed");
    NoEmbed.setText(kNoEmbed);
    OKButton.setCaption(u"OK");
    CancelButton.setCaption(u"Cancel");

    numeric::bind(Widther, u"75");
    numeric::bind(Heighter, u"10");
    numeric::bind(Volume, u"50");

    Load = [this] { Form_Load(); };
    controller.Click = [this] { controller_Click(); };
    Autostart.Click = [this] { Autostart_Click(); };
    Loopa.Click = [this] { Loopa_Click(); };
    brw.Click = [this] { brw_Click(); };
    NoEmbed.LostFocus = [this] { NoEmbed_LostFocus(); };
    OKButton.Click = [this] { OKButton_Click(); };
    CancelButton.Click = [this] { CancelButton_Click(); };

    auto help = [this](forms::Control& c, StringView sentence) {
        c.MouseMove = [this, sentence] { StatusBar1.setText(sentence); };
    };
    MouseMove = [this] { StatusBar1.setText(kWindowHelp); };
    help(Autostart, u"Check for autostart to be set to true");
    help(brw, u"Search your computer to choose a valid URL");
    help(CancelButton, u"Return without inserting an object");
    help(controller,
         u"Check if you want the viewer to have the controls/ controls will be visible");
    help(Heighter, u"Enter the height of the Object.");
    help(Loopa, u"Check this, if you want a loop to be set");
    help(NoEmbed, u"If the embed is not supported, this will appear");
    help(OKButton, u"Insert object with chosen settings");
    help(src, u"Enter the URL of the object to be inserted");
    help(Volume, u"Enter the volume of the sound");
    help(Widther, u"Enter the width of the Object to be inserted.");
}

void Objecter::Form_Load() {
    controllerValue = u"FALSE";
    autostartValue = u"FALSE";
    loopValue = u"FALSE";
    StatusBar1.setText(kWindowHelp);
}

void Objecter::controller_Click() {
    controllerValue = truth(controller);
}

void Objecter::Autostart_Click() {
    autostartValue = truth(Autostart);
}

void Objecter::Loopa_Click() {
    loopValue = truth(Loopa);
}

void Objecter::brw_Click() {
    // A cancelled dialog leaves the name it already held.
    String held = CommonDialog1.FileName;
    if (!CommonDialog1.showOpen()) CommonDialog1.FileName = held;
    src.setText(CommonDialog1.FileName);
}

void Objecter::NoEmbed_LostFocus() {
    if (NoEmbed.text().empty()) NoEmbed.setText(kNoEmbed);
}

void Objecter::OKButton_Click() {
    if (src.text().empty()) {
        runtime().msgBox(u"No URL selected. Please choose a valid Object", forms::vbCritical,
                         Messages::assistant);
        src.setFocus();
        return;
    }
    page.Text1.setSelText(u"<EMBED src=\"" + src.text() + u"\" CONTROLLER=\"" + controllerValue +
                          u"\"  AUTOSTART=\"" + autostartValue + u"\" LOOP=\"" + loopValue +
                          u"\" WIDTH=\"" + Widther.text() + u"\" HEIGHT=\"" + Heighter.text() +
                          u"\" VOLUME=\"" + Volume.text() + u"\"> <noembed>" + NoEmbed.text() +
                          u"</noembed>");
    unload();
}

void Objecter::CancelButton_Click() {
    unload();
}

void object_Click(Page& w) {
    w.window<Objecter>().show();
}
