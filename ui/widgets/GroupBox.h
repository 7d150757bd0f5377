#pragma once

#include <QWidget>

namespace feniko::ui {

// A captioned group frame drawn the classic way: an etched (three-dimensional)
// line, or a flat single line for a page without three-dimensional borders.
// The caption sits on the top line, in the box's own font; the box shows its
// parent's background. Controls inside are placed relative to its top-left
// corner.
class GroupBox : public QWidget {
  Q_OBJECT

 public:
  enum class Edge { Etched, Flat };

  GroupBox(const QString& caption, Edge edge, QWidget* parent = nullptr);

  QString Caption() const { return caption_; }
  Edge EdgeStyle() const { return edge_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  Edge edge_;
};

}  // namespace feniko::ui
