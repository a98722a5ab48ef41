// The face chooser `fontcombo`: the installed screen fonts, a preview label, and Set, which
// wraps the main window's selection in a face tag.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"

class Page;

class FontCombo : public forms::Form {
public:
    explicit FontCombo(Page& page);
    Page& page;

    forms::ComboBox Combo1{*this, "Combo1"};
    forms::Label Label1{*this, "Label1"};
    forms::Button Command1{*this, "Command1"};

    // Fills the list with the platform's fonts from index 1 on: the first is not listed.
    void Form_Load();
    void Combo1_Click();
    void Command1_Click();
};

namespace fonts {
// "...": shows the face chooser without blocking the main window.
void showFaceChooser(Page& w);
} // namespace fonts
