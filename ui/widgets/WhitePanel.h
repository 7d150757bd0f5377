#pragma once

#include <QWidget>

namespace feniko::ui {

// A white panel without a caption that fills a page. Its edge is the classic
// one-pixel raised bevel, or a flat single line for a page drawn without
// three-dimensional borders.
class WhitePanel : public QWidget {
  Q_OBJECT

 public:
  enum class Edge { Raised, Flat };

  explicit WhitePanel(Edge edge, QWidget* parent = nullptr);
  Edge EdgeStyle() const { return edge_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Edge edge_;
};

}  // namespace feniko::ui
