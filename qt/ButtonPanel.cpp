// The main window's groups of tag buttons.
#include "qt/ButtonPanel.h"

#include <QWidget>

namespace tolva::qt {
QWidget* buildButtonPanel(Tolva&, Binder&, QWidget* parent) {
    return new QWidget(parent);
}
} // namespace tolva::qt
