#include "ui/PageControlStyle.h"

#include <QWidget>

namespace feniko::ui {
namespace {

constexpr int kFrame = 4;
// Space above and below a tab's caption.
constexpr int kTabVerticalSpace = 4;

}  // namespace

PageControlStyle::PageControlStyle(QObject* owner) : QProxyStyle() {
  setParent(owner);
}

QRect PageControlStyle::subElementRect(SubElement element, const QStyleOption* option,
                                       const QWidget* widget) const {
  const QRect base = QProxyStyle::subElementRect(element, option, widget);
  if (element != SE_TabWidgetTabContents || widget == nullptr) return base;
  const QRect whole = widget->rect();
  return QRect(whole.left() + (whole.width() - kPageWidth) / 2,
               whole.bottom() + 1 - kFrame - kPageHeight, kPageWidth, kPageHeight);
}

int PageControlStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                  const QWidget* widget) const {
  if (metric == PM_TabBarTabVSpace) return kTabVerticalSpace;
  return QProxyStyle::pixelMetric(metric, option, widget);
}

}  // namespace feniko::ui
