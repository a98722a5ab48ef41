// The main window's groups of tag buttons, laid out around the document buffer.
#pragma once

class QWidget;
class Tolva;

namespace tolva::qt {
class Binder;

// Builds the button groups of the main window into a new widget; the caller places it.
QWidget* buildButtonPanel(Tolva& window, Binder& binder, QWidget* parent);
} // namespace tolva::qt
