#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace feniko::ui {

// An SVG picture drawn at its own size from the box's top-left corner, neither
// stretched nor centred, so whatever exceeds the box is cut off. Vector
// drawing keeps it crisp at any screen scale. Made clickable it shows the hand
// cursor and reports a click.
class Picture : public QWidget {
  Q_OBJECT

 public:
  explicit Picture(const QString& resource, QWidget* parent = nullptr);

  QSize NaturalSize() const;
  void SetClickable(bool clickable);

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QSvgRenderer renderer_;
  bool clickable_ = false;
  bool pressed_ = false;
};

}  // namespace feniko::ui
