// List dialog: numbered and bulleted lists of numbered placeholder items.
#include "dialogs/BulNumCreater.h"

#include "dialogs/Counts.h"
#include "dialogs/NumericBox.h"
#include "page/Page.h"

#include <initializer_list>

using forms::String;
using forms::StringView;

BulNumCreater::BulNumCreater(Page& p) : forms::Form(p.runtime(), "bulnumcreater"), page(p) {
    Label1.setCaption(u"Type:");
    txtbulnumcreater.setText(u"1");
    numeric::bind(txtbulnumcreater, u"1", &bulnumcreaterUpDown, 1);
    btnbulnumcreater.Click = [this] { btnbulnumcreater_Click(); };
}

void BulNumCreater::btnbulnumcreater_Click() {
    bool built = true;
    if (btnbulnumcreater.caption() == numbered)
        built = numcreater();
    else if (btnbulnumcreater.caption() == bulleted)
        built = bltcreater();
    // A refused count stays on screen, reset, for another try.
    if (built) unload();
}

bool BulNumCreater::numcreater() {
    return build(u"<OL TYPE=\"" + type.text() + u"\">\r\n", u"</OL>\r\n");
}

bool BulNumCreater::bltcreater() {
    return build(u"<UL TYPE=\"" + type.text() + u"\"> \r\n", u"</UL>\r\n");
}

bool BulNumCreater::build(StringView head, StringView tail) {
    fragment_.clear();
    counter_ = 0;
    auto count = counts::read(txtbulnumcreater, u"1");
    if (!count) return false;
    if (*count > counts::kLimit) {
        counts::refuse(txtbulnumcreater, u"1");
        return false;
    }
    const int32_t items = counts::loops(*count);
    forms::TextBox& buffer = page.Text1;
    buffer.setFocus();
    fragment_ = String(head);
    while (items > counter_) {
        fragment_ += u"<LI> Point" + forms::number(counter_ + 1) + u"\r\n";
        ++counter_;
    }
    fragment_ += tail;
    buffer.setSelText(fragment_);
    return true;
}

namespace {
void open(Page& w, std::initializer_list<StringView> types, StringView caption, StringView button) {
    BulNumCreater& d = w.window<BulNumCreater>();
    d.type.clear();
    for (StringView t : types)
        d.type.addItem(t);
    d.type.setListIndex(0);
    d.setCaption(caption);
    d.btnbulnumcreater.setCaption(button);
    d.show();
}
} // namespace

void numberings_Click(Page& w) {
    open(w, {u"1", u"A", u"a", u"I", u"i"}, u"Numbering", BulNumCreater::numbered);
}

void Bullet_Click(Page& w) {
    open(w, {u"disc", u"circle", u"square"}, u"Bullets", BulNumCreater::bulleted);
}
