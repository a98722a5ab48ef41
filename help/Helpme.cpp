#include "help/Helpme.h"

#include "help/About.h"
#include "help/HelpPages.h"
#include "page/Page.h"

Helpme::Helpme(Page& p) : forms::Form(p.runtime(), "Helpme"), page(p) {
    setCaption(u"Help: Tolva");
    helptext.setMultiLine(true);
    helptext.setLocked(true);
    helptext.setText(help::welcome());
    cmdOK.setCaption(u"OK");
    btnabout.setCaption(u"About");
    forms::Button* buttons[] = {&guide, &gen, &Fonts, &Forms, &Table, &Extras, &Misc, &others};
    for (forms::Button* b : buttons)
        for (const help::Category& c : help::categories())
            if (c.button == b->name()) {
                b->setCaption(c.caption);
                b->Click = [this, name = b->name()] { choose(name); };
            }
    List.Click = [this] { List_Click(); };
    cmdOK.Click = [this] { unload(); };
    btnabout.Click = [this] { page.window<About>().show(); };
}

void Helpme::choose(std::string_view category) {
    for (const help::Category& c : help::categories()) {
        if (c.button != category) continue;
        List.clear();
        for (const help::Topic& t : c.topics)
            List.addItem(t.title);
        helptext.setText(c.introduction);
    }
}

void Helpme::List_Click() {
    forms::String title = List.text();
    for (const help::Category& c : help::categories())
        for (const help::Topic& t : c.topics)
            if (t.title == title) {
                forms::String page;
                if (help::page(t, page)) helptext.setText(page);
                return;
            }
}

namespace help {
void open(Page& w) {
    w.window<Helpme>().show();
}
} // namespace help
