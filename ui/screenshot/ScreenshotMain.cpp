// Renders pages of the real window into PNG files for the documentation:
//   feniko_screenshot [OUTPUT-DIRECTORY]   (default: docs)
// Each shot drives the window as a user would and then grabs it, menu bar
// included. No program is ever started from here: the shell is a dummy.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <cstdio>

#include "ui/AppSetup.h"
#include "ui/UMain.h"
#include "ui/widgets/EditBox.h"

namespace {

using feniko::ui::TFrmMain;

class NoShell final : public feniko::platform::Shell {
 public:
  void Execute(const feniko::platform::ShellRequest&) override {}
};

void ShowTab(TFrmMain& window, QWidget* page) {
  QTest::mouseClick(window.pageMain->tabBar(), Qt::LeftButton, Qt::NoModifier,
                    window.pageMain->tabBar()->tabRect(window.pageMain->indexOf(page)).center());
}

// The current-schedule calculator after typing 5000 and Enter.
void CalcNewWith5000(TFrmMain& window) {
  ShowTab(window, window.tabCalcNew);
  window.txtIncomeNew->setFocus();
  QTest::keyClicks(window.txtIncomeNew, QStringLiteral("5000"));
  QTest::keyClick(window.txtIncomeNew, Qt::Key_Return);
}

// The previous-schedule calculator after the same.
void CalcOldWith5000(TFrmMain& window) {
  ShowTab(window, window.tabCalcOld);
  window.txtIncome->setFocus();
  QTest::keyClicks(window.txtIncome, QStringLiteral("5000"));
  QTest::keyClick(window.txtIncome, Qt::Key_Return);
}

// The conversion page after typing 105.30 and Enter.
void RmbWith105_30(TFrmMain& window) {
  ShowTab(window, window.tabRMB);
  QTest::keyClicks(window.txtMoney, QStringLiteral("105.30"));
  QTest::keyClick(window.txtMoney, Qt::Key_Return);
}

void RateNew(TFrmMain& window) {
  ShowTab(window, window.tabRateNew);
}

void RateOld(TFrmMain& window) {
  ShowTab(window, window.tabRateOld);
}

void Contact(TFrmMain& window) {
  ShowTab(window, window.tabContact);
}

struct Shot {
  const char* file;
  void (*prepare)(TFrmMain&);
};

const Shot kShots[] = {
    {"screenshot.png", CalcNewWith5000}, {"page-calc-new.png", CalcNewWith5000},
    {"page-rate-new.png", RateNew},      {"page-calc-old.png", CalcOldWith5000},
    {"page-rate-old.png", RateOld},      {"page-rmb.png", RmbWith105_30},
    {"page-contact.png", Contact},
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  feniko::ui::ConfigureApplication();
  const QDir output(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
  if (!output.exists() && !QDir().mkpath(output.path())) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(output.path()));
    return 1;
  }

  NoShell shell;
  TFrmMain window(shell);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) {
    std::fprintf(stderr, "the window did not appear\n");
    return 1;
  }
  window.activateWindow();
  for (const Shot& shot : kShots) {
    shot.prepare(window);
    QApplication::processEvents();
    const QString path = output.filePath(QString::fromLatin1(shot.file));
    if (!window.grab().save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
    std::printf("%s\n", qPrintable(path));
  }
  return 0;
}
