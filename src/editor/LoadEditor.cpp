// The load editor of the input area: the type pages, the load list and its buttons.
#include <algorithm>

#include "data/BeamRecord.h"
#include "editor/InputArea.h"
#include "editor/LoadLine.h"
#include "lib/Numbers.h"
#include "lib/Rounding.h"

namespace zel {

namespace {

bool HasFullSpan(int loadType) {
    return loadType != 1 && loadType != 5;
}

}  // namespace

void InputArea::SelectLoadType(int optionIndex) {
    if (optionIndex < 0 || optionIndex >= kLoadTypeCount) return;
    const std::array<std::string, 6>& previous = Page(currentLoadType_);
    for (int i = 0; i <= LastLoadField(currentLoadType_); ++i) carryOver_[i] = previous[i];
    currentLoadType_ = optionIndex + 1;
    std::array<std::string, 6>& page = Page(currentLoadType_);
    page.fill(std::string());
    ShowLoadPicture();
    SetUnitCaptions();
    for (int i = 0; i <= LastLoadField(currentLoadType_); ++i) page[i] = carryOver_[i];
    view_.fullSpanButton.visible = HasFullSpan(currentLoadType_);
}

void InputArea::ShowLoadPicture() {
    view_.loadPicture = LoadPictureFile(currentLoadType_, supportType_);
}

void InputArea::SetLoadCounter(int position) {
    view_.loadCounter.caption =
        std::to_string(position + 1) + "/" + std::to_string(loadLines_.size());
}

void InputArea::SelectLoad(int position) {
    if (position < 0 || position >= static_cast<int>(loadLines_.size())) return;
    selectedLoad_ = position;
    SetLoadCounter(position);
    highlightedLoad_ = position;
    if (diagram_) {
        diagram_ = DrawBeamWithLoads(diagram_->span, diagram_->supportType, loadLines_, position);
    }
    LoadLineToFields(loadLines_[position]);
    view_.changeLoadButton.enabled = true;
    view_.deleteLoadButton.enabled = true;
    SetEditButtons(0);
}

void InputArea::LoadLineToFields(const std::string& line) {
    const LoadLineValues load = ParseLoadLine(line);
    if (load.type < 1 || load.type > kLoadTypeCount) return;
    SelectLoadType(load.type - 1);
    std::array<std::string, 6>& page = Page(currentLoadType_);
    page[0] = FormatGeneral(ToSingle(load.value));
    const int lengths = LengthCountOf(load.type);
    for (int i = 0; i < lengths; ++i) page[i + 1] = FormatGeneral(ToSingle(load.lengths[i]));
    if (load.type != 1) page[lengths + 1] = FormatGeneral(ToSingle(load.height));
}

void InputArea::SetEditButtons(int mode) {
    const bool editing = mode == 0;
    if (editing) {
        const bool any = !loadLines_.empty();
        view_.changeLoadButton.enabled = any;
        view_.deleteLoadButton.enabled = any;
    } else {
        view_.changeLoadButton.enabled = false;
        view_.deleteLoadButton.enabled = false;
    }
    for (ControlView* command : {&view_.calcSheetButton, &view_.changeMemberButton,
                                 &view_.checkButton, &view_.calcSheetMenu, &view_.checkMenu}) {
        command->enabled = !editing;
    }
    view_.editHint.enabled = editing;
}

void InputArea::ClearLoadFields() {
    std::array<std::string, 6>& page = Page(currentLoadType_);
    for (int i = 0; i <= LastLoadField(currentLoadType_); ++i) page[i].clear();
}

int InputArea::CheckInput() const {
    InputCheckTexts texts;
    texts.span = Text(Field::Span);
    texts.sectionCount = sectionOption_ + 1;
    for (int c = 0; c < 3; ++c) {
        texts.breadth[c] = Text(BreadthField(c));
        texts.depth[c] = Text(DepthField(c));
        texts.cover[c] = Text(CoverField(c));
    }
    texts.loadType = currentLoadType_;
    texts.loadFields = pageTexts_[currentLoadType_ - 1];
    return zel::CheckInput(texts);
}

void InputArea::ShowInputError(int code) {
    const std::string message = InputErrorMessage(code);
    if (!message.empty()) prompter_->ShowMessage(message, kButtonsOk, kMessageTitle);
}

std::string InputArea::BuildLoadLine() const {
    return zel::BuildLoadLine(currentLoadType_, pageTexts_[currentLoadType_ - 1]);
}

void InputArea::AddLoad() {
    if (static_cast<int>(loadLines_.size()) >= kMaxLoads) {
        prompter_->ShowMessage(
            "これ以上荷重データ数を増やすことはできません。\r   (最大荷重データ数 " +
                std::to_string(kMaxLoads) + ")",
            kButtonsOk, kMessageTitle);
        return;
    }
    const int code = CheckInput();
    if (code != kInputOk) {
        ShowInputError(code);
        return;
    }
    view_.focusRequest = Field::Load0;
    CountEdit();
    loadLines_.push_back(BuildLoadLine());
    shownLoads_.resize(loadLines_.size());
    RedrawDiagram();
    SelectLoad(static_cast<int>(loadLines_.size()) - 1);
    DrawAllNormal();
    ClearLoadFields();
    SetEditButtons(1);
}

void InputArea::ChangeLoad() {
    if (selectedLoad_ < 0 || selectedLoad_ >= static_cast<int>(loadLines_.size())) return;
    const int code = CheckInput();
    if (code != kInputOk) {
        ShowInputError(code);
        return;
    }
    view_.focusRequest = Field::Load0;
    if (!suppressChangeMessages) {
        const std::string question = "荷重データ No." + std::to_string(selectedLoad_ + 1) +
                                     "  を変更します。\r\r[ " + loadLines_[selectedLoad_] + " ]";
        if (prompter_->ShowMessage(question, kButtonsOkCancel, kMessageTitle) != kAnswerOk) return;
    }
    CountEdit();
    loadLines_[selectedLoad_] = BuildLoadLine();
    RedrawDiagram();
    DrawAllNormal();
    ClearLoadFields();
    SetEditButtons(1);
}

void InputArea::CancelClearLoad() {
    ClearLoadFields();
    selectedLoad_ = -1;
    DrawAllNormal();
    carryOver_.fill(std::string());
    SetEditButtons(1);
}

void InputArea::DeleteLoad() {
    const int i = selectedLoad_;
    if (i < 0 || i >= static_cast<int>(loadLines_.size())) return;
    // Asked even when change messages are suppressed: a deletion cannot be undone.
    const std::string question =
        "荷重データ (No." + std::to_string(i + 1) + ") を削除します。\r\r[ " + loadLines_[i] + " ]";
    if (prompter_->ShowMessage(question, kButtonsOkCancel, kMessageTitle) != kAnswerOk) return;
    CountEdit();
    loadLines_.erase(loadLines_.begin() + i);
    // The lines below move up with the stored loads they were shown from.
    if (i < static_cast<int>(shownLoads_.size())) shownLoads_.erase(shownLoads_.begin() + i);
    selectedLoad_ = -1;
    if (loadLines_.empty()) {
        view_.loadCounter.caption.clear();
    } else if (i < static_cast<int>(loadLines_.size())) {
        SelectLoad(i);
    }
    ClearLoadFields();
    RedrawDiagram();
    DrawAllNormal();
    SetEditButtons(1);
}

void InputArea::FullSpan() {
    if (!HasFullSpan(currentLoadType_)) return;
    const double span = SpanValue();
    if (!(span > 0)) {
        prompter_->ShowMessage("スパン長を入力してください。", kButtonsOk, kMessageTitle);
        return;
    }
    std::array<std::string, 6>& page = Page(currentLoadType_);
    const double length = LeadingValue(page[2]);
    if (length > 0 && length != span) {
        if (prompter_->ShowMessage("長さデータをスパン長に変更し、全スパン荷重にします。",
                                  kButtonsOkCancel, kMessageTitle) != kAnswerOk) {
            return;
        }
    }
    page[1].clear();
    page[2] = Text(Field::Span);
}

void InputArea::LoadListToRecord(BeamRecord& record) const {
    const int count = std::min<int>(static_cast<int>(loadLines_.size()), kMaxLoads);
    record.loadCount = static_cast<std::int16_t>(count);
    for (int k = 0; k < count; ++k) {
        // A line that still reads as it was shown is the stored load: its text is rounded, and
        // it shows neither NaN nor the lengths its type does not use.
        if (k < static_cast<int>(shownLoads_.size()) && shownLoads_[k] &&
            shownLoads_[k]->line == loadLines_[k]) {
            const ShownLoad& shown = *shownLoads_[k];
            record.loadType[k] = shown.type;
            record.loadValue[k] = shown.value;
            record.loadHeight[k] = shown.height;
            record.loadLengths[k] = shown.lengths;
            continue;
        }
        const LoadLineValues load = ParseLoadLine(loadLines_[k]);
        record.loadType[k] = RoundToInt16(load.type);
        record.loadValue[k] = ToSingle(load.value / 1000);
        record.loadHeight[k] = ToSingle(load.height);
        for (int i = 0; i < 4; ++i) record.loadLengths[k][i] = ToSingle(load.lengths[i]);
    }
}

void InputArea::RecordToLoadList(const BeamRecord& record) {
    // A damaged file may hold any count; the list never holds more than the record can.
    const int count = std::clamp<int>(record.loadCount, 0, kMaxLoads);
    if (count == 0) return;
    loadLines_.resize(std::max<size_t>(loadLines_.size(), count));
    shownLoads_.resize(loadLines_.size());
    for (int k = 0; k < count; ++k) {
        loadLines_[k] = RecordLoadLine(record, k + 1);
        shownLoads_[k] = ShownLoad{loadLines_[k], record.loadType[k], record.loadValue[k],
                                   record.loadHeight[k], record.loadLengths[k]};
    }
    const int lastType = record.loadType[count - 1];
    if (lastType >= 1 && lastType <= kLoadTypeCount) {
        currentLoadType_ = lastType;
        SelectLoadType(lastType - 1);
    }
}

std::optional<int> InputArea::FindLoadBeyondSpan() const {
    return zel::FindLoadBeyondSpan(loadLines_, SpanValue());
}

}  // namespace zel
