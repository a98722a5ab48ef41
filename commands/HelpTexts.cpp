// Help sentences and tooltips of the main window's controls.
#include "commands/HelpTexts.h"

#include "core/Tolva.h"

namespace helpline {

namespace {

// Exact to the character, misspellings included.
const Text kTexts[] = {
    {"Abbr", u"Indicate abbreviations.", u"Indicate selected text to be an abbreviation."},
    {"address", u"encloses selected text within address tags.", u"Indicate addresses"},
    {"applet", u"Insert Java Applets", u"Insert Java applets"},
    {"BeginFont", u"Open window for multiple editting after selecting text. (See Help>> Font)",
     u""},
    {"big", u"Makes the selected text big", u"Make selected big (Increased font size)"},
    {"Blink", u"Makes the enclosed text to blink. Supported by Netscape navigator only.",
     u"Make the selected text to blink. (Netscape users only)"},
    {"bold", u"Select text to be made bold and click.", u"Make text bold"},
    {"browse",
     u"Insert control which has an input box and browse button that lets you to browse your "
     u"computer",
     u"Insert browse to search your computer"},
    {"btnfontsize", u"", u"Change font size of selected size."},
    {"Bullet", u"Create a bulletted list. You can specify type=\"disc|circle|Square\"",
     u"Create a bulletted list"},
    {"buttoner", u"Insert buttons.", u"Insert buttons"},
    {"centre", u"Align to the centre by selection and clicking this button.",
     u"Align the selected text/image to the centre"},
    {"Checkbox", u"Insert checkboxes, where multiple options can be checked or unchecked.",
     u"Insert checkboxes"},
    {"clipper", u"Insert movie clips", u"Insert movie clips in your pages"},
    {"code", u"Indicates the selected text is a code.", u"Indicate selected text to be a code"},
    {"colour_setter", u"Give the selected font a colour that is chosen.",
     u"Change colour of selected text"},
    {"Column", u"Insert table cell.", u"Insert table cell"},
    {"Combo3", u"", u"Choose Special Characters and click on Set"},
    {"command6", u"", u"Change font name/face of selected text."},
    {"comment",
     u"Convert selected text to Comment. They are invisible in the page, but appear only in the "
     u"code.",
     u"Add a comment, which is invisible in the web page."},
    {"defn", u"Add a definition (Not widely supported)", u"Use to indicate a definition"},
    {"emphasis", u"Emphasise selected text", u"Make selected text emphatic"},
    {"fieldset", u"Group one more form controls.", u"Create a fieldset"},
    {"fileupload", u"File upload", u"Upload selected files."},
    {"Form", u"Ready: Tolva-by Quendry", u""},
    {"formesh", u"Insert a form. Also, specify a name. Names are quite important for form controls",
     u"Insert forms"},
    {"Frame1",
     u"Drag drop items into this. Read Help >> Others >> Temporary Clipboard for more "
     u"information",
     u""},
    {"framz", u"Insert frames", u"Create frames"},
    {"header", u"Make table heading", u"Insert table heading"},
    {"highlight",
     u"Highlight selected text. Colour of the highlighted text can be altered by entering RGB "
     u"code.",
     u"Highlight selected text."},
    {"Images",
     u"Insert images, specify the root(URL), and alternate text. Also Optionally alter height, "
     u"width and choose border.",
     u"Insert an image in your web page"},
    {"insert", u"Link mouse actions with links.", u"Add mouse action commands"},
    {"InsertHead", u"Insert headings, H1 is the largest and decreases to h6.",
     u"Insert Headings. (H1 is the largest and h6 is the smallest.)"},
    {"italic", u"Italicise text by selecting text and clicking this button.", u"Italicise text"},
    {"justify", u"Justify by selecting what is to be aligned and clicking this.",
     u"Justify the selected text/image"},
    {"KBD", u"Indicates content is a keyboard command", u"Indicate keyboard commnands/keys"},
    {"left", u"align to the left by selecting what is to be aligned and clicking this.",
     u"Align the selected text/Image to the left"},
    {"legend", u"Add a legend or a caption.", u"Create a legend"},
    {"linker", u"Convert selected text to hyperlinks. Replace url by the desired url",
     u"Add a link to the selected text/image"},
    {"Mail", u"Convert selected text to mail links. Replace url by the desired id",
     u"Create a link to selected text/image to an e-mail address"},
    {"marquee",
     u"Add a marquee which makes the enclosed text to move from one end to another. Supported "
     u"By IE only.",
     u"Make the selected text to go from left to right (IE users only)"},
    {"mastertmpclip", u"Open Master Temporary Clipboard, for enhanced editting.", u""},
    {"music", u"Insert music", u"Insert music files in your page."},
    {"numberings",
     u"Make a numbered list. Text after each <LI> is treated as a point. TYPES: "
     u"TYPE=A|a|I|i|1",
     u"Create numbered lists"},
    {"object", u"Insert objects (Slightly advanced and outdated.)", u"Insert objects."},
    {"P", u"Insert paragraphs, mention alignment(Optional)", u"Begin a new paragraph."},
    {"passwords", u"Input boxes where the input appears as ***** can be inserted",
     u"Insert password fields"},
    {"pictcontrast", u"Change colour contrast", u""},
    {"picthelpfile", u"Help file for Tolva", u""},
    {"pictinformation", u"Hide/Show the buttons of Tolva", u""},
    {"pictnew", u"Begin new page", u""},
    {"pictopen", u"Open existing file", u""},
    {"pictprev", u"Watch preview of this file", u""},
    {"pictrefresh", u"Refresh", u""},
    {"pictrest",
     u"Set restore point 1 of 3 for this page. (See Help >> Others >> Restore Points for more "
     u"information)",
     u""},
    {"pictsave", u"Save this file", u""},
    {"pictsaveas", u"Save this file by a different name or extension", u""},
    {"picturest",
     u"Use restore point 1 of 3. (See Help >> Others >> Restore Points for more information)", u""},
    {"Points", u"Insert a new point for the numbering or bulletted list.",
     u"Insert a point in numbered or bulletted list"},
    {"Pre", u"Convert selected text to pre formatted text. They appear as they are typed.",
     u"Convert selected text to pre-formatted text"},
    {"puller", u"Create a pull down list", u"Create a dropdown box"},
    {"quickformat",
     u"The selected text is wrapped by codes, that are frequently used for formatting, saves "
     u"you time.",
     u""},
    {"quote", u"Lets you add quotes", u"Insert quotes around selected text"},
    {"radios", u"Insert radio button, i.e. it allows only one option to be selected",
     u"Insert radio buttons"},
    {"resettor", u"Insert reset button, which clears up the form.", u"Insert a reset button"},
    {"right", u"align to the right by selecting what is to be aligned and clicking this.",
     u"Align the selected text/Image to the right"},
    {"Row", u"Insert a row in a table", u"Insert table row"},
    {"rule", u"Insert a horizontal rule. <HR noshade> removes shade. Width can be altered.",
     u"Insert a horizontal rule"},
    {"script", u"Insert scripts. Eg: JavaScript.",
     u"Insert scripts such as JavaScript, JScript, VBScript"},
    {"selecter", u"The user can select from the list of options provided.", u"Create a list"},
    {"small", u"Makes the selected text small.", u"Make selected text small (Decreased font size)"},
    {"sound",
     u"Insert sound files. The number after loop gives number of times of loop.Put "
     u"Loop=Infinite for never ending sound.",
     u"Insert sounds in your pages."},
    {"specialcharacter", u"set the chosen special character",
     u"Selected special character is inserted in the tag bar."},
    {"Strike", u"Strike the selected text", u"Strike selected text off"},
    {"strong",
     u"Make selected text appear strongly emphasized. (Looks more like bold. But Strong is more "
     u"preferred to bold.)",
     u"Indicate selected text to be strong."},
    {"style", u"Style sheets can be inserted", u"Create style sheets"},
    {"Subs", u"Convert selected text to subscript", u"Subscript selected text"},
    {"Submitter", u"Insert submit button, so mention method and action in the form defn.",
     u"Create a submit box"},
    {"sup", u"Convert selected text to superscript", u"Suprscript selected text"},
    {"Table", u"Insert table", u"insert table "},
    {"Text1", u"Ready: Tolva-by Quendry", u""},
    {"Text3", u"Enter the six letter RGB code for the font colour.",
     u"Enter six letters colour code. Eg:- CCFFCC"},
    {"Text4",
     u"Enter the name of the font you want to use. Make sure the font is quite widely "
     u"supported, separate many by commas.",
     u"Enter font face and click on set"},
    {"textarea", u"Insert text area", u"Insert text areas"},
    {"Textbox", u"Insert text boxes.", u"Insert text boxes"},
    {"tt", u"Convert selected text to monospaced font. Appears like type written font.",
     u"Make the selected text to look like typewriter font."},
    {"Underline", u"Underline the selected text by clicking this button", u"Underline text"},
};

} // namespace

std::span<const Text> texts() {
    return kTexts;
}

const Text* find(std::string_view control) {
    for (const Text& t : kTexts)
        if (t.control == control) return &t;
    return nullptr;
}

void apply(Tolva& w) {
    for (const Text& t : kTexts) {
        forms::StringView sentence = t.sentence;
        auto write = [&w, sentence] { w.helper.setText(sentence); };
        if (t.control == "Form") {
            if (!w.MouseMove) w.MouseMove = write;
            continue;
        }
        forms::Control* c = w.find(std::string(t.control));
        if (!c) continue;
        if (!t.tooltip.empty()) c->setToolTip(t.tooltip);
        if (!sentence.empty() && !c->MouseMove) c->MouseMove = write;
    }
}

} // namespace helpline
