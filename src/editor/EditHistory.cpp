#include "editor/EditHistory.h"

#include <utility>

namespace zel {

void EditHistory::Start(EditState state) {
    steps_.clear();
    steps_.push_back(Step{std::string(), std::move(state)});
    cursor_ = 0;
    saved_ = 0;
}

void EditHistory::DropRedo() {
    while (steps_.size() > cursor_ + 1) steps_.pop_back();
    if (saved_ && *saved_ > cursor_) saved_.reset();
}

void EditHistory::Append(std::string name, EditState state) {
    steps_.push_back(Step{std::move(name), std::move(state)});
    while (steps_.size() > kMaxSteps + 1) {
        steps_.pop_front();
        --cursor_;
        if (saved_) saved_ = *saved_ == 0 ? std::optional<std::size_t>() : *saved_ - 1;
    }
}

void EditHistory::Record(std::string name, EditState state) {
    if (steps_.empty()) {
        Start(std::move(state));
        saved_.reset();
        return;
    }
    DropRedo();
    Append(std::move(name), std::move(state));
    cursor_ = steps_.size() - 1;
}

void EditHistory::RecordForRedo(std::string name, EditState state) {
    if (steps_.empty()) return;
    DropRedo();
    Append(std::move(name), std::move(state));
}

void EditHistory::Amend(EditState state) {
    if (steps_.empty()) {
        Start(std::move(state));
        return;
    }
    steps_[cursor_].state = std::move(state);
}

std::string EditHistory::UndoName() const {
    return CanUndo() ? steps_[cursor_].name : std::string();
}

std::string EditHistory::RedoName() const {
    return CanRedo() ? steps_[cursor_ + 1].name : std::string();
}

const EditState& EditHistory::Undo() {
    if (CanUndo()) --cursor_;
    return Current();
}

const EditState& EditHistory::Redo() {
    if (CanRedo()) ++cursor_;
    return Current();
}

}  // namespace zel
