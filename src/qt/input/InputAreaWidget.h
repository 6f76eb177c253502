#pragma once
// The input area of the main window: member fields, section columns, the tabbed choices, units,
// the load editor, the beam diagram and the member commands. It forwards every event to the
// InputArea model and mirrors InputAreaView afterwards; it holds no rule of its own.
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <utility>

#include "editor/InputField.h"
#include "editor/MainController.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace zel {
class InputArea;
}

namespace zel::qt {

class BeamDiagramWidget;
class FieldBinding;
class FieldEdit;
class LoadEditorWidget;

class InputAreaWidget : public QWidget {
    Q_OBJECT
  public:
    explicit InputAreaWidget(InputArea& area, QWidget* parent = nullptr);
    // Folder of the load pictures (the program folder).
    void SetPictureFolder(const std::string& folder);

    // Model -> widgets, with their signals blocked so that nothing is fed back as an edit.
    void Mirror();

    // The widget of a field: member fields, or for a load field the page in front.
    FieldEdit* Edit(Field field) const;
    LoadEditorWidget* LoadEditor() const { return loads_; }
    BeamDiagramWidget* Diagram() const { return diagram_; }
    // Who switches the units (the main window, for whom a switch is an undoable step);
    // without one the options set the input area's units themselves. `output` tells the two
    // option groups apart.
    void SetUnitChooser(std::function<void(bool output, int index)> chooser) {
        unitChooser_ = std::move(chooser);
    }

  signals:
    void modelChanged();
    void memberCommandClicked(zel::MemberCommand command);
    void spanTypeDialogRequested();

  private:
    QWidget* BuildTopRow();
    QWidget* BuildSections();
    QWidget* BuildFirstTabs();
    QWidget* BuildSecondTabs();
    QWidget* BuildUnits();
    QWidget* BuildCommands();
    FieldEdit* AddField(Field field, const QString& accessibleName, QWidget* parent);
    QButtonGroup* Options(QWidget* parent, const std::vector<QString>& captions,
                          const char* objectName, std::function<void(int)> select,
                          const std::vector<const char*>& hints = {});
    QComboBox* List(QWidget* parent, const char* accessibleName, const char* objectName,
                    std::function<void(int)> select);
    void AfterModelCall();

    InputArea& area_;
    std::function<void(bool, int)> unitChooser_;
    FieldBinding* binding_;
    std::array<FieldEdit*, kMemberFieldCount> edits_{};

    QButtonGroup* support_ = nullptr;
    QPushButton* approximate_ = nullptr;
    QLabel* spanType_ = nullptr;
    std::array<QLabel*, 3> headings_{};
    std::array<QPushButton*, 2> copy_{};
    QButtonGroup* sections_ = nullptr;
    QLabel* fcUnit_ = nullptr;
    QButtonGroup* mainGrade_ = nullptr;
    QButtonGroup* stirrupGrade_ = nullptr;
    QComboBox* mainSize_ = nullptr;
    QComboBox* stirrupSize_ = nullptr;
    QComboBox* assembly_ = nullptr;
    QButtonGroup* minRebar_ = nullptr;
    std::array<QCheckBox*, 3> flags_{};
    std::array<QCheckBox*, 2> messageOptions_{};
    QButtonGroup* momentMode_ = nullptr;
    QLabel* momentUnit_ = nullptr;
    QLabel* cantileverNote_ = nullptr;
    QButtonGroup* inputUnits_ = nullptr;
    QButtonGroup* outputUnits_ = nullptr;
    LoadEditorWidget* loads_ = nullptr;
    BeamDiagramWidget* diagram_ = nullptr;
    QPushButton* calcSheet_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* check_ = nullptr;
    QLabel* editHint_ = nullptr;
};

}  // namespace zel::qt
