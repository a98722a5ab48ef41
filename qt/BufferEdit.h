// The document buffer's editor widget. It mirrors the model text box and never edits
// itself: keys, paste, drops, input-method commits, undo and redo become model edits,
// and every model edit comes back as a minimal replacement.
#pragma once

#include "forms/TextBox.h"

#include <QKeySequence>
#include <QPlainTextEdit>

#include <vector>

namespace tolva::qt {

class Binder;

class BufferEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    // Does not own the text box, which outlives the widget.
    BufferEdit(forms::TextBox& box, Binder& binder, QWidget* parent = nullptr);
    ~BufferEdit() override;

    // Keys that belong to menu actions: the widget lets them through instead of using them.
    void yieldShortcuts(std::vector<QKeySequence> keys) { yielded_ = std::move(keys); }
    // The model text box this widget mirrors.
    forms::TextBox& box() const { return box_; }

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;
    void dropEvent(QDropEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    void applyEdit(const forms::DisplayEdit& e);
    void pushSelection();
    void copySelection();
    void insertUserText(const QString& text);
    void cutSelection();
    bool yields(QKeyEvent* e) const;

    forms::TextBox& box_;
    Binder& binder_;
    forms::Subscription selection_;
    std::vector<QKeySequence> yielded_;
    bool pushing_ = false;
    // Model selection when a drag started from this widget.
    int32_t dragStart_ = -1;
    int32_t dragLength_ = 0;
};

// Line breaks arriving from outside (clipboard, drops) become CR LF.
forms::String withCrLf(const QString& text);

} // namespace tolva::qt
