// Lists, buttons, labels, timers, menus and the file dialog of the window model.
#include "forms/Controls.h"

#include "forms/Form.h"
#include "forms/Runtime.h"

#include <algorithm>

namespace forms {

// --- ItemList ---------------------------------------------------------------------------

int ItemList::find(StringView s) const {
    for (int i = 0; i < count(); ++i)
        if (items_[static_cast<size_t>(i)] == s) return i;
    return -1;
}

bool ItemList::pick(int i) {
    int n = (i >= 0 && i < count()) ? i : -1;
    bool changed = n != index_;
    index_ = n;
    return changed;
}

int ItemList::add(StringView s, int index) {
    if (index < 0 || index > count()) index = count();
    items_.insert(items_.begin() + index, String(s));
    if (index_ >= index) ++index_;
    return index;
}

void ItemList::remove(int i) {
    if (i < 0 || i >= count()) return;
    items_.erase(items_.begin() + i);
    if (index_ == i)
        index_ = -1;
    else if (index_ > i)
        --index_;
}

void ItemList::clear() {
    items_.clear();
    index_ = -1;
}

// --- ComboBox ---------------------------------------------------------------------------

void ComboBox::setText(StringView t) {
    if (text_ == t) return;
    text_ = String(t);
    selStart_ = std::min<int32_t>(selStart_, static_cast<int32_t>(text_.size()));
    selLength_ = 0;
    notify(Prop::Text);
    if (Change) Change();
}

void ComboBox::select(int32_t start, int32_t length) {
    auto n = static_cast<int32_t>(text_.size());
    selStart_ = std::clamp(start, 0, n);
    selLength_ = std::clamp(length, 0, n - selStart_);
    notify(Prop::Selection);
}

void ComboBox::addItem(StringView s, int index) {
    list_.add(s, index);
    notify(Prop::List);
}

void ComboBox::removeItem(int i) {
    list_.remove(i);
    notify(Prop::List);
}

void ComboBox::clear() {
    list_.clear();
    notify(Prop::List);
}

void ComboBox::setListIndexQuiet(int i) {
    list_.pick(i);
    if (list_.index() >= 0 && text_ != list_.at(list_.index())) {
        text_ = list_.at(list_.index());
        notify(Prop::Text);
    }
    notify(Prop::List);
}

void ComboBox::setListIndex(int i) {
    setListIndexQuiet(i);
    if (Click) Click();
}

void ComboBox::setFontName(StringView f) {
    fontName_ = String(f);
    notify(Prop::Font);
}

void ComboBox::type(char16_t c) {
    int ascii = c;
    if (KeyPress) KeyPress(ascii);
    if (ascii == 0 || !editable_) return;
    auto ch = static_cast<char16_t>(ascii);
    String t = text_;
    if (ch == 8) {
        if (selLength_ > 0)
            t.erase(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_));
        else if (selStart_ > 0)
            t.erase(static_cast<size_t>(--selStart_), 1);
        else
            return;
        int32_t caret = selStart_;
        userEdit(t);
        select(caret, 0);
        return;
    }
    if (ch < 32) return;
    if (maxLength_ > 0 && static_cast<int>(t.size()) - selLength_ + 1 > maxLength_) return;
    t.replace(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_), 1, ch);
    int32_t caret = selStart_ + 1;
    userEdit(t);
    select(caret, 0);
}

void ComboBox::userEdit(StringView t) {
    if (text_ == t) return;
    text_ = String(t);
    selStart_ = static_cast<int32_t>(text_.size());
    selLength_ = 0;
    notify(Prop::Text);
    if (Change) Change();
}

// --- ListBox ----------------------------------------------------------------------------

void ListBox::addItem(StringView s, int index) {
    if (sorted_ && index < 0) {
        index = 0;
        while (index < list_.count() && list_.at(index) < s)
            ++index;
    }
    list_.add(s, index);
    notify(Prop::List);
}

void ListBox::removeItem(int i) {
    list_.remove(i);
    notify(Prop::List);
}

void ListBox::clear() {
    list_.clear();
    notify(Prop::List);
}

void ListBox::setListIndex(int i) {
    bool changed = list_.pick(i);
    notify(Prop::List);
    if (changed && list_.index() >= 0 && Click) Click();
}

// --- small controls -----------------------------------------------------------------------

void CheckBox::setCaption(StringView c) {
    caption_ = String(c);
    notify(Prop::Caption);
}

void CheckBox::setValue(int v) {
    if (v == value_) return;
    value_ = v;
    notify(Prop::Value);
    if (Click) Click();
}

OptionButton::OptionButton(Form& owner, std::string name, std::string group, int index)
    : Control(owner, std::move(name), index), group_(std::move(group)) {}

void OptionButton::setCaption(StringView c) {
    caption_ = String(c);
    notify(Prop::Caption);
}

void OptionButton::setValue(bool on) {
    if (on == value_) return;
    value_ = on;
    if (on) {
        for (Control* c : form().controls()) {
            auto* o = dynamic_cast<OptionButton*>(c);
            if (o && o != this && o->group_ == group_ && o->value_) {
                o->value_ = false;
                o->notify(Prop::Value);
            }
        }
    }
    notify(Prop::Value);
    if (on && Click) Click();
}

void Button::setCaption(StringView c) {
    caption_ = String(c);
    notify(Prop::Caption);
}

void Button::click() {
    if (enabled() && Click) Click();
}

void Label::setCaption(StringView c) {
    if (caption_ == c) return;
    caption_ = String(c);
    notify(Prop::Caption);
}

void Label::setFontName(StringView f) {
    fontName_ = String(f);
    notify(Prop::Font);
}

void StatusBar::setText(StringView t) {
    if (text_ == t) return;
    text_ = String(t);
    notify(Prop::Text);
}

void Frame::setCaption(StringView c) {
    caption_ = String(c);
    notify(Prop::Caption);
}

void ProgressBar::setValue(int v) {
    if (v == value_) return;
    value_ = v;
    notify(Prop::Value);
}

void UpDown::up() {
    if (enabled() && UpClick) UpClick();
}

void UpDown::down() {
    if (enabled() && DownClick) DownClick();
}

// --- Timer ----------------------------------------------------------------------------------

Timer::Timer(Form& owner, std::string name, int intervalMs, bool enabled)
    : Control(owner, std::move(name)), interval_(intervalMs), on_(enabled) {
    form().runtime().platform().clock.timerChanged(*this);
}

Timer::~Timer() {
    form().runtime().platform().clock.timerGone(*this);
}

void Timer::setInterval(int ms) {
    if (ms == interval_) return;
    interval_ = ms;
    form().runtime().platform().clock.timerChanged(*this);
}

void Timer::setEnabled(bool on) {
    if (on == on_) return;
    on_ = on;
    form().runtime().platform().clock.timerChanged(*this);
}

void Timer::fire() {
    if (!on_ || interval_ <= 0) return;
    form().runtime().invoke([this] {
        if (Tick) Tick();
    });
}

// --- MenuItem -------------------------------------------------------------------------------

MenuItem::MenuItem(Form& owner, std::string name, String caption, std::string shortcut)
    : Control(owner, std::move(name)), caption_(std::move(caption)),
      shortcut_(std::move(shortcut)) {}

void MenuItem::setCaption(StringView c) {
    if (caption_ == c) return;
    caption_ = String(c);
    notify(Prop::Caption);
}

void MenuItem::setChecked(bool on) {
    if (checked_ == on) return;
    checked_ = on;
    notify(Prop::Value);
}

void MenuItem::addChild(MenuItem& child) {
    child.parent_ = this;
    children_.push_back(&child);
}

void MenuItem::click() {
    if (!enabled() || !children_.empty() || separator()) return;
    if (Click) Click();
}

// --- CommonDialog ---------------------------------------------------------------------------

bool CommonDialog::show(bool save) {
    FileDialogRequest req;
    req.save = save;
    req.fileName = last_;
    req.defaultExt = DefaultExt;
    req.title = DialogTitle;
    showing_ = true;
    std::optional<String> chosen;
    try {
        chosen = owner_.runtime().platform().dialogs.fileDialog(req);
    } catch (...) {
        showing_ = false;
        throw;
    }
    showing_ = false;
    if (!chosen || chosen->empty()) {
        FileName.clear();
        return false;
    }
    FileName = *chosen;
    last_ = *chosen;
    return true;
}

bool CommonDialog::showOpen() {
    return show(false);
}
bool CommonDialog::showSave() {
    return show(true);
}

} // namespace forms
