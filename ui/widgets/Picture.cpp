#include "ui/widgets/Picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace feniko::ui {

Picture::Picture(const QString& resource, QWidget* parent) : QWidget(parent), renderer_(resource) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TranslucentBackground, false);
}

QSize Picture::NaturalSize() const {
  return renderer_.defaultSize();
}

void Picture::SetClickable(bool clickable) {
  clickable_ = clickable;
  if (clickable) {
    setCursor(Qt::PointingHandCursor);
  } else {
    unsetCursor();
  }
}

void Picture::paintEvent(QPaintEvent* /*event*/) {
  if (!renderer_.isValid()) return;
  QPainter painter(this);
  painter.setClipRect(rect());
  renderer_.render(&painter, QRectF(QPointF(0, 0), QSizeF(NaturalSize())));
}

void Picture::mousePressEvent(QMouseEvent* event) {
  pressed_ = clickable_ && event->button() == Qt::LeftButton;
  QWidget::mousePressEvent(event);
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  QWidget::mouseReleaseEvent(event);
  if (click) emit clicked();
}

}  // namespace feniko::ui
