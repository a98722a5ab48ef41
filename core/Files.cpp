// Page files from the main window: new, open, save and save as, and the questions about
// a file another program changed.
#include "core/Tolva.h"
#include "dialogs/Bookeeper.h"
#include "dialogs/PageProps.h"
#include "forms/Runtime.h"
#include "page/Texts.h"

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

// Whether the save may write over the page's file, as another program may have left it.
bool mayOverwrite(Tolva& w, bool automatic) {
    DiskWatch& disk = w.page.disk;
    DiskWatch::Disk now = disk.check(w.page.saveme());
    if (now == DiskWatch::Disk::Same) return true;
    // Nothing on disk to lose when the file is gone, but the timer does not bring back a
    // file someone removed: the user decides that.
    if (automatic) {
        disk.postponed();
        return false;
    }
    if (now == DiskWatch::Disk::Missing) return true;
    int r = w.runtime().msgBox(u"The file " + w.page.saveme() +
                                   u" was changed by another program since it was opened. "
                                   u"Overwrite it?",
                               Messages::yesNoSafe);
    if (r == forms::vbYes) return true;
    disk.kept();
    w.markModified();
    return false;
}

// The answer to a change made by another program.
void reloadOrKeep(Tolva& w, bool reload) {
    if (reload) {
        if (w.openPage(w.page.saveme())) return;
        // A file that cannot be read is not written over without a question either.
        w.page.disk.refused();
    } else {
        w.page.disk.accept();
    }
    w.markModified();
}

// Save as, for both commands that reach it.
void saveAs(Tolva& w) {
    w.CommonDialog1.DefaultExt = u"html";
    if (!w.CommonDialog1.showSave()) return;
    String path = w.CommonDialog1.FileName;
    if (!w.page.write(path)) return;
    w.page.setSaveme(path);
    w.pictprev.setVisible(true);
    w.preview.setEnabled(true);
    w.setCaption(w.page.saveme() + Captions::saved);
    w.page.star = u"";
    w.Text1.setFocus();
}

} // namespace

void Tolva::open_Click() {
    if (page.star == u"*") {
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
    if (!page.read(path)) return false;
    setCaption(path + u"[" + page.star + u"]  - TevPad");
    page.setSaveme(path);
    preview.setEnabled(true);
    pictprev.setVisible(true);
    return true;
}

void Tolva::save_Click() {
    savePage(false);
}

void Tolva::savePage(bool automatic) {
    // A tick of the autosave timer while a save's dialog is on screen would stack another.
    SaveGuard guard(page.pageSaving);
    if (!guard.first()) return;
    if (page.saveme() == Captions::untitled) {
        saveAs(*this);
        return;
    }
    if (!mayOverwrite(*this, automatic)) return;
    if (!page.write(page.saveme())) return;
    page.star = u"";
    setCaption(statusCaption());
}

void Tolva::saveas_Click() {
    SaveGuard guard(page.pageSaving);
    if (guard.first()) saveAs(*this);
}

void Tolva::new_Click() {
    bool reset = page.star != u"*" ||
                 runtime().msgBox(u"File not saved. Proceed?", Messages::yesNoSafe,
                                  u"Assistant: Tolva - Reminder to save") == forms::vbYes;
    if (reset) {
        pictprev.setVisible(false);
        preview.setEnabled(false);
        page.blank();
        Form_Load();
        page.setSaveme(Captions::untitled);
        setCaption(page.saveme() + Captions::saved);
    }
    page.window<PageProps>().firsttime.setText(u"True");
    // New closes the bookmark list whatever the answer.
    if (auto* b = page.loaded<Bookeeper>()) b->unload();
}

void Tolva::askAboutDisk() {
    if (!active() || page.pageSaving || page.diskAsking || page.saveme() == Captions::untitled)
        return;
    DiskWatch& disk = page.disk;
    DiskWatch::Disk now = disk.take();
    if (now == DiskWatch::Disk::Same) return;
    SaveGuard asking(page.diskAsking);
    String path = page.saveme();
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
    } else if (page.star == u"*") {
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
