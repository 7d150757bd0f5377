// The rate-table pages and the contact page, driven through their real
// controls: the arrows back to the calculators, clicks that must do nothing,
// where the focus rests, the address label and the account boxes.

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "UiTestSupport.h"
#include "ui/HomePage.h"
#include "ui/UMain.h"
#include "ui/widgets/EditBox.h"
#include "ui/widgets/Picture.h"
#include "ui/widgets/StaticText.h"

using feniko::ui::TFrmMain;
using namespace feniko::ui::testing;

namespace {

enum class Schedule { Current, Previous };

// The controls of one rate table and of the calculator it leads back to.
struct TablePages {
  QWidget* table;
  feniko::ui::Picture* picture;
  feniko::ui::Picture* arrow;
  QWidget* calculator;
  QWidget* income;
};

TablePages PagesOf(const TFrmMain& w, Schedule schedule) {
  if (schedule == Schedule::Current) {
    return {w.tabRateNew, w.Image1, w.imgLinkNewCalc, w.tabCalcNew, w.txtIncomeNew};
  }
  return {w.tabRateOld, w.imgOldRate, w.imgLinkOldCalc, w.tabCalcOld, w.txtIncome};
}

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

Q_DECLARE_METATYPE(Schedule)

class ReferencePagesTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void arrowLeadsBackToTheCalculator_data();
  void arrowLeadsBackToTheCalculator();
  void clickOnTheTableOutsideTheArrowDoesNothing_data();
  void clickOnTheTableOutsideTheArrowDoesNothing();
  void focusRestsOnTheRateTablePage_data();
  void focusRestsOnTheRateTablePage();
  void addressLabelOpensTheHomePage();
  void accountPresetsAreShownWhole();
  void accountBoxesTakeAtMostTenTypedCharacters();

 private:
  RecordingShell shell_;
  std::unique_ptr<TFrmMain> w_;
};

void ReferencePagesTest::init() {
  shell_.requests.clear();
  shell_.failure.reset();
  w_ = ShowWindow(shell_);
}

void ReferencePagesTest::cleanup() {
  w_.reset();
}

void ReferencePagesTest::arrowLeadsBackToTheCalculator_data() {
  QTest::addColumn<Schedule>("schedule");
  QTest::newRow("current schedule") << Schedule::Current;
  QTest::newRow("previous schedule") << Schedule::Previous;
}

void ReferencePagesTest::arrowLeadsBackToTheCalculator() {
  QFETCH(Schedule, schedule);
  const TablePages pages = PagesOf(*w_, schedule);
  ClickTab(*w_, pages.table);
  QCOMPARE(w_->pageMain->currentWidget(), pages.table);
  QCOMPARE(pages.arrow->cursor().shape(), Qt::PointingHandCursor);

  Click(pages.arrow);
  QCOMPARE(w_->pageMain->currentWidget(), pages.calculator);
  // The calculator's own show behaviour put the focus into its income box.
  QCOMPARE(QApplication::focusWidget(), pages.income);
  QVERIFY(shell_.requests.empty());
}

void ReferencePagesTest::clickOnTheTableOutsideTheArrowDoesNothing_data() {
  QTest::addColumn<Schedule>("schedule");
  QTest::addColumn<QPoint>("place");
  for (const auto& [name, schedule] :
       {std::pair{"current", Schedule::Current}, std::pair{"previous", Schedule::Previous}}) {
    QTest::addRow("%s: title", name) << schedule << QPoint(400, 60);
    QTest::addRow("%s: table body", name) << schedule << QPoint(300, 250);
    QTest::addRow("%s: beside the arrow", name) << schedule << QPoint(250, 470);
    // The arrow picture reaches beyond its box; that strip is the table's.
    QTest::addRow("%s: the arrow's cut-off strip", name) << schedule << QPoint(516, 470);
    QTest::addRow("%s: below the arrow", name) << schedule << QPoint(400, 508);
  }
}

void ReferencePagesTest::clickOnTheTableOutsideTheArrowDoesNothing() {
  QFETCH(Schedule, schedule);
  QFETCH(QPoint, place);
  const TablePages pages = PagesOf(*w_, schedule);
  ClickTab(*w_, pages.table);
  QWidget* focus = QApplication::focusWidget();
  QVERIFY(!pages.arrow->geometry().contains(place));

  MessageBoxCatcher catcher;
  QTest::mouseClick(pages.picture, Qt::LeftButton, Qt::NoModifier, place);
  QCOMPARE(w_->pageMain->currentWidget(), pages.table);
  QCOMPARE(QApplication::focusWidget(), focus);
  QVERIFY(shell_.requests.empty());
  QVERIFY(catcher.Seen().empty());
}

void ReferencePagesTest::focusRestsOnTheRateTablePage_data() {
  QTest::addColumn<Schedule>("schedule");
  QTest::addColumn<bool>("byKeyboard");
  QTest::newRow("current schedule, tab") << Schedule::Current << false;
  QTest::newRow("previous schedule, tab") << Schedule::Previous << false;
  QTest::newRow("current schedule, Ctrl+Tab") << Schedule::Current << true;
  QTest::newRow("previous schedule, Ctrl+Tab") << Schedule::Previous << true;
}

// The focus was in the calculator's income box; the table page has nothing
// that takes the focus, so the page itself gets it.
void ReferencePagesTest::focusRestsOnTheRateTablePage() {
  QFETCH(Schedule, schedule);
  QFETCH(bool, byKeyboard);
  const TablePages pages = PagesOf(*w_, schedule);
  ClickTab(*w_, pages.calculator);
  QCOMPARE(QApplication::focusWidget(), pages.income);

  if (byKeyboard) {
    QTest::keyClick(pages.income, Qt::Key_Tab, Qt::ControlModifier);
  } else {
    ClickTab(*w_, pages.table);
  }
  QCOMPARE(w_->pageMain->currentWidget(), pages.table);
  QCOMPARE(QApplication::focusWidget(), pages.table);
}

void ReferencePagesTest::addressLabelOpensTheHomePage() {
  w_->menuHelp_Contact->trigger();
  QCOMPARE(w_->pageMain->currentWidget(), w_->tabContact);
  QCOMPARE(w_->lblLinkFeniko->text(), FromUtf8(feniko::ui::kHomePageAddress));
  QCOMPARE(w_->lblLinkFeniko->cursor().shape(), Qt::PointingHandCursor);
  QWidget* focus = QApplication::focusWidget();

  MessageBoxCatcher catcher;
  Click(w_->lblLinkFeniko);
  QCOMPARE(shell_.requests.size(), std::size_t{1});
  const feniko::platform::ShellRequest& opened = shell_.requests.front();
  QCOMPARE(opened.operation, std::string("Open"));
  QCOMPARE(opened.file, std::string("IEXPLORE.EXE"));
  QCOMPARE(opened.parameters, std::optional<std::string>(w_->lblLinkFeniko->text().toStdString()));
  QCOMPARE(opened.directory, std::optional<std::string>(std::string()));
  QCOMPARE(opened.showCommand, 1);
  QCOMPARE(opened.ownerWindow, static_cast<std::uintptr_t>(w_->winId()));

  // The same request as the Help menu's home-page entry, and nothing else
  // happens in the window.
  w_->menuHelp_Homepage->trigger();
  QCOMPARE(shell_.requests.size(), std::size_t{2});
  QVERIFY(shell_.requests[0] == shell_.requests[1]);
  QCOMPARE(w_->pageMain->currentWidget(), w_->tabContact);
  QCOMPARE(QApplication::focusWidget(), focus);
  QVERIFY(catcher.Seen().empty());

  // A browser that cannot be started changes nothing either.
  shell_.failure = "no browser";
  Click(w_->lblLinkFeniko);
  QCOMPARE(shell_.requests.size(), std::size_t{3});
  QVERIFY(catcher.Seen().empty());
}

void ReferencePagesTest::accountPresetsAreShownWhole() {
  ClickTab(*w_, w_->tabContact);
  for (feniko::ui::EditBox* box : {w_->Edit1, w_->Edit6}) {
    QVERIFY(!box->text().isEmpty());
    const int shown =
        box->width() - 2 * box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) - 4;
    QVERIFY2(QFontMetrics(box->font()).horizontalAdvance(box->text()) <= shown,
             qPrintable(box->objectName()));
  }
  QVERIFY(w_->Edit6->text().size() > 10);
}

void ReferencePagesTest::accountBoxesTakeAtMostTenTypedCharacters() {
  ClickTab(*w_, w_->tabContact);
  w_->Edit1->setFocus(Qt::TabFocusReason);
  QCOMPARE(w_->Edit1->selectedText(), w_->Edit1->text());
  QTest::keyClicks(w_->Edit1, QStringLiteral("123456789012"));
  QCOMPARE(w_->Edit1->text(), QStringLiteral("1234567890"));

  QTest::keyClick(w_->Edit1, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), w_->Edit6);

  // The longer preset can be shortened, but not lengthened by typing.
  const QString preset = w_->Edit6->text();
  QTest::keyClick(w_->Edit6, Qt::Key_End);
  QTest::keyClicks(w_->Edit6, QStringLiteral("x"));
  QCOMPARE(w_->Edit6->text(), preset);
  QTest::keyClick(w_->Edit6, Qt::Key_Backspace);
  QCOMPARE(w_->Edit6->text(), preset.chopped(1));
  QTest::keyClicks(w_->Edit6, QStringLiteral("x"));
  QCOMPARE(w_->Edit6->text(), preset.chopped(1));
  QTest::keyClick(w_->Edit6, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(w_->Edit6, QStringLiteral("abcdefghijkl"));
  QCOMPARE(w_->Edit6->text(), QStringLiteral("abcdefghij"));
}

QTEST_MAIN(ReferencePagesTest)
#include "ReferencePagesTest.moc"
