// Binds model controls to Qt widgets of the same name: copies model changes into the
// widget and turns user input into model events. Widgets keep no state of their own.
#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QRadioButton;
class QWidget;

namespace tolva::qt {

QString toQt(forms::StringView s);
forms::String fromQt(const QString& s);
// A text that is only read, never edited back (a title, a message): half characters, such
// as the bytes of a file name that is not UTF-8, show as the replacement character.
QString toShown(forms::StringView s);
QString toShown(QString s);

// One binder per view. Does not own the controls or the widgets; it must be destroyed
// before the widgets (views own their binder). Its listenings end with it, and leave
// those of other views alone.
class Binder : public QObject {
    Q_OBJECT
public:
    explicit Binder(forms::Runtime& runtime, QObject* parent = nullptr);
    ~Binder() override;

    forms::Runtime& runtime() const { return runtime_; }
    // Runs a model handler as a platform event (errors stop it; queued keys follow).
    void invoke(const std::function<void()>& f);

    void button(forms::Button& c, QAbstractButton* w);
    void label(forms::Label& c, QLabel* w);
    void lineEdit(forms::TextBox& c, QLineEdit* w);      // one-line text box
    void textEdit(forms::TextBox& c, QPlainTextEdit* w); // small multi-line box (not the buffer)
    void combo(forms::ComboBox& c, QComboBox* w);
    void list(forms::ListBox& c, QListWidget* w);
    void check(forms::CheckBox& c, QCheckBox* w);
    void option(forms::OptionButton& c, QRadioButton* w);
    void frame(forms::Frame& c, QGroupBox* w);
    // A status line that wraps, so that the longest sentence is shown whole; it keeps room
    // for two lines, so that the window does not jump as the sentences change.
    QLabel* statusLine(forms::StatusBar& c, QWidget* parent);
    void progress(forms::ProgressBar& c, QProgressBar* w);
    // An up-down shown as a pair of arrow buttons beside its box; the box holds the number.
    void upDown(forms::UpDown& c, QAbstractButton* up, QAbstractButton* down);
    // A box's background and text colours. The two system colours of the contrast swap
    // follow the desktop's palette: window background is its base, window frame its text.
    void colors(forms::TextBox& c, QWidget* w);
    // Enabled, visible, tooltip, focus and mouse-move for any control and widget.
    void common(forms::Control& c, QWidget* w);
    // A listening the caller set up itself: it ends with the binder.
    void keep(forms::Subscription s) { subs_.push_back(std::move(s)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    forms::Runtime& runtime_;
    struct Bound {
        forms::Control* control;
        QWidget* widget;
    };
    std::vector<Bound> bound_;
    std::vector<forms::Subscription> subs_;
    bool pushing_ = false; // true while copying model values into widgets
};

} // namespace tolva::qt
