#pragma once

#include <QProxyStyle>

namespace feniko::ui {

// The page control's style (set on the control and on its tab bar): whatever
// the platform style's frame metrics, every page gets a client area of exactly
// 832 × 517, centred across and sitting on the bottom edge behind a 4-pixel
// frame, like the classic page control. The tabs are kept low enough to fit
// the 24 pixels left above that area.
class PageControlStyle : public QProxyStyle {
 public:
  static constexpr int kPageWidth = 832;
  static constexpr int kPageHeight = 517;

  explicit PageControlStyle(QObject* owner);

  QRect subElementRect(SubElement element, const QStyleOption* option,
                       const QWidget* widget) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override;
};

}  // namespace feniko::ui
