#pragma once
// The commands of the main window without the window: beam list, member commands, file
// commands and their questions. It owns the project, the input-area model, the settings file's
// values and the defaults; it reaches the user only through the Prompter and shows its state
// through MainWindowUi.
#include <optional>
#include <string>
#include <vector>

#include "calc/UnitFactor.h"
#include "data/DefaultsRecord.h"
#include "data/GradeTable.h"
#include "data/ProgramFiles.h"
#include "data/Project.h"
#include "data/SettingsFile.h"
#include "editor/BeamClipboard.h"
#include "editor/DefaultsDialogRules.h"
#include "editor/EditHistory.h"
#include "editor/InputArea.h"
#include "editor/MainWindowUi.h"
#include "editor/Prompter.h"
#include "editor/SheetSettingsDialogRules.h"

namespace zel {

enum class MemberCommand {
    CalcSheet,     // "計算書" / "計算書(&G)"
    ChangeMember,  // "変  更"
    Check,         // "個 別ﾁｪｯｸ" / "部材個別ﾁｪｯｸ(&C)"
    SectionList,   // "断面リストの出力(&L)..."
    Schedule,      // "結果一覧表の出力(&T)...": checked and committed like 計算書, nothing opened
};

inline constexpr const char* kOpenDialogTitle = "『 KAVO-Zel ﾃﾞｰﾀ読込み 』";
inline constexpr const char* kSaveDialogTitle = "『 KAVO-Zel ﾃﾞｰﾀ保存 』";
inline constexpr const char* kZelFileFilter =
    "KAVO-Zel ﾃﾞｰﾀﾌｧｲﾙ(*.Zel)|*.Zel|すべてのﾌｧｲﾙ(*.*)|*.*";

class MainController {
  public:
    MainController(Prompter& user, MainWindowUi& window);

    // Start-up: reads the settings, the defaults (created when missing) and the grade table
    // of a program in `programFolder` (see ProgramFiles for where each is looked up), and
    // resets the input area to the defaults.
    void StartUp(const std::string& programFolder);

    // ----- Beam list -----
    bool AddBeam();         // "梁追加"; true when a beam was added
    bool DeleteBeam();      // "梁削除"
    bool ClearInputArea();  // "入力ｴﾘｱ ｸﾘｱｰ"; false when the question was refused
    bool MoveUp();          // "上げる[↑]"
    bool MoveDown();        // "下げる[↓]"
    bool SelectBeam(int line);  // a click on line `line` (0-based) of the beam list
    // Appends beams after the last one as one step ("CSVから梁を追加"). Beyond the 50-beam
    // limit nothing changes and the message of 梁追加 is shown.
    bool AppendBeams(const std::vector<BeamRecord>& beams);

    // ----- Member commands -----
    bool RunMemberCommand(MemberCommand command);  // true when the command went through
    // "断面を提案..." of the check view: the smallest section of the current beam that passes,
    // shown to the user and, on OK, put into the input area as an edit to commit as usual.
    // True when the input area was changed.
    bool SuggestSection();

    // ----- File commands -----
    bool NewProject();  // "新規作成(&N)"
    bool Open();        // "ﾃﾞｰﾀ読込み(&D)"
    // A file named on the command line: "ﾃﾞｰﾀ読込み(&D)" with its checks, without the dialog.
    bool OpenFile(const std::string& path);
    bool OpenHistory(int index);  // a history entry (0 = most recent)
    bool Save();                  // "上書き保存(&S)"
    bool SaveAs();                // "名前を付けて保存(&A)"
    // "終了(&X)", "終 了" or closing the window: true when the program may close (the defaults
    // file has then been written).
    bool RequestExit();

    // ----- Settings dialogs -----
    PrintSettings CurrentPrintSettings() const;
    // Stores the print settings confirmed in their dialog; a real change marks the file.
    void ApplyPrintSettings(const PrintSettings& settings);
    // Stores defaults confirmed in their dialog and writes the defaults file. Returns the
    // error of the write ("" on success); the defaults in memory are replaced either way.
    std::string ApplyDefaults(const DefaultsRecord& defaults);

    // "OK" of the print-settings dialog: its question, then the settings are stored. False
    // keeps the dialog open.
    bool ConfirmSheetSettingsDialog(const SheetSettingsForm& form);
    // "デフォルト として設定する": its question, then the defaults are stored and written (a
    // failed write is reported). False keeps the dialog open.
    bool ConfirmDefaultsDialog(const DefaultsDialogForm& form);

    // ----- Edit menu (and the unit options, which are steps too) -----
    bool Undo();  // "元に戻す(&U)": the input area's edits first, then the last step
    bool Redo();  // "やり直し(&R)"
    bool CanUndo() const;
    bool CanRedo() const;
    std::string UndoName() const;  // the step "元に戻す" takes ("梁削除 2G3"), "" for none
    std::string RedoName() const;
    const EditHistory& History() const { return history_; }
    bool DuplicateBeam();  // "梁の複写(&D)": a copy below the current beam, selected
    // "コピー(&C)": the current beam as the clipboard holds it; nullopt without a beam.
    std::optional<BeamClip> CopyBeam() const;
    // "貼り付け(&P)": a beam in the clipboard's JSON form, inserted after the current one.
    bool PasteBeam(const std::string& json);
    void SelectInputUnits(int index);  // "入力単位" 0 conventional, 1 SI
    void SelectOutputUnits(int index);

    // ----- State -----
    const Project& CurrentProject() const { return project_; }
    Project& MutableProject() { return project_; }
    InputArea& Input() { return area_; }
    const InputArea& Input() const { return area_; }
    const MainWindowView& View() const { return view_; }
    const SettingsFile& Settings() const { return settings_; }
    const DefaultsRecord& Defaults() const { return defaults_; }
    const GradeTable& Grades() const { return grades_; }
    const CalcUnits& Units() const { return units_; }
    const std::string& ProgramFolder() const { return files_.programFolder; }
    const ProgramFiles& Files() const { return files_; }
    const std::string& CurrentFile() const { return settings_.currentFile; }
    int Position() const { return position_; }
    int BeamCount() const { return project_.BeamCount(); }
    bool FileModified() const { return area_.fileModified; }
    bool MemberModified() const { return area_.memberModified; }

    // A file dialog titled `title` in the folder the data dialogs start in (the last data
    // folder while it is there), on the current file, for .Zel files.
    FileDialogRequest DialogRequest(const char* title) const;

    std::string SettingsPath() const;
    std::string DefaultsPath() const;

  private:
    bool IsNewData() const;
    std::string Caption() const;
    void RefreshView();
    void RefillBeamList();
    std::string StoredName() const;
    void ShowSlot(int slot);
    void Commit(int slot);
    int ValidateInputArea();  // CheckInput; a blocking code's message is shown
    bool AskFileModifiedBeforeOpen();
    bool LoadProjectFile(const std::string& path);
    bool WriteProject(const std::string& path);
    void WriteSettings();
    bool MoveBy(int delta);
    // The edit history. Every command that changed the project ends with RecordStep(its
    // name); one that only moved the selection calls AmendStep, a save AmendStep(true) to
    // keep the results it computed.
    EditState CaptureState() const;
    void RecordStep(const std::string& name);
    void AmendStep(bool withProject = false);
    void StartHistory();
    void RestoreState(const EditState& state);
    bool PendingEdits() const;  // typed edits the current state does not hold
    void SyncFileModified();
    bool CommitPendingEdits();  // as selecting another beam does; false when refused
    bool InsertBeam(const BeamRecord& beam, const std::string& stepName);
    bool RefuseFullList();  // the full-list message at kMaxBeams beams

    Prompter& user_;
    MainWindowUi& window_;
    InputArea area_;
    Project project_;
    SettingsFile settings_;
    DefaultsRecord defaults_;
    GradeTable grades_;
    CalcUnits units_;
    ProgramFiles files_;
    int position_ = 1;
    MainWindowView view_;
    EditHistory history_;
};

}  // namespace zel
