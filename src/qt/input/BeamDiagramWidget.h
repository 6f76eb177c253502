#pragma once
// Paints the beam diagram of the input area: the model's line and box calls, y pointing up,
// scaled to the widget.
#include <QWidget>
#include <optional>

#include "editor/BeamDiagram.h"

namespace zel::qt {

class BeamDiagramWidget : public QWidget {
    Q_OBJECT
  public:
    explicit BeamDiagramWidget(QWidget* parent = nullptr);
    void SetDiagram(const std::optional<BeamDiagram>& diagram);
    const std::optional<BeamDiagram>& Diagram() const { return diagram_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<BeamDiagram> diagram_;
};

}  // namespace zel::qt
