// The edit menu of the main window: undo and redo over the edit history, duplicate, copy and
// paste of beams, and the unit options, which change every beam's meaning and so are steps.
#include <algorithm>
#include <utility>

#include "editor/MainController.h"
#include "lib/Numbers.h"
#include "lib/Text.h"

namespace zel {

namespace {

constexpr const char* kCrCr = "\r\r";

}  // namespace

bool MainController::RefuseFullList() {
    if (project_.BeamCount() < kMaxBeams) return false;
    user_.ShowMessage(
        "これ以上、梁を追加できません。(最大 " + FormatNumber(kMaxBeams, "#0") + " 本)", kButtonsOk,
        kMessageTitle);
    return true;
}

// ----- The history -----

EditState MainController::CaptureState() const {
    return EditState{project_, position_, area_};
}

void MainController::StartHistory() {
    history_.Start(CaptureState());
}

void MainController::RecordStep(const std::string& name) {
    // A command that left the project as it was (a move between equal beams, a commit of
    // the stored values) is no step; edits it keeps in the area still are.
    if (!PendingEdits() && !history_.Empty() && project_ == history_.Current().project)
        AmendStep();
    else
        history_.Record(name, CaptureState());
    SyncFileModified();
}

void MainController::AmendStep(bool withProject) {
    // Typed edits are not the current state's: they stay the first thing undo takes back.
    if (PendingEdits()) return;
    EditState state = CaptureState();
    // A commit without edits may still tidy the record (grade values from the table, a
    // cantilever's one section); that is no change of the user's and no step.
    if (!withProject) state.project = history_.Current().project;
    history_.Amend(std::move(state));
}

bool MainController::PendingEdits() const {
    return area_.memberModified && !history_.Empty() &&
           area_.EditCount() != history_.Current().area.EditCount();
}

void MainController::SyncFileModified() {
    area_.fileModified = !history_.AtSavedPoint() || PendingEdits();
}

void MainController::RestoreState(const EditState& state) {
    // The message options are the user's, not the project's.
    const bool noChangeMessages = area_.suppressChangeMessages;
    const bool noPreviewMessage = area_.suppressPreviewCloseMessage;
    project_ = state.project;
    position_ = state.position;
    area_ = state.area;
    area_.suppressChangeMessages = noChangeMessages;
    area_.suppressPreviewCloseMessage = noPreviewMessage;
    SetUnitFactor(units_, area_.InputIsSI());
    SyncFileModified();
    RefillBeamList();
    RefreshView();
}

bool MainController::CanUndo() const {
    return PendingEdits() || history_.CanUndo();
}

bool MainController::CanRedo() const {
    // Typing is a new change: what was undone before it can no longer come back over it.
    return !PendingEdits() && history_.CanRedo();
}

std::string MainController::UndoName() const {
    if (PendingEdits()) return "入力中の変更 " + StoredName();
    return history_.UndoName();
}

std::string MainController::RedoName() const {
    return CanRedo() ? history_.RedoName() : std::string();
}

bool MainController::Undo() {
    if (PendingEdits()) {
        // The typed edits become a step of their own that redo brings back; the area shows
        // the stored beam again (or, without one, what the current state showed).
        EditState edited = CaptureState();
        const std::string name = UndoName();
        if (position_ >= 1 && position_ <= project_.BeamCount()) {
            ShowSlot(position_);
        } else {
            const bool noChangeMessages = area_.suppressChangeMessages;
            const bool noPreviewMessage = area_.suppressPreviewCloseMessage;
            area_ = history_.Current().area;
            area_.suppressChangeMessages = noChangeMessages;
            area_.suppressPreviewCloseMessage = noPreviewMessage;
        }
        area_.memberModified = false;
        AmendStep();
        history_.RecordForRedo(name, std::move(edited));
        SyncFileModified();
        RefreshView();
        return true;
    }
    if (!history_.CanUndo()) {
        user_.Beep();
        return false;
    }
    RestoreState(history_.Undo());
    return true;
}

bool MainController::Redo() {
    if (!CanRedo()) {
        user_.Beep();
        return false;
    }
    RestoreState(history_.Redo());
    return true;
}

// ----- Units -----

void MainController::SelectInputUnits(int index) {
    if ((index == 1) == area_.InputIsSI()) return;
    area_.SelectInputUnits(index);
    SetUnitFactor(units_, area_.InputIsSI());
    project_.settings.unitCode = static_cast<std::int16_t>(area_.UnitCode());
    RecordStep(std::string("入力単位 ") + (area_.InputIsSI() ? "ＳＩ" : "従来"));
    RefreshView();
}

void MainController::SelectOutputUnits(int index) {
    if ((index == 1) == area_.OutputIsSI()) return;
    area_.SelectOutputUnits(index);
    project_.settings.unitCode = static_cast<std::int16_t>(area_.UnitCode());
    RecordStep(std::string("出力単位 ") + (area_.OutputIsSI() ? "ＳＩ" : "従来"));
    RefreshView();
}

// ----- Copy, paste, duplicate -----

bool MainController::CommitPendingEdits() {
    const int count = project_.BeamCount();
    if (position_ < 1 || position_ > count) return true;  // nothing stored to commit into
    if (ValidateInputArea() >= kInputBlockingFrom) return false;
    if (!area_.memberModified) return true;
    if (!area_.suppressChangeMessages) {
        const std::string text = "[ " + project_.Beam(position_).memberName + " ] (Data No." +
                                 FormatNumber(position_, "#0") + ") は、変更されています。" +
                                 kCrCr + "変更を有効にしますか？";
        if (user_.ShowMessage(text, kButtonsYesNo, kMessageTitle) != kAnswerYes) {
            ShowSlot(position_);  // the edits are dropped, as selecting another beam does
            area_.memberModified = false;
            SyncFileModified();
            return true;
        }
    }
    Commit(position_);
    RecordStep("変更 " + project_.Beam(position_).memberName);
    return true;
}

bool MainController::InsertBeam(const BeamRecord& beam, const std::string& stepName) {
    if (RefuseFullList() || !CommitPendingEdits()) return false;
    // Edits with no stored beam to go into (a beam typed but not added) stay a step of their
    // own, so that undoing the insertion brings them back.
    if (PendingEdits()) RecordStep(std::string(TrimSpaces(UndoName())));
    const int count = project_.BeamCount();
    const int slot = count == 0 ? 1 : std::clamp(position_, 1, count) + 1;
    for (int s = count; s >= slot; --s) {
        project_.Beam(s + 1) = project_.Beam(s);
        project_.placement[static_cast<std::size_t>(s)] =
            project_.placement[static_cast<std::size_t>(s - 1)];
    }
    project_.Beam(slot) = beam;
    project_.placement[static_cast<std::size_t>(slot - 1)] = PlacementFlags{};
    project_.settings.beamCount = static_cast<std::int16_t>(count + 1);
    position_ = slot;
    ShowSlot(slot);
    area_.memberModified = false;
    RefillBeamList();
    RecordStep(stepName + " " + beam.memberName);
    RefreshView();
    return true;
}

bool MainController::DuplicateBeam() {
    const int count = project_.BeamCount();
    if (position_ < 1 || position_ > count) {
        user_.Beep();
        return false;
    }
    // The copy is of the beam as the input area shows it, once that is committed.
    if (RefuseFullList() || !CommitPendingEdits()) return false;
    const BeamRecord copy = project_.Beam(position_);
    if (!InsertBeam(copy, "梁の複写")) return false;
    // Ready for the new beam's name.
    area_.MutableView().focusRequest = Field::MemberName;
    RefreshView();
    return true;
}

std::optional<BeamClip> MainController::CopyBeam() const {
    if (position_ < 1 || position_ > project_.BeamCount()) return std::nullopt;
    return MakeBeamClip(project_.Beam(position_), project_.settings.unitCode);
}

bool MainController::PasteBeam(const std::string& json) {
    const PastedBeam pasted = ReadBeamClip(json, area_.InputIsSI());
    if (!pasted.beam) {
        user_.ShowMessage(pasted.message, kButtonsOk, kMessageTitle);
        return false;
    }
    return InsertBeam(*pasted.beam, "貼り付け");
}

}  // namespace zel
