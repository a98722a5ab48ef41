// The "Font Editting" group of the main window: size, face, named and RGB colour icons that
// wrap the selection in a font tag (or, without one, open a tag and close it on the next
// click), the bold, italic and underline toggles and the buttons of the two font windows.
#pragma once

#include "forms/Controls.h"
#include "forms/TextBox.h"

#include <span>

namespace forms {
class Form;
}

class FontGroup {
public:
    FontGroup(forms::Form& window, forms::TextBox& buffer);

    forms::Frame fonter;
    forms::TextBox txtfontsize;
    forms::UpDown fontsizeUpDown;
    forms::Button btnfontsize;
    forms::TextBox Text4;
    forms::ComboBox Combo1;
    forms::Button command6;
    forms::ComboBox Combo2;
    forms::Button colour_setter;
    forms::TextBox Text3;
    forms::Button command5;
    forms::Button btnmorefonts;
    forms::Button BeginFont, bold, italic, Underline;

    // True while no opening tag of that kind waits for its closing tag. Not tied to the
    // text: an opening tag deleted by hand still gets its closing tag next time.
    bool sizeIdle = true;
    bool faceIdle = true;
    bool colourIdle = true;

    // The page-state initialisation: no tag is pending.
    void reset();

    void btnfontsize_Click();
    void command6_Click();
    void colour_setter_Click();
    void command5_Click();
    void txtfontsize_Change();
    void Combo1_Click();
    void Combo1_Change();

    // The size spinner of the group and of the font dialog: steps within 1 to 7.
    static void bindSizeSpinner(forms::TextBox& box, forms::UpDown& spin);

    // The bold, italic and underline toggle on any text box: wraps the selection, or unwraps
    // it when it starts with the opening tag; the box gets the focus.
    static void toggle(forms::TextBox& box, forms::StringView open, forms::StringView close);

    // The named colours of both colour lists, in list order.
    static std::span<const forms::StringView> colours();

private:
    // Wraps the selection, or opens and closes a pending tag.
    void apply(bool& idle, forms::Button& icon, forms::StringView open, forms::StringView close,
               forms::StringView startedTip, forms::StringView idleTip, bool focusFirst);

    forms::TextBox& buffer_;
};
