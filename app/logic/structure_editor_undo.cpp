#include "app/logic/structure_editor_undo.h"

#include <iterator>

namespace pf {

void UndoHistory::Push(std::string /*label*/, const NewWorkingObjectList& list) {
    while (Count() > current_) {
        states_.pop_back();
    }
    if (!states_.empty() && states_.back() == list) {
        return;
    }
    states_.emplace_back(list);
    ++current_;
    if (Count() > kMaxStates) {
        states_.pop_front();
        --current_;
    }
}

bool UndoHistory::Undo(NewWorkingObjectList& list) {
    if (Count() < 2 || current_ < 2) {
        return false;
    }
    --current_;
    list.AssignFrom(StateAt(current_).Objects());
    return true;
}

bool UndoHistory::Redo(NewWorkingObjectList& list) {
    if (current_ + 1 > Count()) {
        return false;
    }
    ++current_;
    list.AssignFrom(StateAt(current_).Objects());
    return true;
}

const NewWorkingObjectList& UndoHistory::StateAt(int position) const {
    return *std::next(states_.begin(), position - 1);
}

} // namespace pf
