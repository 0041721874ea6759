#pragma once
// The structure editor's undo history: whole states of its working list (every object,
// all shown, nothing selected), at most 100, with a position to step back and forth.
#include "app/logic/structure_editor_workspace.h"

#include <list>
#include <string>

namespace pf {

class UndoHistory {
  public:
    static constexpr int kMaxStates = 100;

    // Records the list unless it equals the newest state; a redo tail is dropped either
    // way. The label names the step for a reader of the code and is not kept.
    void Push(std::string label, const NewWorkingObjectList& list);
    // Steps back (forth) and assigns that state to the list; false when there is none.
    bool Undo(NewWorkingObjectList& list);
    bool Redo(NewWorkingObjectList& list);

    // 1-based position of the state shown; 0 when empty.
    int Current() const { return current_; }
    int Count() const { return static_cast<int>(states_.size()); }

  private:
    const NewWorkingObjectList& StateAt(int position) const;

    int current_ = 0;
    // A list, so that no state moves: each selection array's composite points at it.
    std::list<NewWorkingObjectList> states_;
};

} // namespace pf
