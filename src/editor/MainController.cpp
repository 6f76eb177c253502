#include "editor/MainController.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "calc/CalculateBeam.h"
#include "calc/SectionSuggestion.h"
#include "data/DefaultsFile.h"
#include "data/ZelFile.h"
#include "editor/ConfirmDialogRules.h"
#include "editor/InputField.h"
#include "editor/SectionListExport.h"
#include "lib/Numbers.h"
#include "lib/Paths.h"
#include "lib/Text.h"
#include "lib/Version.h"
#include "output/SectionWhyTexts.h"

namespace zel {

namespace {

constexpr const char* kCrCr = "\r\r";

std::string No(int position) {
    return FormatNumber(position, "#0");
}

// Sets a flag for a scope and puts the former value back.
class FlagScope {
  public:
    FlagScope(bool& flag, bool value) : flag_(flag), old_(flag) { flag_ = value; }
    ~FlagScope() { flag_ = old_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

  private:
    bool& flag_;
    bool old_;
};

}  // namespace

MainController::MainController(Prompter& user, MainWindowUi& window)
    : user_(user), window_(window), area_(user) {}

std::string MainController::SettingsPath() const {
    return files_.ConfigFile(kSettingsFileName);
}

std::string MainController::DefaultsPath() const {
    return files_.ConfigFile(kDefaultsFileName);
}

bool MainController::IsNewData() const {
    return std::string(TrimSpaces(settings_.currentFile)) == kNewDataName;
}

std::string MainController::Caption() const {
    return std::string(kProgramTitle) + "   " +
           (IsNewData() ? std::string(kNewDataName) : FileNameOf(settings_.currentFile));
}

// ----- Start-up -----

void MainController::StartUp(const std::string& programFolder) {
    // The program never changes the process's current folder: every file is looked up by its
    // full path.
    files_ = LocateProgramFiles(programFolder);

    settings_ = SettingsFile{};
    ReadSettingsFile(SettingsPath(), settings_);
    // The last file is remembered but not reopened.
    settings_.currentFile = kNewDataName;

    defaults_ = BuiltInDefaults();
    if (ReadDefaultsFile(DefaultsPath(), defaults_) == DefaultsReadStatus::Missing) {
        // Created at once so that the next start finds it; rewritten in full at exit.
        WriteDefaultsFile(DefaultsPath(), defaults_);
    }

    project_ = MakeEmptyProject();
    position_ = 1;

    const GradeTableReadResult grades = ReadGradeTable(files_.SupportFile(kGradeTableFileName));
    grades_ = grades.table;
    if (!grades.ok) user_.ShowMessage(grades.error, kButtonsOk, kMessageTitle);

    {
        FlagScope filling(area_.fillingForm, true);
        area_.ApplyDefaults(defaults_, project_.settings, project_.font);
    }
    area_.memberModified = false;
    area_.fileModified = false;
    SetUnitFactor(units_, area_.InputIsSI());
    StartHistory();
    RefreshView();
}

// ----- View -----

void MainController::RefillBeamList() {
    view_.beamList.clear();
    for (int slot = 1; slot <= project_.BeamCount(); ++slot)
        view_.beamList.push_back(project_.Beam(slot).memberName);
}

void MainController::RefreshView() {
    const int count = project_.BeamCount();
    if (static_cast<int>(view_.beamList.size()) != count) RefillBeamList();
    view_.caption = Caption();
    view_.positionLabel = count > 0 ? No(position_) + "/" + No(count) : std::string();
    view_.selectedLine = count > 0 ? position_ - 1 : -1;
    view_.beamCommandsEnabled = count > 0;
    view_.history = settings_.history;
    view_.historySeparatorVisible = !settings_.history.empty();
    window_.MainWindowChanged(view_);
    view_.focusBeamList = false;
}

std::string MainController::StoredName() const {
    // Without a beam at the position there is no stored name, only an old slot's remains.
    return position_ >= 1 && position_ <= project_.BeamCount() ? project_.Beam(position_).memberName
                                                               : std::string();
}

void MainController::ShowSlot(int slot) {
    FlagScope filling(area_.fillingForm, true);
    area_.ShowBeam(project_.Beam(slot));
}

void MainController::Commit(int slot) {
    BeamRecord& record = project_.Beam(slot);
    area_.GatherInto(record, grades_, project_.BeamCount());
    area_.LoadListToRecord(record);
    project_.settings.unitCode = static_cast<std::int16_t>(area_.UnitCode());
    area_.memberModified = false;
}

int MainController::ValidateInputArea() {
    const int code = area_.CheckInput();
    if (code >= kInputBlockingFrom) area_.ShowInputError(code);
    return code;
}

// ----- Beam list -----

bool MainController::AddBeam() {
    const int count = project_.BeamCount();
    if (count >= kMaxBeams) {
        user_.ShowMessage("これ以上、梁を追加できません。(最大 " + No(kMaxBeams) + " 本)",
                          kButtonsOk, kMessageTitle);
        return false;
    }
    // The project counts as changed only once the beam is really added, so that a refused
    // add leaves the flags as they were.
    if (ValidateInputArea() >= kInputBlockingFrom) return false;
    if (TrimSpaces(area_.Text(Field::MemberName)).empty() &&
        user_.ShowMessage(std::string("部材名が入力されていません。") + kCrCr +
                              "このまま追加してもよろしいですか？",
                          kButtonsYesNo, kMessageTitle) != kAnswerYes)
        return false;

    const int slot = count + 1;
    project_.settings.beamCount = static_cast<std::int16_t>(slot);
    // A slot above the count may still hold a deleted or loaded beam; the new beam must not
    // inherit its unused section columns or reserved values.
    project_.Beam(slot) = BeamRecord{};
    Commit(slot);
    // The new beam becomes the current one and is shown, so that the input area and the
    // selected line always describe the same slot.
    area_.ClearInputArea();
    position_ = slot;
    view_.beamList.push_back(project_.Beam(slot).memberName);
    ShowSlot(slot);
    area_.memberModified = false;
    area_.fileModified = true;
    view_.focusBeamList = true;
    RecordStep("梁追加 " + project_.Beam(slot).memberName);
    RefreshView();
    return true;
}

bool MainController::AppendBeams(const std::vector<BeamRecord>& beams) {
    const int count = project_.BeamCount();
    if (count + static_cast<int>(beams.size()) > kMaxBeams) {
        user_.ShowMessage("これ以上、梁を追加できません。(最大 " + No(kMaxBeams) + " 本)",
                          kButtonsOk, kMessageTitle);
        return false;
    }
    if (beams.empty()) return false;
    int slot = count;
    for (const BeamRecord& beam : beams) {
        ++slot;
        project_.Beam(slot) = beam;
        project_.placement[static_cast<std::size_t>(slot - 1)] = PlacementFlags{};
    }
    project_.settings.beamCount = static_cast<std::int16_t>(slot);
    area_.fileModified = true;
    RefillBeamList();
    // An empty list had nothing shown: the first added beam becomes the current one.
    if (count == 0) {
        position_ = 1;
        ShowSlot(position_);
        area_.memberModified = false;
    }
    RecordStep("CSVから梁を追加 (" + No(static_cast<int>(beams.size())) + "本)");
    RefreshView();
    return true;
}

bool MainController::DeleteBeam() {
    const int count = project_.BeamCount();
    if (count < 1 || position_ < 1 || position_ > count) return false;
    if (user_.ShowMessage("[ " + project_.Beam(position_).memberName + " ] (Data No." +
                              No(position_) + ") を削除します。",
                          kButtonsOkCancel, kMessageTitle) != kAnswerOk)
        return false;

    const std::string deleted = project_.Beam(position_).memberName;
    // The edits of the beam go with it: no second question about them.
    area_.ClearInputArea();
    area_.fileModified = true;
    area_.memberModified = false;

    project_.DeleteSlot(position_);
    RefillBeamList();
    const int remaining = project_.BeamCount();
    if (remaining < position_) position_ = remaining;
    if (remaining == 0) {
        position_ = 1;
    } else {
        ShowSlot(position_);
    }
    RecordStep("梁削除 " + deleted);
    RefreshView();
    return true;
}

bool MainController::ClearInputArea() {
    if (area_.memberModified) {
        const std::string text = "[ " + StoredName() + " ] (Data No." + No(position_) +
                                 ") は、変更されています。" + kCrCr +
                                 "入力を中止して、入力エリアをクリアーします。" + kCrCr +
                                 "(部材データ、荷重データ等この梁の変更内容は、無効になります。)";
        if (user_.ShowMessage(text, kButtonsOkCancel, kMessageTitle) != kAnswerOk) return false;
    }
    area_.ClearInputArea();
    RefreshView();
    return true;
}

bool MainController::MoveBy(int delta) {
    const int count = project_.BeamCount();
    const int target = position_ + delta;
    if (count < 2 || position_ < 1 || position_ > count || target < 1 || target > count)
        return false;
    project_.SwapSlots(position_, target);
    std::swap(view_.beamList[position_ - 1], view_.beamList[target - 1]);
    position_ = target;
    // The order is part of the file: a move must not be lost without a question.
    area_.fileModified = true;
    RecordStep((delta < 0 ? "上げる " : "下げる ") + project_.Beam(target).memberName);
    RefreshView();
    return true;
}

bool MainController::MoveUp() {
    return MoveBy(-1);
}
bool MainController::MoveDown() {
    return MoveBy(+1);
}

bool MainController::SelectBeam(int line) {
    const int count = project_.BeamCount();
    if (line < 0 || line >= count || line + 1 == position_) return false;

    if (ValidateInputArea() >= kInputBlockingFrom) {
        RefreshView();  // the selection goes back to the current line
        return false;
    }
    bool commit = true;
    const int from = position_;
    if (area_.memberModified && !area_.suppressChangeMessages) {
        const std::string text = "[ " + project_.Beam(position_).memberName + " ] (Data No." +
                                 No(position_) + ") は、変更されています。" + kCrCr +
                                 "変更を有効にしますか？";
        const int answer = user_.ShowMessage(text, kButtonsYesNo, kMessageTitle);
        area_.memberModified = false;
        if (answer == kAnswerYes)
            view_.beamList[position_ - 1] = std::string(TrimSpaces(area_.Text(Field::MemberName)));
        else
            commit = false;  // the edits are dropped
    }
    if (commit) Commit(position_);
    position_ = line + 1;
    ShowSlot(position_);
    // Even a commit without typing may change the beam: after a unit switch Fc is read anew.
    if (commit)
        RecordStep("変更 " + project_.Beam(from).memberName);
    else
        AmendStep();
    RefreshView();
    return true;
}

// ----- Member commands -----

bool MainController::RunMemberCommand(MemberCommand command) {
    SetUnitFactor(units_, area_.InputIsSI());
    const int count = project_.BeamCount();
    if (position_ >= 1 && position_ <= count)
        project_.Beam(position_).skipBeam = area_.CalculationFlag(0) ? 1 : 0;

    if (const auto beyond = area_.FindLoadBeyondSpan()) {
        const std::string& line = area_.LoadLines().at(static_cast<std::size_t>(*beyond - 1));
        user_.ShowMessage(std::string("スパン長と荷重長さに矛盾があります。") + kCrCr +
                              "データを修正してください。" + kCrCr + "荷重データ No." +
                              No(*beyond) + "  [ " + line + " ]",
                          kButtonsOk, kMessageTitle);
        return false;
    }
    if (ValidateInputArea() >= kInputBlockingFrom) return false;

    const std::string storedName = StoredName();
    bool added = false;
    const bool writesPages = command == MemberCommand::CalcSheet ||
                             command == MemberCommand::SectionList ||
                             command == MemberCommand::Schedule;
    if (writesPages && !area_.suppressChangeMessages && area_.memberModified) {
        user_.Beep();
        const int answer = user_.ShowConfirm(ConfirmTextFor(storedName, position_));
        if (answer == kConfirmChange) {
            area_.memberModified = false;
        } else if (answer == kConfirmAdd) {
            area_.memberModified = false;
            if (!AddBeam()) {
                // Nothing was added: the edit is still pending and nothing is calculated.
                area_.memberModified = true;
                return false;
            }
            added = true;
        } else {
            return false;
        }
    }
    if (command == MemberCommand::ChangeMember && !area_.suppressChangeMessages &&
        area_.memberModified) {
        if (user_.ShowMessage(
                "[ " + storedName + " ] (Data No." + No(position_) + ") を変更します。",
                kButtonsOkCancel, kMessageTitle) != kAnswerOk)
            return false;
        area_.memberModified = false;
    }

    if (!added) {
        Commit(position_);
        if (position_ <= project_.BeamCount())
            RecordStep("変更 " + StoredName());
        else
            AmendStep();
    }

    if (command == MemberCommand::Check) {
        const CalcResult result = CalculateBeam(project_, position_);
        AmendStep(true);  // the allowable stresses it stored
        window_.OpenCheckView(
            position_,
            BuildCheckViewTexts(project_.Beam(position_), result,
                                project_.placement[static_cast<std::size_t>(position_ - 1)]));
        RefreshView();
        return true;
    }
    if (command == MemberCommand::SectionList) {
        bool written = false;
        if (project_.BeamCount() == 0) {
            user_.Beep();
        } else {
            written = ExportSectionList(
                project_, user_, window_, DialogRequest(kSaveDialogTitle),
                IsNewData() ? std::string(kNewDataName) : FileNameOf(settings_.currentFile));
            AmendStep(true);  // the placement flags its calculation stored
        }
        if (area_.fileModified) RefillBeamList();
        RefreshView();
        return written;
    }
    if (command == MemberCommand::CalcSheet) {
        if (project_.BeamCount() == 0) {
            user_.Beep();
            RefreshView();
            return true;
        }
        window_.CloseCheckView();
        window_.OpenPreview(SheetRequest{project_, PrintSettingsOf(project_),
                                         IsNewData()
                                             ? std::string(kNewDataName)
                                             : std::string(TrimSpaces(settings_.currentFile)),
                                         area_.suppressPreviewCloseMessage});
    }
    if (area_.fileModified) RefillBeamList();
    RefreshView();
    return true;
}

bool MainController::SuggestSection() {
    if (position_ < 1 || position_ > project_.BeamCount()) return false;
    const BeamRecord& today = project_.Beam(position_);
    const SuggestionLimits limits;
    SectionSuggestion suggestion;
    {
        WaitCursor busy(user_);
        suggestion = zel::SuggestSection(project_, position_, limits);
    }
    if (!suggestion.found) {
        user_.ShowMessage("[ " + today.memberName + " ] (" + SectionSizesText(today) +
                              ") より大きい断面で、OKになる断面は見つかりません。" + kCrCr +
                              "(B≤" + FormatGeneral(static_cast<float>(limits.maxWidth)) +
                              "cm, D≤" + FormatGeneral(static_cast<float>(limits.maxDepth)) +
                              "cm, " + FormatGeneral(static_cast<float>(limits.step)) +
                              "cm刻み)",
                          kButtonsOk, kMessageTitle);
        return false;
    }
    Project scratch = project_;  // the calculation writes its placement flags
    const CalcResult now = CalculateBeam(scratch, position_);
    std::string text = "[ " + today.memberName + " ] (Data No." + No(position_) + ")" + kCrCr +
                       "現在  " + SectionSizesText(today) + "  " + now.Judgement();
    if (now.DesignImpossible()) text += " (" + WorstFailureSentence(now, {0, 1, 2}) + ")";
    text += std::string(kCrCr) + "提案  " + SectionSizesText(suggestion.beam) + "\r";
    const CheckViewTexts bars = SuggestedSectionTexts(suggestion.beam, suggestion.result);
    for (const CheckColumn& column : bars.columns)
        text += "\r" + column.heading + "   上端筋 " + column.topBars + "   下端筋 " +
                column.bottomBars + "   ｽﾀｰﾗｯﾌﾟ " + column.stirrups + "   " + column.judgement;
    text += std::string(kCrCr) + "この断面を入力エリアに入れますか？" + kCrCr +
            "(入力エリアの変更は、これまでどおり「変  更」などで確定します)";
    if (user_.ShowMessage(text, kButtonsOkCancel, kMessageTitle) != kAnswerOk) return false;

    // Only B and D change, in the columns the input area shows (a cantilever has one); the
    // commit works out the self weight of the new section as for a typed edit.
    const int shown = suggestion.beam.supportType == 1 ? 1 : ColumnCount(suggestion.beam);
    for (int c = 0; c < shown; ++c) {
        const std::size_t i = static_cast<std::size_t>(c);
        area_.SetText(BreadthField(c), FormatGeneral(suggestion.beam.sectionWidth[i]));
        area_.SetText(DepthField(c), FormatGeneral(suggestion.beam.sectionDepth[i]));
    }
    RefreshView();
    return true;
}

// ----- File commands -----

FileDialogRequest MainController::DialogRequest(const char* title) const {
    FileDialogRequest request;
    request.title = title;
    // The last data folder only while it is there: a folder since removed (or one written by
    // another copy of the program) would leave the dialog in the process's working folder,
    // which for an installed program is often its own /usr/bin.
    std::error_code error;
    const bool lastExists = !settings_.dataFolder.empty() &&
                            std::filesystem::is_directory(settings_.dataFolder, error);
    request.folder = lastExists ? settings_.dataFolder : files_.dataFolder;
    request.fileName = FileNameOf(settings_.currentFile);
    request.defaultExtension = "Zel";
    request.filter = kZelFileFilter;
    return request;
}

void MainController::WriteSettings() {
    // The history is a convenience: a settings file that cannot be written is not worth a
    // message in the middle of a file command.
    WriteSettingsFile(SettingsPath(), settings_);
}

bool MainController::NewProject() {
    if (area_.fileModified &&
        user_.ShowMessage(std::string("現在、入力中のデータは、変更されています。") + kCrCr + "(" +
                              settings_.currentFile + ")" + kCrCr +
                              "このまま、新規データを作成しますか？",
                          kButtonsYesNo, kMessageTitle) != kAnswerYes)
        return false;

    settings_.currentFile = kNewDataName;
    // A fresh table: beams of the previous project must not travel into the new file.
    project_ = MakeEmptyProject();
    position_ = 1;
    view_.beamList.clear();
    {
        FlagScope filling(area_.fillingForm, true);
        area_.ApplyDefaults(defaults_, project_.settings, project_.font);
    }
    area_.memberModified = false;
    area_.fileModified = false;
    area_.MutableView().focusRequest = Field::MemberName;
    StartHistory();
    RefreshView();
    return true;
}

bool MainController::AskFileModifiedBeforeOpen() {
    if (!area_.fileModified) return true;
    return user_.ShowMessage(std::string("データは変更されています。") + kCrCr + "(" +
                                 std::string(TrimSpaces(settings_.currentFile)) + ")" + kCrCr +
                                 "このまま保存せず、読込みますか？",
                             kButtonsYesNo, kMessageTitle) == kAnswerYes;
}

bool MainController::LoadProjectFile(const std::string& path) {
    Project loaded = project_;
    const ZelLoadResult result = LoadZelFile(path, loaded);
    if (result.status == ZelLoadStatus::NotZelFile) {
        user_.ShowMessage(NotZelFileMessage(path), kButtonsOk, kMessageTitle);
        return false;
    }
    if (!result.Ok()) {
        user_.ShowMessage(result.message.empty() ? path + " が見つかりません。" : result.message,
                          kButtonsOk, kMessageTitleWide);
        return false;
    }

    WaitCursor wait(user_);
    settings_.currentFile = path;
    AddToHistory(settings_.history, path);
    project_ = std::move(loaded);
    settings_.dataFolder = FolderOf(path);
    WriteSettings();

    position_ = 1;
    RefillBeamList();
    {
        FlagScope loading(area_.loadingFile, true);
        FlagScope filling(area_.fillingForm, true);
        area_.SelectInputUnits(project_.settings.inputIsSI() ? 1 : 0);
        area_.SelectOutputUnits(project_.settings.outputIsSI() ? 1 : 0);
        if (project_.BeamCount() > 0)
            area_.ShowBeam(project_.Beam(1));
        else
            area_.ClearInputArea();
    }
    area_.memberModified = false;
    area_.fileModified = false;
    StartHistory();
    RefreshView();
    if (result.Damaged()) {
        // The same lines as `zel` prints, under a heading the user can read.
        std::string text = std::string("データファイルが壊れています。") + kCrCr;
        for (std::size_t i = 0; i < result.warnings.size(); ++i)
            text += (i > 0 ? "\r" : "") + result.warnings[i];
        user_.ShowMessage(text, kButtonsOk, kMessageTitle);
    }
    return true;
}

bool MainController::Open() {
    if (!AskFileModifiedBeforeOpen()) return false;
    const std::optional<std::string> path = user_.AskOpenFile(DialogRequest(kOpenDialogTitle));
    if (!path || path->empty()) return false;
    return LoadProjectFile(*path);
}

bool MainController::OpenFile(const std::string& path) {
    if (!AskFileModifiedBeforeOpen() || path.empty()) return false;
    return LoadProjectFile(path);
}

bool MainController::OpenHistory(int index) {
    if (index < 0 || index >= static_cast<int>(settings_.history.size())) return false;
    if (!AskFileModifiedBeforeOpen()) return false;
    const std::string path =
        std::string(TrimSpaces(settings_.history[static_cast<std::size_t>(index)]));
    if (!FileExists(path)) {
        // The file was moved or deleted since: say so and forget the entry.
        user_.ShowMessage(path + " が見つかりません。", kButtonsOk, kMessageTitleWide);
        settings_.history.erase(settings_.history.begin() + index);
        WriteSettings();
        RefreshView();
        return false;
    }
    return LoadProjectFile(path);
}

bool MainController::WriteProject(const std::string& path) {
    WaitCursor wait(user_);
    Commit(position_);
    const bool changed = !(project_ == history_.Current().project);
    ShowSlot(position_);
    CalculateAll(project_);
    // The results are the state's too, so that undoing back to this point and saving again
    // writes the same file.
    if (changed)
        RecordStep("変更 " + StoredName());
    else
        AmendStep(true);
    const ZelSaveResult saved = SaveZelFile(path, project_);
    if (!saved.ok) {
        area_.fileModified = true;
        user_.ShowMessage(std::string("データを保存できませんでした。") + kCrCr + "( " + path +
                              " )" + kCrCr + saved.error,
                          kButtonsOk, kMessageTitle);
        RefreshView();
        return false;
    }
    settings_.currentFile = path;
    settings_.dataFolder = FolderOf(path);
    AddToHistory(settings_.history, path);
    WriteSettings();
    area_.memberModified = false;
    history_.MarkSaved();
    area_.fileModified = false;
    RefillBeamList();
    RefreshView();
    return true;
}

bool MainController::Save() {
    if (IsNewData()) return SaveAs();
    if (project_.BeamCount() == 0) {
        user_.Beep();
        return false;
    }
    const std::string path = std::string(TrimSpaces(settings_.currentFile));
    if (user_.ShowMessage(std::string("入力データを上書き保存します｡") + kCrCr + "( " + path +
                              " )" + kCrCr + "よろしいですか？",
                          kButtonsYesNo, kMessageTitle) != kAnswerYes)
        return false;
    // An input area that cannot be committed is not written over the stored beam.
    if (ValidateInputArea() >= kInputBlockingFrom) return false;
    return WriteProject(path);
}

bool MainController::SaveAs() {
    if (project_.BeamCount() == 0) {
        user_.Beep();
        return false;
    }
    const std::optional<std::string> chosen = user_.AskSaveFile(DialogRequest(kSaveDialogTitle));
    if (!chosen || std::string(TrimSpaces(*chosen)).empty()) return false;
    const std::string path = std::string(TrimSpaces(*chosen));
    if (!ConfirmOverwrite(user_, path)) return false;
    if (ValidateInputArea() >= kInputBlockingFrom) return false;
    return WriteProject(path);
}

bool MainController::RequestExit() {
    const std::string text = area_.fileModified
                                 ? std::string("データは変更されています。") + kCrCr + "(" +
                                       settings_.currentFile + ")" + kCrCr +
                                       "このまま保存せず、終了しますか？"
                                 : std::string("『 ") + kProgramTitle + " 』 を終了します";
    if (user_.ShowMessage(text, kButtonsYesNo, kMessageTitleWide) != kAnswerYes) return false;
    const std::string error = WriteDefaultsFile(DefaultsPath(), defaults_);
    if (!error.empty())
        user_.ShowMessage(std::string("デフォルト値を保存できませんでした。") + kCrCr + error,
                          kButtonsOk, kMessageTitle);
    return true;
}

// ----- Settings dialogs -----

PrintSettings MainController::CurrentPrintSettings() const {
    return PrintSettingsOf(project_.settings, project_.font);
}

void MainController::ApplyPrintSettings(const PrintSettings& settings) {
    if (settings == CurrentPrintSettings()) return;
    StorePrintSettings(settings, project_.settings, project_.font);
    // They are saved with the data file, so a change must not be lost silently at exit.
    area_.fileModified = true;
    RecordStep("出力設定");
    RefreshView();
}

std::string MainController::ApplyDefaults(const DefaultsRecord& defaults) {
    defaults_ = defaults;
    return WriteDefaultsFile(DefaultsPath(), defaults_);
}

bool MainController::ConfirmSheetSettingsDialog(const SheetSettingsForm& form) {
    PrintSettings settings = CurrentPrintSettings();
    if (!ConfirmSheetSettingsForm(form, user_, settings)) return false;
    ApplyPrintSettings(settings);
    return true;
}

bool MainController::ConfirmDefaultsDialog(const DefaultsDialogForm& form) {
    DefaultsRecord defaults = defaults_;
    if (!ConfirmDefaultsForm(form, user_, defaults)) return false;
    const std::string error = ApplyDefaults(defaults);
    // The new defaults act for this run all the same and are written again at exit.
    if (!error.empty())
        user_.ShowMessage(std::string("デフォルト値を保存できませんでした。") + kCrCr + error,
                          kButtonsOk, kMessageTitle);
    return true;
}

}  // namespace zel
