#pragma once
// The load editor of the input area: type options, one page per type with its picture and
// fields, the buttons, the load list under its headings and the counter.
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <string>

class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace zel {
class InputArea;
}

namespace zel::qt {

class FieldBinding;
class FieldEdit;

class LoadEditorWidget : public QWidget {
    Q_OBJECT
  public:
    LoadEditorWidget(InputArea& area, FieldBinding& binding, QWidget* parent = nullptr);
    void SetPictureFolder(const std::string& folder);
    void Mirror();
    // Field `index` of the page of `loadType` (1..6); nullptr where the page has none.
    FieldEdit* LoadEdit(int loadType, int index) const;

  signals:
    void modelChanged();

  private:
    struct Page {
        std::array<FieldEdit*, 6> edits{};
        QLabel* unit = nullptr;  // unit of field 0
        QLabel* picture = nullptr;
    };
    QWidget* BuildPage(int loadType);
    QPushButton* Button(const char* caption, std::function<void(InputArea&)> action);
    void ShowPicture(QLabel* label, const std::string& file);

    InputArea& area_;
    FieldBinding& binding_;
    std::string pictureFolder_;
    std::array<Page, 6> pages_;
    std::map<std::string, QPixmap> pictures_;
    QButtonGroup* types_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* fullSpan_ = nullptr;
    QListWidget* list_ = nullptr;
    QLabel* counter_ = nullptr;
};

}  // namespace zel::qt
