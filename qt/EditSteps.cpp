// Bookkeeping of the text widget's own undo steps.
#include "qt/EditSteps.h"

namespace tolva::qt {

void EditSteps::clear() {
    done_.clear();
    undone_.clear();
    held_ = 0;
}

void EditSteps::push(Step s) {
    for (const Step& u : undone_)
        held_ += u.added; // what the widget redid away is kept as well
    undone_.clear();
    held_ += s.removed;
    done_.push_back(s);
}

EditSteps::Retrace EditSteps::match(int32_t pos, int32_t removed, int32_t added) const {
    if (!done_.empty()) {
        const Step& d = done_.back();
        if (d.retraceable && d.pos == pos && d.added == removed && d.removed == added)
            return Retrace::Undo;
    }
    if (!undone_.empty()) {
        const Step& u = undone_.back();
        if (u.retraceable && u.pos == pos && u.removed == removed && u.added == added)
            return Retrace::Redo;
    }
    return Retrace::No;
}

void EditSteps::undone() {
    undone_.push_back(done_.back());
    done_.pop_back();
}

void EditSteps::redone() {
    done_.push_back(undone_.back());
    undone_.pop_back();
}

} // namespace tolva::qt
