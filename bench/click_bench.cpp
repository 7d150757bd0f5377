// A click on "开始计算" handled by the window (read the box, calculate, write
// the message and the six lines) beside the page algorithm alone, which is
// the part of the work that is not the window's.

#include <QApplication>
#include <QPushButton>

#include "PeerRatio.h"
#include "numtext/DecimalSeparator.h"
#include "pages/TaxPage.h"
#include "ui/UMain.h"
#include "ui/widgets/EditBox.h"

namespace {

class NoShell final : public feniko::platform::Shell {
 public:
  void Execute(const feniko::platform::ShellRequest&) override {}
};

// Two incomes in turn, so that every click changes every line.
const char* const kIncomes[] = {"12345.67", "5000.02"};

void Click_window(benchmark::State& state) {
  NoShell shell;
  feniko::ui::TFrmMain window(shell);
  window.show();
  // click() runs the whole handler at once; painting the new texts is left
  // to the event loop, as after a real click.
  std::size_t i = 0;
  for (auto _ : state) {
    state.PauseTiming();
    window.txtIncomeNew->setText(QString::fromLatin1(kIncomes[i]));
    state.ResumeTiming();
    window.btnCalcNew->click();
    i ^= 1;
  }
}
BENCHMARK(Click_window)->Name("Click/window");

void Click_engine(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(feniko::RunTaxCalculation(feniko::Schedule::Current, kIncomes[i]));
    i ^= 1;
  }
}
BENCHMARK(Click_engine)->Name("Click/engine");

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  feniko::SetDecimalSeparator(".");
  return feniko::bench::RunWithPeerRatios(argc, argv);
}
