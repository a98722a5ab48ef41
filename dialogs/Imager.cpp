// Image dialog: browse, dimensions and their unit, spacing, and the builder.
#include "dialogs/Imager.h"

#include "dialogs/NumericBox.h"
#include "page/Page.h"
#include "page/Texts.h"

using forms::String;
using forms::StringView;

namespace {
constexpr StringView kAlignments[] = {u"Left",      u"Right",     u"Top",      u"TextTop",
                                      u"Middle",    u"AbsMiddle", u"Baseline", u"Bottom",
                                      u"AbsBottom", u"Center"};
} // namespace

Imager::Imager(Page& p) : forms::Form(p.runtime(), "imager"), page(p) {
    setCaption(u"Insert Image: Tolva");
    lblimageurl.setCaption(u"Source");
    Command1.setCaption(u"...");
    Command1.setToolTip(u"Select image file");
    dimen.setCaption(u"Enter Dimensions");
    diminper.setCaption(u"Dimensions in %");
    diminper.setEnabled(false);
    lblheight.setCaption(u"Height");
    txtheight.setText(u"800");
    txtheight.setEnabled(false);
    txtheight.setToolTip(u"Height of the image in pixels.");
    lblwidth.setCaption(u"Width");
    txtwidth.setText(u"600");
    txtwidth.setEnabled(false);
    txtwidth.setToolTip(u"Width of the image in pixels.");
    lblborder.setCaption(u"Border");
    txtborder.setText(u"0");
    txtborder.setToolTip(u"Border around image. 0 for no border");
    lblalignment.setCaption(u"Align");
    for (StringView a : kAlignments)
        txtalignment.addItem(a);
    txtalignment.setText(u"Left");
    txtalignment.setToolTip(u"Align the image. For centre alignment, select the code after "
                            u"pressing OK and chose centre align.");
    lblalternate.setCaption(u"Alternate      Text");
    txtalternate.setText(u"Images not available");
    txtalternate.setToolTip(u"Alternate text if images are not displayed.");
    lblhorispace.setCaption(u"Horizontal Spacing :");
    horispace.setText(u"0");
    lblverspace.setCaption(u"Vertical Spacing :");
    verspace.setText(u"0");
    OKButton.setCaption(u"Insert Image");
    OKButton.setToolTip(u"Insert Image into the file");
    CancelButton.setCaption(u"Cancel");
    CancelButton.setToolTip(u"Cancel.");

    // The border box takes any text; only its arrows are numeric.
    UpDown1.UpClick = [this] { numeric::stepUp(txtborder); };
    UpDown1.DownClick = [this] { numeric::stepDown(txtborder, 0); };
    numeric::bind(horispace, u"0", &UpDown3, 0);
    numeric::bind(verspace, u"0", &UpDown2, 0);

    Command1.Click = [this] { Command1_Click(); };
    dimen.Click = [this] { dimen_Click(); };
    diminper.Click = [this] { diminper_Click(); };
    txtheight.Change = [this] { txtheight_Change(); };
    txtwidth.Change = [this] { txtwidth_Change(); };
    horispace.Change = [this] { horispace_Change(); };
    verspace.Change = [this] { verspace_Change(); };
    OKButton.Click = [this] { OKButton_Click(); };
    CancelButton.Click = [this] { CancelButton_Click(); };
}

void Imager::Command1_Click() {
    CommonDialog1.DialogTitle = u"Select image file";
    // Cancelled, the source takes back the name the file dialog held before (none at first).
    String held = CommonDialog1.FileName;
    if (!CommonDialog1.showOpen()) CommonDialog1.FileName = held;
    imageurl.setText(CommonDialog1.FileName);
    if (imageurl.text().empty()) runtime().msgBox(u"Invalid url, image not inserted");
}

void Imager::dimen_Click() {
    bool on = dimen.value() != 0;
    txtheight.setEnabled(on);
    txtwidth.setEnabled(on);
    diminper.setEnabled(on);
}

void Imager::diminper_Click() {
    if (diminper.value()) {
        unitSuffix = u"%";
        txtheight.setToolTip(u"Height of the image in percentage");
        txtwidth.setToolTip(u"Width of the image in percentage");
    } else {
        unitSuffix.clear();
        txtheight.setToolTip(u"Height of the image in pixels");
        txtwidth.setToolTip(u"Width of the image in pixels");
    }
}

void Imager::dimension_Change(forms::TextBox& box, StringView resetValue) {
    int32_t n = box.length();
    if (n > 0 && box.at(n - 1) == u'%') {
        diminper.setValue(1);
        box.setSelStart(n - 1);
        box.setSelLength(1);
        box.setSelText(u"");
    }
    numeric::numberguard(box, resetValue);
}

void Imager::txtheight_Change() {
    dimension_Change(txtheight, u"800");
}

void Imager::txtwidth_Change() {
    dimension_Change(txtwidth, u"600");
}

void Imager::spacing_Change(forms::TextBox& box, String& attribute, StringView name) {
    numeric::numberguard(box, u"0");
    auto v = numeric::value(box.text());
    if (v && *v == 0)
        attribute.clear();
    else
        attribute = u" " + String(name) + u"=\"" + box.text() + u"\"";
}

void Imager::horispace_Change() {
    spacing_Change(horispace, hspaceAttribute, u"hspace");
}

void Imager::verspace_Change() {
    spacing_Change(verspace, vspaceAttribute, u"vspace");
}

void Imager::OKButton_Click() {
    bool sized = dimen.value() != 0;
    bool incomplete = imageurl.text().empty() || txtalternate.text().empty() ||
                      txtborder.text().empty() || txtalignment.text().empty() ||
                      (sized && (txtheight.text().empty() || txtwidth.text().empty()));
    if (incomplete) {
        // Whether or not dimensions are asked for, the entries stay for the user to finish.
        runtime().msgBox(u"One or more entries incomplete", forms::vbExclamation,
                         Messages::assistant);
        return;
    }
    String tag = u"<IMG SRC=\"" + imageurl.text() + u"\"";
    if (sized)
        tag += u" HEIGHT=\"" + txtheight.text() + unitSuffix + u"\" WIDTH=\"" + txtwidth.text() +
               unitSuffix + u"\"";
    tag += u" BORDER=" + txtborder.text() + u" align=\"" + txtalignment.text() + u"\" ALT=\"" +
           txtalternate.text() + u"\" " + hspaceAttribute + vspaceAttribute + u"> ";
    forms::TextBox& buffer = page.Text1;
    buffer.setFocus();
    buffer.setSelText(tag);
}

void Imager::CancelButton_Click() {
    unload();
}

void Images_Click(Page& w) {
    w.window<Imager>().show();
}
