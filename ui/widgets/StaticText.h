#pragma once

#include <QLabel>

namespace feniko::ui {

// A static text that keeps its top-left corner and sizes itself to its text,
// 4 × 4 while empty. It never takes the focus. Made clickable it shows the
// hand cursor and reports a click (press and release inside it).
class StaticText : public QLabel {
  Q_OBJECT

 public:
  explicit StaticText(QWidget* parent = nullptr);
  StaticText(const QString& text, QWidget* parent);

  // Sets the text and fits the size to it. Use this rather than setText.
  void SetText(const QString& text);
  void SetTextColour(const QColor& colour);
  QColor TextColour() const;
  void SetClickable(bool clickable);

 signals:
  void clicked();

 protected:
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void FitToText();

  bool clickable_ = false;
  bool pressed_ = false;
};

}  // namespace feniko::ui
