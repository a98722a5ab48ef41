// The platform services of the real window: Qt dialogs, clipboard, fonts, timers, the
// file watch, End.
#pragma once

#include "forms/Platform.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <map>

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

// The services of one running program. The dialogs can be replaced (tests script them).
struct QtPlatform {
    QtDialogs dialogs;
    QtClipboard clipboard;
    QtFonts fonts;
    QtClock clock;
    QtSession session;
    QtFileWatch files;
    forms::Platform platform(forms::Dialogs* scripted = nullptr) {
        return forms::Platform{
            scripted ? *scripted : dialogs, clipboard, fonts, clock, session, nullptr, &files};
    }
};

} // namespace tolva::qt
