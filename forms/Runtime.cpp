// Event entry point, keystroke queue and focus.
#include "forms/Runtime.h"

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

#include <cstdio>

namespace forms {

void Runtime::invoke(const std::function<void()>& handler) {
    if (ended_) return;
    ++depth_;
    try {
        handler();
    } catch (const RuntimeError& e) {
        // The classic runtime stops the command that raised the error; the program goes on.
        std::fprintf(stderr, "tolva: a command stopped: %s\n", e.what());
    } catch (const EndProgram&) {
        ended_ = true;
    }
    --depth_;
    if (ended_) {
        keys_.clear();
        if (depth_ > 0) throw EndProgram{};
        return;
    }
    if (depth_ == 0) {
        runDeferred();
        drainKeys();
    }
}

void Runtime::defer(std::function<void()> f) {
    if (depth_ == 0)
        f();
    else
        deferred_.push_back(std::move(f));
}

void Runtime::runDeferred() {
    while (!deferred_.empty()) {
        auto batch = std::move(deferred_);
        deferred_.clear();
        for (auto& f : batch)
            f();
    }
}

void Runtime::sendKeys(StringView keys) {
    keys_.insert(keys_.end(), keys.begin(), keys.end());
}

void Runtime::drainKeys() {
    if (draining_) return;
    draining_ = true;
    while (!keys_.empty() && !ended_) {
        String chars(1, keys_.front());
        keys_.pop_front();
        // A CR LF pair is one line break, typed at once.
        // So is a character written as two halves: no handler sees half of it.
        bool high = chars[0] >= 0xD800 && chars[0] < 0xDC00;
        bool low = !keys_.empty() && keys_.front() >= 0xDC00 && keys_.front() < 0xE000;
        if ((chars[0] == CR && !keys_.empty() && keys_.front() == LF) || (high && low)) {
            chars += keys_.front();
            keys_.pop_front();
        }
        Control* target = focus_;
        invoke([&] {
            if (auto* t = dynamic_cast<TextBox*>(target))
                t->typeLiteral(chars);
            else if (auto* cb = dynamic_cast<ComboBox*>(target))
                for (char16_t c : chars)
                    cb->type(c);
        });
    }
    draining_ = false;
}

void Runtime::setFocus(Control* c) {
    if (c == focus_) return;
    Control* old = focus_;
    focus_ = c;
    if (old && old->LostFocus) old->LostFocus();
    if (c && c->GotFocus) c->GotFocus();
    if (focusChanged) focusChanged(old, c);
}

void Runtime::end() {
    ended_ = true;
    keys_.clear();
    platform_.session.end();
    throw EndProgram{};
}

int Runtime::msgBox(StringView prompt, int flags, StringView title) {
    return platform_.dialogs.messageBox(prompt, flags,
                                        title.empty() ? StringView(this->title) : title);
}

String Runtime::inputBox(StringView prompt, StringView title, StringView defaultText) {
    return platform_.dialogs.inputBox(prompt, title.empty() ? StringView(this->title) : title,
                                      defaultText);
}

void Runtime::forget(Control* c) {
    if (focus_ == c) focus_ = nullptr;
}

} // namespace forms
