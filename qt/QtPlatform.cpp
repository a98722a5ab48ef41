// Qt implementations of the platform services.
#include "qt/QtPlatform.h"

#include "forms/Controls.h"
#include "qt/Binder.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <dirent.h>
#include <sys/stat.h>

#include <cstdlib>

namespace tolva::qt {

namespace {
QWidget* dialogParent() {
    return QApplication::activeWindow();
}

// A model file name as Qt's file classes read the system's bytes.
QString qtPath(forms::StringView name) {
    return QFile::decodeName(QByteArray::fromStdString(forms::toFileName(name)));
}

// Qt reads a file name that is not UTF-8 with replacement characters, which name no file.
// The chosen file is found again by its bytes in its folder, so the page keeps the
// system's own name.
forms::String systemName(const QString& chosen) {
    QByteArray bytes = QFile::encodeName(chosen);
    struct stat st {};
    if (!chosen.contains(QChar::ReplacementCharacter) || ::stat(bytes.constData(), &st) == 0)
        return forms::fromFileName(bytes.toStdString());
    QFileInfo info(chosen);
    QByteArray folder = QFile::encodeName(info.absolutePath());
    std::string found;
    int matches = 0;
    if (DIR* d = ::opendir(folder.constData())) {
        while (dirent* e = ::readdir(d)) {
            if (QFile::decodeName(e->d_name) == info.fileName()) {
                found = e->d_name;
                ++matches;
            }
        }
        ::closedir(d);
    }
    // Two names that read alike cannot be told apart here; the name as read is kept.
    if (matches != 1) return forms::fromFileName(bytes.toStdString());
    return forms::fromFileName(folder.toStdString() + "/" + found);
}

// Qt's own file dialog reads double quotes as marks around several names ("a" "b"), so a
// name typed with quotes in it would be saved under the quoted part alone. A save takes
// the name exactly as typed.
class FileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;
    // The path typed, when Qt would have read it as something else.
    QString typed;

    void accept() override {
        auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (acceptMode() != AcceptSave || !edit || !edit->text().contains(u'"')) {
            QFileDialog::accept();
            return;
        }
        QString path = directory().absoluteFilePath(edit->text());
        if (!defaultSuffix().isEmpty() && QFileInfo(path).suffix().isEmpty())
            path += u'.' + defaultSuffix();
        QFileInfo file(path);
        if (file.isDir()) {
            setDirectory(path);
            edit->clear();
            return;
        }
        if (file.exists() &&
            QMessageBox::warning(
                this, windowTitle(),
                tr("%1 already exists.\nDo you want to replace it?").arg(file.fileName()),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            return;
        typed = path;
        // Past the file dialog's own accept, which would read the quotes as a list of names.
        QDialog::accept(); // NOLINT(bugprone-parent-virtual-call)
    }
};
} // namespace

int QtDialogs::messageBox(forms::StringView prompt, int flags, forms::StringView title) {
    QMessageBox box(dialogParent());
    box.setWindowTitle(toShown(title));
    // A screen reader reads the label's text as it is: a CR would be read out or break a word.
    box.setText(toShown(toDesktopText(prompt)));
    switch (flags & 0x70) {
    case forms::vbCritical:
        box.setIcon(QMessageBox::Critical);
        break;
    case forms::vbQuestion:
        box.setIcon(QMessageBox::Question);
        break;
    case forms::vbExclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case forms::vbInformation:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    struct Choice {
        QMessageBox::StandardButton button;
        int answer;
    };
    std::vector<Choice> choices;
    switch (flags & 7) {
    case forms::vbOKCancel:
        choices = {{QMessageBox::Ok, forms::vbOK}, {QMessageBox::Cancel, forms::vbCancel}};
        break;
    case forms::vbAbortRetryIgnore:
        choices = {{QMessageBox::Abort, forms::vbAbort},
                   {QMessageBox::Retry, forms::vbRetry},
                   {QMessageBox::Ignore, forms::vbIgnore}};
        break;
    case forms::vbYesNoCancel:
        choices = {{QMessageBox::Yes, forms::vbYes},
                   {QMessageBox::No, forms::vbNo},
                   {QMessageBox::Cancel, forms::vbCancel}};
        break;
    case forms::vbYesNo:
        choices = {{QMessageBox::Yes, forms::vbYes}, {QMessageBox::No, forms::vbNo}};
        break;
    case forms::vbRetryCancel:
        choices = {{QMessageBox::Retry, forms::vbRetry}, {QMessageBox::Cancel, forms::vbCancel}};
        break;
    default:
        choices = {{QMessageBox::Ok, forms::vbOK}};
        break;
    }
    QMessageBox::StandardButtons set;
    for (const Choice& c : choices)
        set |= c.button;
    box.setStandardButtons(set);
    size_t def = (flags & forms::vbDefaultButton3) ? 2 : (flags & forms::vbDefaultButton2) ? 1 : 0;
    if (def < choices.size()) box.setDefaultButton(choices[def].button);
    box.setEscapeButton(choices.back().button);
    box.exec();
    auto clicked = box.standardButton(box.clickedButton());
    for (const Choice& c : choices)
        if (c.button == clicked) return c.answer;
    return choices.back().answer;
}

forms::String QtDialogs::inputBox(forms::StringView prompt, forms::StringView title,
                                  forms::StringView defaultText) {
    bool ok = false;
    QString text = QInputDialog::getText(dialogParent(), toQt(title), toDesktopText(prompt),
                                         QLineEdit::Normal, toQt(defaultText), &ok);
    return ok ? fromQt(text) : forms::String();
}

std::optional<forms::String> QtDialogs::fileDialog(const forms::FileDialogRequest& request) {
    FileDialog dialog(dialogParent());
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.title.empty()) dialog.setWindowTitle(toQt(request.title));
    if (!request.defaultExt.empty()) dialog.setDefaultSuffix(toQt(request.defaultExt));
    if (!request.fileName.empty()) {
        QFileInfo last(qtPath(request.fileName));
        dialog.setDirectory(last.absolutePath());
        dialog.selectFile(last.fileName());
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    if (!dialog.typed.isEmpty()) return fromQt(dialog.typed);
    if (dialog.selectedFiles().isEmpty()) return std::nullopt;
    return systemName(dialog.selectedFiles().first());
}

QString toDesktopText(forms::StringView text) {
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == forms::CR) {
            out += QChar(u'\n');
            if (i + 1 < text.size() && text[i + 1] == forms::LF) ++i;
        } else {
            out += QChar(c);
        }
    }
    return out;
}

forms::String fromDesktopText(const QString& text) {
    forms::String out;
    out.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t c = text[i].unicode();
        if (c == u'\r') {
            out += forms::CRLF;
            if (i + 1 < text.size() && text[i + 1] == QChar(u'\n')) ++i;
        } else if (c == u'\n' || c == 0x2029) { // Qt's paragraph separator breaks too
            out += forms::CRLF;
        } else {
            out.push_back(c);
        }
    }
    return out;
}

void QtClipboard::clear() {
    QApplication::clipboard()->clear();
}
void QtClipboard::setText(forms::StringView text) {
    QApplication::clipboard()->setText(toDesktopText(text));
}
forms::String QtClipboard::text() {
    return fromDesktopText(QApplication::clipboard()->text());
}

std::vector<forms::String> QtFonts::screenFonts() {
    std::vector<forms::String> out;
    for (const QString& f : QFontDatabase::families())
        out.push_back(fromQt(f));
    return out;
}

QtClock::~QtClock() {
    for (auto& [t, q] : timers_)
        delete q;
}

void QtClock::timerChanged(forms::Timer& t) {
    QTimer*& q = timers_[&t];
    if (!q) {
        q = new QTimer(this);
        connect(q, &QTimer::timeout, this, [&t] { t.fire(); });
    }
    if (t.enabled() && t.interval() > 0)
        q->start(t.interval());
    else
        q->stop();
}

void QtClock::timerGone(forms::Timer& t) {
    auto it = timers_.find(&t);
    if (it == timers_.end()) return;
    // The timer may be going from inside its own timeout.
    it->second->stop();
    it->second->disconnect();
    it->second->deleteLater();
    timers_.erase(it);
}

QtFileWatch::QtFileWatch() {
    settle_.setSingleShot(true);
    settle_.setInterval(100);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &QtFileWatch::heard);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &QtFileWatch::heard);
    connect(&settle_, &QTimer::timeout, this, [this] {
        // Copied: the receiver may watch another file from inside.
        if (auto f = onChange_) f();
    });
}

void QtFileWatch::watch(forms::StringView path, std::function<void()> onChange) {
    unwatch();
    path_ = QFileInfo(qtPath(path)).absoluteFilePath();
    onChange_ = std::move(onChange);
    QString folder = QFileInfo(path_).absolutePath();
    if (QFileInfo::exists(folder)) watcher_.addPath(folder);
    if (QFileInfo::exists(path_)) watcher_.addPath(path_);
}

void QtFileWatch::unwatch() {
    settle_.stop();
    if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
    if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
    path_.clear();
    onChange_ = nullptr;
}

void QtFileWatch::heard() {
    if (path_.isEmpty()) return;
    if (!watcher_.files().contains(path_) && QFileInfo::exists(path_)) watcher_.addPath(path_);
    settle_.start();
}

std::optional<forms::FileStamp> QtFileWatch::stamp(forms::StringView path) {
    return forms::stampOf(path);
}

QtState::QtState()
    : folder_(forms::stateFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"))) {}

QtState::~QtState() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable()) thread_.join();
}

void QtState::post(std::function<void()> job) {
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
        if (!thread_.joinable()) thread_ = std::thread([this] { work(); });
    }
    wake_.notify_one();
}

void QtState::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty()) return;
        std::function<void()> job = std::move(jobs_.front());
        jobs_.pop_front();
        lock.unlock();
        job();
        lock.lock();
    }
}

void QtSession::end() {
    ended = true;
    QCoreApplication::exit(0);
}

} // namespace tolva::qt
