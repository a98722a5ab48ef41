#include "dialogs/FontCombo.h"

#include "forms/Runtime.h"
#include "page/Page.h"

FontCombo::FontCombo(Page& p) : forms::Form(p.runtime(), "fontcombo"), page(p) {
    setCaption(u"Font: Tolva");
    Combo1.setText(u"Times New Roman");
    Label1.setCaption(u"Preview");
    Command1.setCaption(u"Set");
    Load = [this] { Form_Load(); };
    Combo1.Click = [this] { Combo1_Click(); };
    Combo1.Change = [this] { Combo1_Click(); };
    Command1.Click = [this] { Command1_Click(); };
}

void FontCombo::Form_Load() {
    std::vector<forms::String> all = runtime().platform().fonts.screenFonts();
    for (size_t i = 1; i < all.size(); ++i)
        Combo1.addItem(all[i]);
}

void FontCombo::Combo1_Click() {
    Label1.setFontName(Combo1.text());
}

void FontCombo::Command1_Click() {
    forms::TextBox& buffer = page.Text1;
    buffer.setSelText(u"<font face= \"" + Combo1.text() + u"\">" + buffer.selText() + u" </font>");
    unload();
}

namespace fonts {
void showFaceChooser(Page& w) {
    w.window<FontCombo>().show();
}
} // namespace fonts
