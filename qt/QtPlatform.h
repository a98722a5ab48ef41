// The platform services of the real window: Qt dialogs, clipboard, fonts, timers, the
// file watch, End, and the state folder with its writer.
#pragma once

#include "forms/Platform.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <thread>

class QWidget;

namespace tolva::qt {

class QtDialogs : public forms::Dialogs {
public:
    int messageBox(forms::StringView prompt, int flags, forms::StringView title) override;
    forms::String inputBox(forms::StringView prompt, forms::StringView title,
                           forms::StringView defaultText) override;
    std::optional<forms::String> fileDialog(const forms::FileDialogRequest& request) override;
};

// The one place where line breaks cross between the page and the desktop: the page breaks
// lines with CR LF, the desktop's clipboard and drags with LF.
QString toDesktopText(forms::StringView text);      // CR LF and a lone CR become LF
forms::String fromDesktopText(const QString& text); // LF, a lone CR, CR LF become CR LF

// The system clipboard, converting line breaks both ways.
class QtClipboard : public forms::Clipboard {
public:
    void clear() override;
    void setText(forms::StringView text) override;
    forms::String text() override;
};

class QtFonts : public forms::Fonts {
public:
    std::vector<forms::String> screenFonts() override;
};

// One QTimer per model timer.
class QtClock : public QObject, public forms::Clock {
    Q_OBJECT
public:
    ~QtClock() override;
    void timerChanged(forms::Timer& t) override;
    void timerGone(forms::Timer& t) override;

private:
    std::map<forms::Timer*, QTimer*> timers_;
};

// One file, watched with its folder: a save that renames a new file over it, or an editor
// that removes it and writes it again, leaves a watch on the file alone deaf, so the
// folder's changes put the file back on the watch. A burst of changes (a write in pieces)
// is told once, shortly after it ends.
class QtFileWatch : public QObject, public forms::FileWatch {
    Q_OBJECT
public:
    QtFileWatch();
    void watch(forms::StringView path, std::function<void()> onChange) override;
    void unwatch() override;
    std::optional<forms::FileStamp> stamp(forms::StringView path) override;

private:
    void heard();
    QFileSystemWatcher watcher_;
    QTimer settle_;
    QString path_;
    std::function<void()> onChange_;
};

class QtSession : public forms::Session {
public:
    void end() override;
    bool ended = false;
};

// The user's state folder, and one worker thread that runs the jobs in order; it starts
// with the first job, and the jobs still waiting when it goes run first.
class QtState : public forms::StateFiles {
public:
    // The folder from the environment, as it is now.
    QtState();
    ~QtState() override;
    std::string folder() override { return folder_; }
    void post(std::function<void()> job) override;

private:
    void work();
    std::string folder_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> jobs_;
    bool stopping_ = false;
    std::thread thread_;
};

// The services of one running program. The dialogs can be replaced (tests script them); a
// program with scripted dialogs keeps nothing between runs unless its test hands it state.
struct QtPlatform {
    QtDialogs dialogs;
    QtClipboard clipboard;
    QtFonts fonts;
    QtClock clock;
    QtSession session;
    QtFileWatch files;
    QtState state;
    forms::Platform platform(forms::Dialogs* scripted = nullptr) {
        return forms::Platform{
            scripted ? *scripted : dialogs, clipboard, fonts, clock, session, nullptr, &files,
            scripted ? nullptr : &state};
    }
};

} // namespace tolva::qt
