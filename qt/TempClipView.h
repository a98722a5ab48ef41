// View of the master temporary clipboard window: snippet list, editable preview, buttons
// and the status bar that serves as its help line.
#pragma once

#include "qt/FormView.h"

class QListWidget;
class TempClip;

namespace tolva::qt {

class TempClipView : public FormView {
public:
    explicit TempClipView(TempClip& window);

protected:
    // Text dropped on the list (dragged from the preview) becomes a snippet.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TempClip& window_;
    QListWidget* list_ = nullptr;
};

} // namespace tolva::qt
