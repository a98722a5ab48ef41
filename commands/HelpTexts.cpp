// Help sentences and tooltips of the controls of the main window and its tool windows.
#include "commands/HelpTexts.h"

#include "core/TempClip.h"
#include "core/Tolva.h"

#include <functional>

namespace helpline {

namespace {

// Exact to the character, misspellings included.
const Text kTexts[] = {
    {"tolva", "Abbr", u"Indicate abbreviations.", u"Indicate selected text to be an abbreviation."},
    {"tolva", "address", u"encloses selected text within address tags.", u"Indicate addresses"},
    {"tolva", "applet", u"Insert Java Applets", u"Insert Java applets"},
    {"tolva", "BeginFont",
     u"Open window for multiple editting after selecting text. (See Help>> Font)", u""},
    {"tolva", "big", u"Makes the selected text big", u"Make selected big (Increased font size)"},
    {"tolva", "Blink", u"Makes the enclosed text to blink. Supported by Netscape navigator only.",
     u"Make the selected text to blink. (Netscape users only)"},
    {"tolva", "bold", u"Select text to be made bold and click.", u"Make text bold"},
    {"tolva", "browse",
     u"Insert control which has an input box and browse button that lets you to browse your "
     u"computer",
     u"Insert browse to search your computer"},
    {"tolva", "btnfontsize", u"", u"Change font size of selected size."},
    {"tolva", "Bullet", u"Create a bulletted list. You can specify type=\"disc|circle|Square\"",
     u"Create a bulletted list"},
    {"tolva", "buttoner", u"Insert buttons.", u"Insert buttons"},
    {"tolva", "centre", u"Align to the centre by selection and clicking this button.",
     u"Align the selected text/image to the centre"},
    {"tolva", "Checkbox", u"Insert checkboxes, where multiple options can be checked or unchecked.",
     u"Insert checkboxes"},
    {"tolva", "clipper", u"Insert movie clips", u"Insert movie clips in your pages"},
    {"tolva", "code", u"Indicates the selected text is a code.",
     u"Indicate selected text to be a code"},
    {"tolva", "colour_setter", u"Give the selected font a colour that is chosen.",
     u"Change colour of selected text"},
    {"tolva", "Column", u"Insert table cell.", u"Insert table cell"},
    {"tolva", "Combo3", u"", u"Choose Special Characters and click on Set"},
    {"tolva", "command6", u"", u"Change font name/face of selected text."},
    {"tolva", "comment",
     u"Convert selected text to Comment. They are invisible in the page, but appear only in the "
     u"code.",
     u"Add a comment, which is invisible in the web page."},
    {"tolva", "defn", u"Add a definition (Not widely supported)", u"Use to indicate a definition"},
    {"tolva", "emphasis", u"Emphasise selected text", u"Make selected text emphatic"},
    {"tolva", "fieldset", u"Group one more form controls.", u"Create a fieldset"},
    {"tolva", "fileupload", u"File upload", u"Upload selected files."},
    {"tolva", "Form", u"Ready: Tolva-by Quendry", u""},
    {"tolva", "formesh",
     u"Insert a form. Also, specify a name. Names are quite important for form controls",
     u"Insert forms"},
    {"tolva", "Frame1",
     u"Drag drop items into this. Read Help >> Others >> Temporary Clipboard for more "
     u"information",
     u""},
    {"tolva", "framz", u"Insert frames", u"Create frames"},
    {"tolva", "header", u"Make table heading", u"Insert table heading"},
    {"tolva", "highlight",
     u"Highlight selected text. Colour of the highlighted text can be altered by entering RGB "
     u"code.",
     u"Highlight selected text."},
    {"tolva", "Images",
     u"Insert images, specify the root(URL), and alternate text. Also Optionally alter height, "
     u"width and choose border.",
     u"Insert an image in your web page"},
    {"tolva", "insert", u"Link mouse actions with links.", u"Add mouse action commands"},
    {"tolva", "InsertHead", u"Insert headings, H1 is the largest and decreases to h6.",
     u"Insert Headings. (H1 is the largest and h6 is the smallest.)"},
    {"tolva", "italic", u"Italicise text by selecting text and clicking this button.",
     u"Italicise text"},
    {"tolva", "justify", u"Justify by selecting what is to be aligned and clicking this.",
     u"Justify the selected text/image"},
    {"tolva", "KBD", u"Indicates content is a keyboard command",
     u"Indicate keyboard commnands/keys"},
    {"tolva", "left", u"align to the left by selecting what is to be aligned and clicking this.",
     u"Align the selected text/Image to the left"},
    {"tolva", "legend", u"Add a legend or a caption.", u"Create a legend"},
    {"tolva", "linker", u"Convert selected text to hyperlinks. Replace url by the desired url",
     u"Add a link to the selected text/image"},
    {"tolva", "Mail", u"Convert selected text to mail links. Replace url by the desired id",
     u"Create a link to selected text/image to an e-mail address"},
    {"tolva", "marquee",
     u"Add a marquee which makes the enclosed text to move from one end to another. Supported "
     u"By IE only.",
     u"Make the selected text to go from left to right (IE users only)"},
    {"tolva", "mastertmpclip", u"Open Master Temporary Clipboard, for enhanced editting.", u""},
    {"tolva", "music", u"Insert music", u"Insert music files in your page."},
    {"tolva", "numberings",
     u"Make a numbered list. Text after each <LI> is treated as a point. TYPES: "
     u"TYPE=A|a|I|i|1",
     u"Create numbered lists"},
    {"tolva", "object", u"Insert objects (Slightly advanced and outdated.)", u"Insert objects."},
    {"tolva", "P", u"Insert paragraphs, mention alignment(Optional)", u"Begin a new paragraph."},
    {"tolva", "passwords", u"Input boxes where the input appears as ***** can be inserted",
     u"Insert password fields"},
    {"tolva", "pictcontrast", u"Change colour contrast", u""},
    {"tolva", "picthelpfile", u"Help file for Tolva", u""},
    {"tolva", "pictinformation", u"Hide/Show the buttons of Tolva", u""},
    {"tolva", "pictnew", u"Begin new page", u""},
    {"tolva", "pictopen", u"Open existing file", u""},
    {"tolva", "pictprev", u"Watch preview of this file", u""},
    {"tolva", "pictrefresh", u"Refresh", u""},
    {"tolva", "pictrest",
     u"Set restore point 1 of 3 for this page. (See Help >> Others >> Restore Points for more "
     u"information)",
     u""},
    {"tolva", "pictsave", u"Save this file", u""},
    {"tolva", "pictsaveas", u"Save this file by a different name or extension", u""},
    {"tolva", "picturest",
     u"Use restore point 1 of 3. (See Help >> Others >> Restore Points for more information)", u""},
    {"tolva", "Points", u"Insert a new point for the numbering or bulletted list.",
     u"Insert a point in numbered or bulletted list"},
    {"tolva", "Pre", u"Convert selected text to pre formatted text. They appear as they are typed.",
     u"Convert selected text to pre-formatted text"},
    {"tolva", "puller", u"Create a pull down list", u"Create a dropdown box"},
    {"tolva", "quickformat",
     u"The selected text is wrapped by codes, that are frequently used for formatting, saves "
     u"you time.",
     u""},
    {"tolva", "quote", u"Lets you add quotes", u"Insert quotes around selected text"},
    {"tolva", "radios", u"Insert radio button, i.e. it allows only one option to be selected",
     u"Insert radio buttons"},
    {"tolva", "resettor", u"Insert reset button, which clears up the form.",
     u"Insert a reset button"},
    {"tolva", "right", u"align to the right by selecting what is to be aligned and clicking this.",
     u"Align the selected text/Image to the right"},
    {"tolva", "Row", u"Insert a row in a table", u"Insert table row"},
    {"tolva", "rule",
     u"Insert a horizontal rule. <HR noshade> removes shade. Width can be altered.",
     u"Insert a horizontal rule"},
    {"tolva", "script", u"Insert scripts. Eg: JavaScript.",
     u"Insert scripts such as JavaScript, JScript, VBScript"},
    {"tolva", "selecter", u"The user can select from the list of options provided.",
     u"Create a list"},
    {"tolva", "small", u"Makes the selected text small.",
     u"Make selected text small (Decreased font size)"},
    {"tolva", "sound",
     u"Insert sound files. The number after loop gives number of times of loop.Put "
     u"Loop=Infinite for never ending sound.",
     u"Insert sounds in your pages."},
    {"tolva", "specialcharacter", u"set the chosen special character",
     u"Selected special character is inserted in the tag bar."},
    {"tolva", "Strike", u"Strike the selected text", u"Strike selected text off"},
    {"tolva", "strong",
     u"Make selected text appear strongly emphasized. (Looks more like bold. But Strong is more "
     u"preferred to bold.)",
     u"Indicate selected text to be strong."},
    {"tolva", "style", u"Style sheets can be inserted", u"Create style sheets"},
    {"tolva", "Subs", u"Convert selected text to subscript", u"Subscript selected text"},
    {"tolva", "Submitter", u"Insert submit button, so mention method and action in the form defn.",
     u"Create a submit box"},
    {"tolva", "sup", u"Convert selected text to superscript", u"Suprscript selected text"},
    {"tolva", "Table", u"Insert table", u"insert table "},
    {"tolva", "Text1", u"Ready: Tolva-by Quendry", u""},
    {"tolva", "Text3", u"Enter the six letter RGB code for the font colour.",
     u"Enter six letters colour code. Eg:- CCFFCC"},
    {"tolva", "Text4",
     u"Enter the name of the font you want to use. Make sure the font is quite widely "
     u"supported, separate many by commas.",
     u"Enter font face and click on set"},
    {"tolva", "textarea", u"Insert text area", u"Insert text areas"},
    {"tolva", "Textbox", u"Insert text boxes.", u"Insert text boxes"},
    {"tolva", "tt", u"Convert selected text to monospaced font. Appears like type written font.",
     u"Make the selected text to look like typewriter font."},
    {"tolva", "Underline", u"Underline the selected text by clicking this button",
     u"Underline text"},

    {"tempclip", "Form",
     u"Master Temporary Clipboard allows you to manage multiple clipboard data.", u""},
    {"tempclip", "fullclip",
     u"Shows preview of selected item. You may alter before pasting. Drag Drop altered text to "
     u"the Clipboard to add item.",
     u""},
    {"tempclip", "tmpcmb", u"Cipboard: Click on the item you wish to paste or view preview.", u""},
    {"tempclip", "OKButton", u"Paste the item as shown in the preview.", u""},
    {"tempclip", "CancelButton", u"Return without making any changes", u""},
    {"tempclip", "remselected", u"Remove the selected item from the temporary clipboard.", u""},
    {"tempclip", "cleartmp", u"Clear the temporary clipboard", u""},
};

} // namespace

const Text* find(std::string_view window, std::string_view control) {
    for (const Text& t : kTexts)
        if (t.window == window && t.control == control) return &t;
    return nullptr;
}

const Text* find(std::string_view control) {
    return find("tolva", control);
}

namespace {

void applyTo(forms::Form& form, const std::function<void(forms::StringView)>& write) {
    for (const Text& t : kTexts) {
        if (t.window != form.name()) continue;
        forms::StringView sentence = t.sentence;
        auto handler = [write, sentence] { write(sentence); };
        if (t.control == "Form") {
            if (!form.MouseMove) form.MouseMove = handler;
            continue;
        }
        forms::Control* c = form.find(std::string(t.control));
        if (!c) continue;
        if (!t.tooltip.empty()) c->setToolTip(t.tooltip);
        if (!sentence.empty() && !c->MouseMove) c->MouseMove = handler;
    }
}

} // namespace

void apply(Tolva& w) {
    applyTo(w, [&w](forms::StringView s) { w.helper.setText(s); });
}

void apply(TempClip& w) {
    applyTo(w, [&w](forms::StringView s) { w.StatusBar1.setText(s); });
}

} // namespace helpline
