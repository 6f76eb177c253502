#pragma once
// The main window's undo and redo: whole snapshots of the project, the current beam and the
// input area, one per step. A snapshot is about 90 KB, so keeping them whole is simpler and
// surer than recording each command's inverse.
#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "data/Project.h"
#include "editor/InputArea.h"

namespace zel {

// What a step restores: the project, the current beam (its 1-based slot, which is also the
// selected line) and the input area as it showed the beam.
struct EditState {
    Project project;
    int position = 1;
    InputArea area;
};

class EditHistory {
  public:
    // Steps kept for undo; the oldest go first.
    static constexpr std::size_t kMaxSteps = 100;

    // A new history whose only state is `state`, the saved point.
    void Start(EditState state);
    // `state` follows the current state as step `name`; the steps that could be redone go.
    void Record(std::string name, EditState state);
    // `state` becomes a step after the current one that only redo reaches (the current state
    // stays); the steps that could be redone go.
    void RecordForRedo(std::string name, EditState state);
    // Replaces the current state without a step (a change of selection, computed results).
    void Amend(EditState state);

    bool CanUndo() const { return cursor_ > 0; }
    bool CanRedo() const { return cursor_ + 1 < steps_.size(); }
    // The name of the step undo or redo would take ("" when there is none).
    std::string UndoName() const;
    std::string RedoName() const;
    // Moves one step and returns the state now current. Only when CanUndo / CanRedo.
    const EditState& Undo();
    const EditState& Redo();

    const EditState& Current() const { return steps_.at(cursor_).state; }
    bool Empty() const { return steps_.empty(); }
    std::size_t UndoCount() const { return cursor_; }
    std::size_t RedoCount() const { return steps_.empty() ? 0 : steps_.size() - cursor_ - 1; }

    // The current state is what the data file holds.
    void MarkSaved() { saved_ = cursor_; }
    bool AtSavedPoint() const { return saved_ == cursor_; }

  private:
    struct Step {
        std::string name;  // of the step that led to this state ("" for the first)
        EditState state;
    };
    void DropRedo();
    void Append(std::string name, EditState state);

    std::deque<Step> steps_;
    std::size_t cursor_ = 0;
    // No saved point once its state has been dropped or overtaken.
    std::optional<std::size_t> saved_;
};

}  // namespace zel
