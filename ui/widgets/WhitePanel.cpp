#include "ui/widgets/WhitePanel.h"

#include <QPainter>

namespace feniko::ui {

WhitePanel::WhitePanel(Edge edge, QWidget* parent) : QWidget(parent), edge_(edge) {
  setFocusPolicy(Qt::NoFocus);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, Qt::white);
  colours.setColor(QPalette::Base, Qt::white);
  setPalette(colours);
  setAutoFillBackground(true);
}

void WhitePanel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QRect box = rect().adjusted(0, 0, -1, -1);
  if (edge_ == Edge::Raised) {
    painter.setPen(QColor(255, 255, 255));
    painter.drawLine(box.topLeft(), box.topRight());
    painter.drawLine(box.topLeft(), box.bottomLeft());
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomRight());
  } else {
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(box);
  }
}

}  // namespace feniko::ui
