// Scripted platform doubles.
#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

namespace testing_support {

std::string show(StringView s) {
    std::string out = "\"";
    for (char16_t c : s)
        out += c == u'\r'   ? "\\r"
               : c == u'\n' ? "\\n"
               : c == u'\t' ? "\\t"
                            : forms::toUtf8({&c, 1});
    return out + "\"";
}

ScriptedDialogs::~ScriptedDialogs() {
    if (!script_.empty())
        ADD_FAILURE() << script_.size() << " scripted dialog(s) never appeared; first prompt: "
                      << show(script_.front().prompt);
}

void ScriptedDialogs::expectMessage(StringView prompt, int flags, StringView title, int answer) {
    script_.push_back(
        Step{Kind::Message, String(prompt), String(title), {}, flags, answer, false, {}});
}

void ScriptedDialogs::expectInput(StringView prompt, StringView title, StringView defaultText,
                                  StringView answer) {
    script_.push_back(Step{Kind::Input, String(prompt), String(title), String(defaultText), 0, 0,
                           false, String(answer)});
}

void ScriptedDialogs::expectAnyInput(StringView answer) {
    script_.push_back(Step{Kind::AnyInput, {}, {}, {}, 0, 0, false, String(answer)});
}

void ScriptedDialogs::expectFile(bool save, std::optional<String> answer) {
    script_.push_back(Step{Kind::File, {}, {}, {}, 0, 0, save, std::move(answer)});
}

int ScriptedDialogs::messageBox(StringView prompt, int flags, StringView title) {
    if (whileOpen) whileOpen();
    if (script_.empty() || script_.front().kind != Kind::Message) {
        ADD_FAILURE() << "unexpected message box " << show(prompt) << " flags " << flags
                      << " title " << show(title);
        return forms::vbCancel;
    }
    Step s = std::move(script_.front());
    script_.pop_front();
    EXPECT_EQ(show(s.prompt), show(prompt));
    EXPECT_EQ(s.flags, flags) << "flags of " << show(prompt);
    EXPECT_EQ(show(s.title), show(title)) << "title of " << show(prompt);
    return s.answer;
}

String ScriptedDialogs::inputBox(StringView prompt, StringView title, StringView defaultText) {
    if (whileOpen) whileOpen();
    if (script_.empty() ||
        (script_.front().kind != Kind::Input && script_.front().kind != Kind::AnyInput)) {
        ADD_FAILURE() << "unexpected input box " << show(prompt) << " title " << show(title);
        return {};
    }
    Step s = script_.front();
    script_.pop_front();
    if (s.kind == Kind::Input) {
        EXPECT_EQ(show(s.prompt), show(prompt));
        EXPECT_EQ(show(s.title), show(title)) << "title of " << show(prompt);
        EXPECT_EQ(show(s.defaultText), show(defaultText)) << "default of " << show(prompt);
    }
    return *s.text;
}

std::optional<String> ScriptedDialogs::fileDialog(const forms::FileDialogRequest& request) {
    lastFileRequest = request;
    if (whileOpen) whileOpen();
    if (script_.empty() || script_.front().kind != Kind::File) {
        ADD_FAILURE() << "unexpected " << (request.save ? "save" : "open") << " file dialog";
        return std::nullopt;
    }
    Step s = script_.front();
    script_.pop_front();
    EXPECT_EQ(s.save, request.save) << "open or save dialog";
    return s.text;
}

void FakeBrowser::navigate(StringView url) {
    actions.push_back(u"navigate " + String(url));
    if (holdLoads) {
        isBusy = true;
        return;
    }
    arrive(url);
}

void FakeBrowser::showText(StringView html, StringView path) {
    shownText = String(html);
    actions.push_back(u"show " + String(path));
    if (holdLoads) {
        isBusy = true;
        return;
    }
    arrive(path);
}

void FakeBrowser::reveal(StringView tag, int32_t nth) {
    actions.push_back(u"reveal " + String(tag) + u" " + forms::fromUtf8(std::to_string(nth)));
}

void FakeBrowser::arrive(StringView url) {
    url_ = String(url);
    isBusy = false;
    if (NavigateComplete) NavigateComplete();
    if (DownloadComplete) DownloadComplete();
}

void ScriptedFiles::watch(StringView path, std::function<void()> onChange) {
    watched = String(path);
    onChange_ = std::move(onChange);
}

void ScriptedFiles::unwatch() {
    watched.clear();
    onChange_ = nullptr;
}

std::optional<forms::FileStamp> ScriptedFiles::stamp(StringView path) {
    ++stats;
    return forms::stampOf(path);
}

void ScriptedFiles::changed() {
    // Copied: the receiver may watch another file from inside.
    if (auto f = onChange_) f();
}

void ScriptedState::post(std::function<void()> job) {
    ++posted;
    jobs_.push_back(std::move(job));
    if (!hold) runJobs();
}

void ScriptedState::runJobs() {
    while (!jobs_.empty()) {
        auto job = std::move(jobs_.front());
        jobs_.pop_front();
        job();
    }
}

void VirtualClock::timerChanged(forms::Timer& t) {
    if (!order_.count(&t)) order_[&t] = made_++;
    if (t.enabled() && t.interval() > 0)
        due_[&t] = Due{now_ + t.interval(), order_[&t]};
    else
        due_.erase(&t);
}

void VirtualClock::timerGone(forms::Timer& t) {
    due_.erase(&t);
    order_.erase(&t);
}

void VirtualClock::advance(int ms) {
    long target = now_ + ms;
    auto earlier = [](const auto& a, const auto& b) {
        return std::pair(a.second.when, a.second.order) < std::pair(b.second.when, b.second.order);
    };
    while (!due_.empty()) {
        auto next = std::min_element(due_.begin(), due_.end(), earlier);
        if (next->second.when > target) break;
        now_ = next->second.when;
        next->second.when += next->first->interval();
        next->first->fire();
    }
    now_ = target;
}

} // namespace testing_support
