#include "ui/widgets/GroupBox.h"

#include <QPainter>

namespace feniko::ui {

GroupBox::GroupBox(const QString& caption, Edge edge, QWidget* parent)
    : QWidget(parent), caption_(caption), edge_(edge) {
  setFocusPolicy(Qt::NoFocus);
  setAccessibleName(caption);
}

void GroupBox::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const int lineY = metrics.height() / 2;
  const QRect frame(0, lineY, width() - 1, height() - lineY - 1);
  if (edge_ == Edge::Etched) {
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(QColor(255, 255, 255));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
  } else {
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(frame);
  }
  if (caption_.isEmpty()) return;
  const QRect title(8, 0, metrics.horizontalAdvance(caption_) + 4, metrics.height());
  painter.fillRect(title, palette().color(backgroundRole()));
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(title, Qt::AlignCenter, caption_);
}

}  // namespace feniko::ui
