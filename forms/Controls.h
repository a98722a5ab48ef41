// The smaller controls of the window model: lists, buttons, labels, timers and menus.
#pragma once

#include "forms/Control.h"
#include "forms/Platform.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace forms {

// A list of strings with a current item; shared by combo and list boxes.
class ItemList {
public:
    int count() const { return static_cast<int>(items_.size()); }
    const String& at(int i) const { return items_[static_cast<size_t>(i)]; }
    const std::vector<String>& items() const { return items_; }
    int find(StringView s) const;
    // The current item, -1 for none.
    int index() const { return index_; }
    // Makes item i current (none when out of range); true when that changed.
    bool pick(int i);
    // index -1 appends; returns where it went. The current item stays current.
    int add(StringView s, int index = -1);
    // Removing the current item leaves none current.
    void remove(int i);
    void clear();

private:
    std::vector<String> items_;
    int index_ = -1;
};

class ComboBox : public Control {
public:
    using Control::Control;
    const String& text() const { return text_; }
    void setText(StringView t); // raises Change when different
    int32_t selStart() const { return selStart_; }
    int32_t selLength() const { return selLength_; }
    void select(int32_t start, int32_t length);
    String selText() const {
        return text_.substr(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_));
    }

    const ItemList& list() const { return list_; }
    int listCount() const { return list_.count(); }
    const String& item(int i) const { return list_.at(i); }
    void addItem(StringView s, int index = -1);
    void removeItem(int i);
    void clear();
    int listIndex() const { return list_.index(); }
    // Picks an item (or none with -1): the text follows and Click is raised.
    void setListIndex(int i);
    // Picking without raising Click (the handler that fills the history does this).
    void setListIndexQuiet(int i);
    int maxLength() const { return maxLength_; }
    void setMaxLength(int n) { maxLength_ = n; }
    bool editable() const { return editable_; }
    void setEditable(bool on) { editable_ = on; }
    const String& fontName() const { return fontName_; }
    void setFontName(StringView f);

    // User input: a typed character or a new text typed by the user.
    void type(char16_t c);
    void userEdit(StringView t);

    Handler Change;
    Handler Click;
    std::function<void(int& keyAscii)> KeyPress;

private:
    String text_;
    ItemList list_;
    int32_t selStart_ = 0;
    int32_t selLength_ = 0;
    int maxLength_ = 0;
    bool editable_ = true;
    String fontName_;
};

class ListBox : public Control {
public:
    using Control::Control;
    const ItemList& list() const { return list_; }
    int listCount() const { return list_.count(); }
    const String& item(int i) const { return list_.at(i); }
    void addItem(StringView s, int index = -1);
    void removeItem(int i);
    void clear();
    int listIndex() const { return list_.index(); }
    void setListIndex(int i); // raises Click
    String text() const { return list_.index() >= 0 ? list_.at(list_.index()) : String(); }
    bool sorted() const { return sorted_; }
    void setSorted(bool on) { sorted_ = on; }

    Handler Click;

private:
    ItemList list_;
    bool sorted_ = false;
};

class CheckBox : public Control {
public:
    using Control::Control;
    const String& caption() const { return caption_; }
    void setCaption(StringView c);
    int value() const { return value_; }
    void setValue(int v); // raises Click when it changes
    void click() { setValue(value_ ? 0 : 1); }
    Handler Click;

private:
    String caption_;
    int value_ = 0;
};

class OptionButton : public Control {
public:
    OptionButton(Form& owner, std::string name, std::string group, int index = -1);
    const String& caption() const { return caption_; }
    void setCaption(StringView c);
    bool value() const { return value_; }
    // Selecting one clears the others of its group and raises Click.
    void setValue(bool on);
    void click() { setValue(true); }
    Handler Click;

private:
    std::string group_;
    String caption_;
    bool value_ = false;
};

class Button : public Control {
public:
    using Control::Control;
    const String& caption() const { return caption_; }
    void setCaption(StringView c);
    // For picture buttons: a name the view turns into an icon.
    const std::string& picture() const { return picture_; }
    void setPicture(std::string p) { picture_ = std::move(p); }
    void click();
    Handler Click;

private:
    String caption_;
    std::string picture_;
};

class Label : public Control {
public:
    using Control::Control;
    const String& caption() const { return caption_; }
    void setCaption(StringView c);
    const String& fontName() const { return fontName_; }
    void setFontName(StringView f);
    Handler Click;

private:
    String caption_;
    String fontName_;
};

class StatusBar : public Control {
public:
    using Control::Control;
    const String& text() const { return text_; }
    void setText(StringView t);

private:
    String text_;
};

class Frame : public Control {
public:
    using Control::Control;
    const String& caption() const { return caption_; }
    void setCaption(StringView c);
    Handler Click;

private:
    String caption_;
};

class ProgressBar : public Control {
public:
    using Control::Control;
    int value() const { return value_; }
    void setValue(int v);

private:
    int value_ = 0;
};

class UpDown : public Control {
public:
    using Control::Control;
    void up();
    void down();
    Handler UpClick;
    Handler DownClick;
};

class Timer : public Control {
public:
    Timer(Form& owner, std::string name, int intervalMs, bool enabled);
    ~Timer() override;
    int interval() const { return interval_; }
    void setInterval(int ms);
    bool enabled() const { return on_; }
    void setEnabled(bool on);
    // Called by the clock when the interval has passed.
    void fire();
    Handler Tick;

private:
    int interval_;
    bool on_;
};

class MenuItem : public Control {
public:
    MenuItem(Form& owner, std::string name, String caption, std::string shortcut = {});
    const String& caption() const { return caption_; }
    void setCaption(StringView c);
    // As the menu shows it: "Ctrl+N", "F5", "Shift+Del"; empty for none.
    const std::string& shortcut() const { return shortcut_; }
    bool checked() const { return checked_; }
    void setChecked(bool on);
    bool separator() const { return caption_ == u"-"; }
    MenuItem* parent() const { return parent_; }
    const std::vector<MenuItem*>& children() const { return children_; }
    void addChild(MenuItem& child);
    // What choosing the item does: nothing while disabled or when it opens a submenu.
    void click();
    Handler Click;

private:
    String caption_;
    std::string shortcut_;
    bool checked_ = false;
    MenuItem* parent_ = nullptr;
    std::vector<MenuItem*> children_;
};

// The common file dialog: remembers its last file name between uses.
class CommonDialog {
public:
    explicit CommonDialog(Form& owner) : owner_(owner) {}
    String FileName;
    String DefaultExt;
    // The dialog's title; empty for the platform's own.
    String DialogTitle;
    // True when the user chose a file; FileName is then its full path, else "".
    bool showOpen();
    bool showSave();
    // Set while a dialog of this control is on screen.
    bool showing() const { return showing_; }

private:
    bool show(bool save);
    Form& owner_;
    String last_;
    bool showing_ = false;
};

} // namespace forms
