// Page files: new, open, save and save as.
#include "commands/Bookeeper.h"
#include "core/DiskWatch.h"
#include "core/PageFile.h"
#include "core/Program.h"
#include "core/Texts.h"
#include "core/Tolva.h"
#include "dialogs/FrmBrowser.h"
#include "dialogs/PageProps.h"
#include "forms/Runtime.h"

using forms::String;

namespace {

// Marks a save (or a question) as running for as long as it lasts; false when one already
// runs.
class SaveGuard {
public:
    explicit SaveGuard(bool& flag) : flag_(flag), owner_(!flag) { flag_ = true; }
    ~SaveGuard() {
        if (owner_) flag_ = false;
    }
    SaveGuard(const SaveGuard&) = delete;
    SaveGuard& operator=(const SaveGuard&) = delete;
    bool first() const { return owner_; }

private:
    bool& flag_;
    bool owner_;
};

// The bookmarks belong to the page that is going away.
void closeBookmarks(Program& program) {
    if (auto* b = program.loaded<Bookeeper>()) b->unload();
}

// Whether the save may write over the page's file, as another program may have left it.
bool mayOverwrite(Tolva& w, bool automatic) {
    DiskWatch::Disk now = w.disk.check(w.saveme());
    if (now == DiskWatch::Disk::Same) return true;
    // Nothing on disk to lose when the file is gone, but the timer does not bring back a
    // file someone removed: the user decides that.
    if (automatic) {
        w.disk.postponed();
        return false;
    }
    if (now == DiskWatch::Disk::Missing) return true;
    int r = w.runtime().msgBox(u"The file " + w.saveme() +
                                   u" was changed by another program since it was opened. "
                                   u"Overwrite it?",
                               Messages::yesNoSafe);
    if (r == forms::vbYes) return true;
    w.disk.kept();
    w.markModified();
    return false;
}

// The answer to a change made by another program.
void reloadOrKeep(Tolva& w, bool reload) {
    if (reload) {
        if (w.openPage(w.saveme())) return;
        // A file that cannot be read is not written over without a question either.
        w.disk.refused();
    } else {
        w.disk.accept();
    }
    w.markModified();
}

// Save as, for both commands that reach it.
void saveAs(Tolva& w) {
    w.CommonDialog1.DefaultExt = u"html";
    if (!w.CommonDialog1.showSave()) return;
    String path = w.CommonDialog1.FileName;
    if (!w.writePage(path)) return;
    w.setSaveme(path);
    w.pictprev.setVisible(true);
    w.preview.setEnabled(true);
    w.setCaption(w.saveme() + Captions::saved);
    w.star = u"";
    w.Text1.setFocus();
}

} // namespace

bool Tolva::writePage(const String& path) {
    String text = Text1.text();
    pagefile::Format format{pagefile::choose(text, pageFormat.encoding), pageFormat.breaks};
    std::string error;
    if (!pagefile::writeAtomically(forms::toUtf8(path), pagefile::write(text, format), error)) {
        runtime().msgBox(u"The page could not be saved to " + path + u"\r\n\r\n" +
                             forms::fromUtf8(error) +
                             u"\r\n\r\nNothing was written; the page is not saved.",
                         forms::vbExclamation);
        return false;
    }
    // The file now holds this encoding and line break; later saves keep them.
    pageFormat = format;
    disk.wrote(path);
    previewSaved(program, path);
    return true;
}

void Tolva::open_Click() {
    if (star == u"*") {
        int r =
            runtime().msgBox(u"File not saved. Save it now?", forms::vbYesNo + forms::vbQuestion,
                             u"Assistant: Tolva - Confirm Save");
        if (r == forms::vbYes) {
            Text1.setFocus();
            return;
        }
    }
    if (CommonDialog1.showOpen()) openPage(CommonDialog1.FileName);
    Text1.setFocus();
}

bool Tolva::openPage(const String& path) {
    auto stamp = disk.stampOf(path);
    std::string error;
    auto page = pagefile::load(forms::toUtf8(path), error);
    if (!page) {
        // Saying nothing would leave the user believing the page was opened.
        runtime().msgBox(u"The page could not be opened from " + path + u"\r\n\r\n" +
                             forms::fromUtf8(error),
                         forms::vbExclamation);
        return false;
    }
    Text1.setText(page->text);
    star = u"";
    pageFormat = page->format;
    setCaption(path + u"[" + star + u"]  - TevPad");
    setSaveme(path);
    disk.follow(path, stamp);
    preview.setEnabled(true);
    pictprev.setVisible(true);
    closeBookmarks(program);
    return true;
}

void Tolva::save_Click() {
    savePage(false);
}

void Tolva::savePage(bool automatic) {
    // A tick of the autosave timer while a save's dialog is on screen would stack another.
    SaveGuard guard(pageSaving);
    if (!guard.first()) return;
    if (saveme() == Captions::untitled) {
        saveAs(*this);
        return;
    }
    if (!mayOverwrite(*this, automatic)) return;
    if (!writePage(saveme())) return;
    star = u"";
    setCaption(statusCaption());
}

void Tolva::saveas_Click() {
    SaveGuard guard(pageSaving);
    if (guard.first()) saveAs(*this);
}

void Tolva::new_Click() {
    bool reset =
        star != u"*" || runtime().msgBox(u"File not saved. Proceed?", Messages::yesNoSafe,
                                         u"Assistant: Tolva - Reminder to save") == forms::vbYes;
    if (reset) {
        pictprev.setVisible(false);
        preview.setEnabled(false);
        Text1.setText(attempt.text());
        star = u"";
        pageFormat = {};
        disk.stop();
        Form_Load();
        setSaveme(Captions::untitled);
        setCaption(saveme() + Captions::saved);
    }
    program.window<PageProps>().firsttime.setText(u"True");
    closeBookmarks(program);
}

void Tolva::askAboutDisk() {
    if (!active() || pageSaving || diskAsking || saveme() == Captions::untitled) return;
    DiskWatch::Disk now = disk.take();
    if (now == DiskWatch::Disk::Same) return;
    SaveGuard asking(diskAsking);
    String path = saveme();
    if (now == DiskWatch::Disk::Missing) {
        int r = runtime().msgBox(u"The file " + path +
                                     u" no longer exists. Keep the page open to save it again?",
                                 forms::vbYesNo + forms::vbQuestion);
        if (r == forms::vbYes) {
            disk.accept();
            markModified();
        } else {
            // The page stays as it is; the timer must not save back what was removed.
            disk.refused();
        }
    } else if (star == u"*") {
        int r = runtime().msgBox(u"The file " + path +
                                     u" was changed by another program. Reload it and lose the "
                                     u"changes made here?",
                                 Messages::yesNoSafe);
        reloadOrKeep(*this, r == forms::vbYes);
    } else {
        int r =
            runtime().msgBox(u"The file " + path + u" was changed by another program. Reload it?",
                             forms::vbYesNo + forms::vbQuestion);
        reloadOrKeep(*this, r == forms::vbYes);
    }
}
