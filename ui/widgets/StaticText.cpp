#include "ui/widgets/StaticText.h"

#include <QEvent>
#include <QMouseEvent>

namespace feniko::ui {

StaticText::StaticText(QWidget* parent) : StaticText(QString(), parent) {}

StaticText::StaticText(const QString& text, QWidget* parent) : QLabel(parent) {
  setFocusPolicy(Qt::NoFocus);
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SetText(text);
}

void StaticText::SetText(const QString& text) {
  // Measuring the text is the costly part of a calculation's redraw; a line
  // that keeps its text keeps its size.
  if (text == this->text() && testAttribute(Qt::WA_Resized)) return;
  setText(text);
  FitToText();
}

void StaticText::SetTextColour(const QColor& colour) {
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, colour);
  setPalette(colours);
}

QColor StaticText::TextColour() const {
  return palette().color(QPalette::WindowText);
}

void StaticText::SetClickable(bool clickable) {
  clickable_ = clickable;
  if (clickable) {
    setCursor(Qt::PointingHandCursor);
  } else {
    unsetCursor();
  }
}

void StaticText::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) FitToText();
}

void StaticText::mousePressEvent(QMouseEvent* event) {
  pressed_ = clickable_ && event->button() == Qt::LeftButton;
  QLabel::mousePressEvent(event);
}

void StaticText::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  QLabel::mouseReleaseEvent(event);
  if (click) emit clicked();
}

void StaticText::FitToText() {
  if (text().isEmpty()) {
    resize(4, 4);
  } else {
    resize(sizeHint());
  }
}

}  // namespace feniko::ui
