#pragma once
// The default-data dialog ("ﾃﾞﾌｫﾙﾄ設定(&D)"): defaults of new beams and new projects.
#include <QDialog>
#include <array>
#include <string>
#include <utility>

#include "editor/DefaultsDialogRules.h"

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace zel {
class MainController;
}

namespace zel::qt {

class SheetOptionsBox;

class DefaultsDialog : public QDialog {
    Q_OBJECT
  public:
    DefaultsDialog(MainController& controller, QWidget* parent = nullptr);

    const DefaultsDialogForm& Form() const { return form_; }

    QTabWidget* Tabs() const { return tabs_; }
    // Grade options (codes 0..3) and size lists of the main bars and the stirrups.
    QRadioButton* MainGradeOption(int grade) const;
    QRadioButton* StirrupGradeOption(int grade) const;
    QComboBox* MainSizeList() const { return mainSize_; }
    QComboBox* StirrupSizeList() const { return stirrupSize_; }
    QComboBox* AssemblyList() const { return assembly_; }
    QLineEdit* RatioField() const { return ratio_; }
    QLineEdit* LayersField() const { return layers_; }
    QLineEdit* LegsField() const { return legs_; }
    QLineEdit* PitchField() const { return pitch_; }
    QLineEdit* FcField() const { return fc_; }
    QRadioButton* RuleOption(int rule) const;
    QRadioButton* InputUnitOption(int option) const;
    QRadioButton* OutputUnitOption(int option) const;
    SheetOptionsBox* SheetOptions() const { return sheetOptions_; }
    QPushButton* StoreButton() const { return store_; }
    QPushButton* CancelButton() const { return cancel_; }

  private:
    // The typed fields and the form's texts they edit.
    using TextField = std::pair<QLineEdit*, std::string DefaultsDialogForm::*>;
    std::array<TextField, 5> TextFields() const;
    // A frame of bars: its grade options over a grid of size list and fields.
    QGridLayout* AddBarBox(QGroupBox* box, QButtonGroup*& grades);
    QWidget* BuildBarsPage();
    QWidget* BuildOutputPage();
    void ShowForm();
    void Store();

    MainController& controller_;
    DefaultsDialogForm form_;
    QTabWidget* tabs_ = nullptr;
    QComboBox* mainSize_ = nullptr;
    QComboBox* stirrupSize_ = nullptr;
    QComboBox* assembly_ = nullptr;
    QLineEdit* ratio_ = nullptr;
    QLineEdit* layers_ = nullptr;
    QLineEdit* legs_ = nullptr;
    QLineEdit* pitch_ = nullptr;
    QLineEdit* fc_ = nullptr;
    QButtonGroup* mainGradeGroup_ = nullptr;
    QButtonGroup* stirrupGradeGroup_ = nullptr;
    QButtonGroup* ruleGroup_ = nullptr;
    QButtonGroup* inputGroup_ = nullptr;
    QButtonGroup* outputGroup_ = nullptr;
    SheetOptionsBox* sheetOptions_ = nullptr;
    QPushButton* store_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace zel::qt
