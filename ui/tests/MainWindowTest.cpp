// The window frame: start state, page switching by every route with its show
// behaviour and focus, the shell requests, the general error display.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <functional>

#include "UiTestSupport.h"
#include "numtext/DecimalSeparator.h"
#include "ui/AppSetup.h"
#include "ui/HomePage.h"
#include "ui/widgets/EditBox.h"
#include "ui/widgets/Picture.h"
#include "ui/widgets/StaticText.h"

using feniko::platform::ShellRequest;
using feniko::ui::TFrmMain;
using namespace feniko::ui::testing;

using PageOf = std::function<QWidget*(TFrmMain&)>;
using Route = std::function<void(TFrmMain&)>;
using FocusOf = std::function<QWidget*(TFrmMain&)>;

Q_DECLARE_METATYPE(PageOf)
Q_DECLARE_METATYPE(Route)

namespace {

QStringList TabCaptions(const TFrmMain& window) {
  QStringList captions;
  for (int i = 0; i < window.pageMain->count(); ++i) captions << window.pageMain->tabText(i);
  return captions;
}

// Opens a menu of the menu bar with Alt and its access key, then chooses an
// entry by its access key, as a keyboard user does.
void ChooseFromMenu(TFrmMain& window, Qt::Key menuKey, QMenu* menu, Qt::Key entryKey) {
  QTest::keyClick(&window, menuKey, Qt::AltModifier);
  QTRY_VERIFY(menu->isVisible());
  QTest::keyClick(menu, entryKey);
  QTRY_VERIFY(!menu->isVisible());
}

ShellRequest HomePageRequest(const TFrmMain& window) {
  return {static_cast<std::uintptr_t>(window.winId()), "Open", "IEXPLORE.EXE",
          std::string(feniko::ui::kHomePageAddress),   "",     1};
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { feniko::ui::ConfigureApplication(); }

  void init() {
    shell = std::make_unique<RecordingShell>();
    window = ShowWindow(*shell);
  }
  void cleanup() {
    window.reset();
    shell.reset();
  }

  void startsOnTheCurrentCalculatorWithFocusInItsBox() {
    QCOMPARE(window->windowTitle(), QStringLiteral("Feniko"));
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Feniko"));
    QCOMPARE(window->pageMain->currentWidget(), window->tabCalcNew);
    QCOMPARE(QApplication::focusWidget(), window->txtIncomeNew);
    QCOMPARE(TabCaptions(*window),
             QStringList({QStringLiteral("计算器(新版)"), QStringLiteral("税率表(新版)"),
                          QStringLiteral("计算器(旧版)"), QStringLiteral("税率表(旧版)"),
                          QStringLiteral("人民币大小写"), QStringLiteral("联系方式")}));
    QCOMPARE(window->pageMain->indexOf(window->tabContact), 5);
    QVERIFY(!window->windowIcon().isNull());
  }

  void hasAFixedClientAreaBelowTheMenuBar() {
    QWidget* client = window->centralWidget();
    QCOMPARE(client->size(), QSize(840, 574));
    QCOMPARE(client->y(), window->menuMain->height());
    QCOMPARE(window->ToolBar1->geometry(), QRect(0, 0, 840, 29));
    QCOMPARE(window->pageMain->geometry(), QRect(0, 29, 840, 545));
    for (QWidget* page : {window->tabCalcNew, window->tabRateNew, window->tabCalcOld,
                          window->tabRateOld, window->tabRMB, window->tabContact}) {
      window->pageMain->setCurrentWidget(page);
      QCOMPARE(page->size(), QSize(832, 517));
      // Below the tabs and inside the page control's frame.
      const QRect placed(page->mapTo(window->pageMain, QPoint(0, 0)), page->size());
      QVERIFY2(placed.top() > window->pageMain->tabBar()->geometry().bottom(),
               qPrintable(QStringLiteral("page top %1, tabs %2")
                              .arg(placed.top())
                              .arg(window->pageMain->tabBar()->geometry().bottom())));
      QVERIFY(window->pageMain->rect().adjusted(1, 1, -1, -1).contains(placed));
    }
    // Fixed single border: the window cannot be resized, and it has no
    // maximise button but can be minimised.
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
  }

  void isCentredOnTheScreen() {
    const QPoint screenCentre = window->screen()->availableGeometry().center();
    const QPoint offset = window->geometry().center() - screenCentre;
    QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2,
             qPrintable(QStringLiteral("window centre %1,%2")
                            .arg(window->geometry().center().x())
                            .arg(window->geometry().center().y())));
  }

  void offersTheMenusWithAccessKeys() {
    const QList<QAction*> menus = window->menuMain->actions();
    QCOMPARE(menus.size(), 3);
    QCOMPARE(menus[0]->text(), QStringLiteral("文件(&F)"));
    QCOMPARE(menus[1]->text(), QStringLiteral("工具(&T)"));
    QCOMPARE(menus[2]->text(), QStringLiteral("帮助(&H)"));
    QCOMPARE(window->menuFile->actions(), QList<QAction*>({window->menuFile_Exit}));
    QCOMPARE(window->menuTools->actions(),
             QList<QAction*>({window->menuTools_RMB, window->N9, window->menuTools_Calc,
                              window->menuTools_note}));
    QVERIFY(window->N9->isSeparator());
    QCOMPARE(window->menuHelp->actions(),
             QList<QAction*>({window->menuHelp_Homepage, window->menuHelp_Contact}));
    QCOMPARE(window->menuTools_RMB->text(), QStringLiteral("人民币大小写转换(&R)"));
    QCOMPARE(window->menuTools_Calc->text(), QStringLiteral("计算器(&C)"));
    QCOMPARE(window->menuTools_note->text(), QStringLiteral("记事本(&N)"));
    QCOMPARE(window->menuHelp_Homepage->text(), QStringLiteral("官方网站(&W)"));
    QCOMPARE(window->menuHelp_Contact->text(), QStringLiteral("联系方式(&C)..."));
    QCOMPARE(window->menuFile_Exit->text(), QStringLiteral("退出(&X)"));
    for (QAction* entry : window->findChildren<QAction*>()) QVERIFY(entry->shortcut().isEmpty());
  }

  void hasTheCoinButtonWithItsTooltip() {
    QCOMPARE(window->ToolBar1->actions().size(), 1);
    QCOMPARE(window->ToolBar1->widgetForAction(window->ToolBar1->actions()[0]),
             window->ToolButton2);
    QCOMPARE(window->ToolButton2->toolTip(), QStringLiteral("人民币大小写转换"));
    QVERIFY(!window->ToolButton2->icon().isNull());
    QCOMPARE(window->ToolBar1->iconSize(), QSize(16, 16));
  }

  // Every route to a page ends in the page switch: the page comes to the
  // front, its show event is raised once, and the focus lands as the page's
  // show behaviour or the focus rule puts it.
  void switchesPages_data() {
    QTest::addColumn<Route>("route");
    QTest::addColumn<PageOf>("target");
    QTest::addColumn<PageOf>("expectedFocus");

    const PageOf calcNew = [](TFrmMain& w) { return w.tabCalcNew; };
    const PageOf rateNew = [](TFrmMain& w) { return w.tabRateNew; };
    const PageOf calcOld = [](TFrmMain& w) { return w.tabCalcOld; };
    const PageOf rateOld = [](TFrmMain& w) { return w.tabRateOld; };
    const PageOf rmb = [](TFrmMain& w) { return w.tabRMB; };
    const PageOf contact = [](TFrmMain& w) { return w.tabContact; };
    const PageOf anyFocus = [](TFrmMain&) -> QWidget* { return nullptr; };

    QTest::newRow("tab to the previous calculator")
        << Route([](TFrmMain& w) { ClickTab(w, w.tabCalcOld); }) << calcOld
        << PageOf([](TFrmMain& w) -> QWidget* { return w.txtIncome; });
    QTest::newRow("tab to a rate table leaves the focus on the page")
        << Route([](TFrmMain& w) { ClickTab(w, w.tabRateOld); }) << rateOld << rateOld;
    QTest::newRow("rate link of the current calculator")
        << Route([](TFrmMain& w) { Click(w.txtLinkRateNew); }) << rateNew << rateNew;
    QTest::newRow("rate link of the previous calculator") << Route([](TFrmMain& w) {
      ClickTab(w, w.tabCalcOld);
      Click(w.txtLinkRateOld);
    }) << rateOld << rateOld;
    QTest::newRow("toolbar coin button")
        << Route([](TFrmMain& w) { Click(w.ToolButton2); }) << rmb << anyFocus;
    QTest::newRow("Tools menu conversion entry")
        << Route([](TFrmMain& w) { ChooseFromMenu(w, Qt::Key_T, w.menuTools, Qt::Key_R); }) << rmb
        << anyFocus;
    QTest::newRow("Help menu contact entry")
        << Route([](TFrmMain& w) { ChooseFromMenu(w, Qt::Key_H, w.menuHelp, Qt::Key_C); })
        << contact << anyFocus;
    QTest::newRow("Ctrl+Tab to the next page") << Route([](TFrmMain&) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    }) << rateNew << rateNew;
    QTest::newRow("back to the current calculator from a rate table") << Route([](TFrmMain& w) {
      ClickTab(w, w.tabRateNew);
      ClickTab(w, w.tabCalcNew);
    }) << calcNew << PageOf([](TFrmMain& w) -> QWidget* { return w.txtIncomeNew; });
  }

  void switchesPages() {
    QFETCH(Route, route);
    QFETCH(PageOf, target);
    QFETCH(PageOf, expectedFocus);
    QSignalSpy shown(window.get(), &TFrmMain::pageShown);

    route(*window);

    QWidget* page = target(*window);
    QCOMPARE(window->pageMain->currentWidget(), page);
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown.last().at(0).value<QWidget*>(), page);
    int timesShown = 0;
    for (const QList<QVariant>& event : shown) {
      if (event.at(0).value<QWidget*>() == page) ++timesShown;
    }
    QCOMPARE(timesShown, 1);
    if (QWidget* focus = expectedFocus(*window)) QCOMPARE(QApplication::focusWidget(), focus);
  }

  void showingTheActivePageChangesNothing() {
    Click(window->ToolButton2);
    QCOMPARE(window->pageMain->currentWidget(), window->tabRMB);
    window->txtIncomeNew->setFocus();  // hidden, so the focus goes nowhere new
    QWidget* focusBefore = QApplication::focusWidget();
    QSignalSpy shown(window.get(), &TFrmMain::pageShown);

    Click(window->ToolButton2);
    ChooseFromMenu(*window, Qt::Key_T, window->menuTools, Qt::Key_R);
    ClickTab(*window, window->tabRMB);

    QCOMPARE(shown.size(), 0);
    QCOMPARE(QApplication::focusWidget(), focusBefore);
  }

  void showingTheActiveCalculatorKeepsTheFocusOnItsButton() {
    Click(window->btnCalcNew);
    QCOMPARE(QApplication::focusWidget(), window->btnCalcNew);
    QSignalSpy shown(window.get(), &TFrmMain::pageShown);

    ClickTab(*window, window->tabCalcNew);

    QCOMPARE(shown.size(), 0);
    QCOMPARE(QApplication::focusWidget(), window->btnCalcNew);
  }

  void returningToAPageRunsItsShowBehaviourAgain() {
    Type(window->txtIncomeNew, QStringLiteral("5000"));
    Click(window->btnCalcNew);
    ClickTab(*window, window->tabCalcOld);
    QCOMPARE(QApplication::focusWidget(), window->txtIncome);

    ClickTab(*window, window->tabCalcNew);

    QCOMPARE(QApplication::focusWidget(), window->txtIncomeNew);
    QCOMPARE(window->txtIncomeNew->selectedText(), QStringLiteral("5000"));
  }

  void ctrlTabWrapsBothWays() {
    QSignalSpy shown(window.get(), &TFrmMain::pageShown);
    QList<QWidget*> visited;
    for (int i = 0; i < 6; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
      visited << window->pageMain->currentWidget();
    }
    QCOMPARE(visited, QList<QWidget*>({window->tabRateNew, window->tabCalcOld, window->tabRateOld,
                                       window->tabRMB, window->tabContact, window->tabCalcNew}));
    QCOMPARE(shown.size(), 6);
    QCOMPARE(QApplication::focusWidget(), window->txtIncomeNew);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(window->pageMain->currentWidget(), window->tabContact);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(window->pageMain->currentWidget(), window->tabCalcNew);
  }

  // Every home-page link hands the shell the same request.
  void homePageLinksOpenTheHomePage_data() {
    QTest::addColumn<Route>("route");
    QTest::newRow("Help menu entry")
        << Route([](TFrmMain& w) { ChooseFromMenu(w, Qt::Key_H, w.menuHelp, Qt::Key_W); });
    QTest::newRow("logo, current calculator") << Route([](TFrmMain& w) { Click(w.imgLinkFeniko); });
    QTest::newRow("slogan, current calculator")
        << Route([](TFrmMain& w) { Click(w.txtLinkFeniko); });
    QTest::newRow("logo, previous calculator") << Route([](TFrmMain& w) {
      ClickTab(w, w.tabCalcOld);
      Click(w.Image2);
    });
    QTest::newRow("slogan, previous calculator") << Route([](TFrmMain& w) {
      ClickTab(w, w.tabCalcOld);
      Click(w.StaticText7);
    });
  }

  void homePageLinksOpenTheHomePage() {
    QFETCH(Route, route);
    route(*window);
    QCOMPARE(shell->requests.size(), std::size_t{1});
    QVERIFY(shell->requests[0] == HomePageRequest(*window));
  }

  void programEntriesStartACopyEachTime_data() {
    QTest::addColumn<Qt::Key>("entryKey");
    QTest::addColumn<QString>("program");
    QTest::newRow("Calculator") << Qt::Key_C << QStringLiteral("calc.exe");
    QTest::newRow("Notepad") << Qt::Key_N << QStringLiteral("notepad.exe");
  }

  void programEntriesStartACopyEachTime() {
    QFETCH(Qt::Key, entryKey);
    QFETCH(QString, program);
    ChooseFromMenu(*window, Qt::Key_T, window->menuTools, entryKey);
    ChooseFromMenu(*window, Qt::Key_T, window->menuTools, entryKey);
    const ShellRequest expected{static_cast<std::uintptr_t>(window->winId()),
                                "open",
                                program.toStdString(),
                                std::nullopt,
                                std::nullopt,
                                1};
    QCOMPARE(shell->requests.size(), std::size_t{2});
    QVERIFY(shell->requests[0] == expected);
    QVERIFY(shell->requests[1] == expected);
  }

  void aHomePageThatCannotOpenShowsNothing() {
    shell->failure = "no browser";
    MessageBoxCatcher catcher;
    Type(window->txtIncomeNew, QStringLiteral("42"));
    Click(window->imgLinkFeniko);
    QApplication::processEvents();
    QCOMPARE(shell->requests.size(), std::size_t{1});
    QVERIFY(catcher.Seen().empty());
    QCOMPARE(window->txtIncomeNew->text(), QStringLiteral("42"));
  }

  void aFailingHandlerShowsTheGeneralErrorDisplayAndTheWindowGoesOn() {
    shell->failure = "No calculator found";
    MessageBoxCatcher catcher;
    ChooseFromMenu(*window, Qt::Key_T, window->menuTools, Qt::Key_C);

    QCOMPARE(catcher.Seen().size(), std::size_t{1});
    const SeenMessageBox& box = catcher.Seen()[0];
    QCOMPARE(box.title, QStringLiteral("Feniko"));
    QCOMPARE(box.text, QStringLiteral("No calculator found."));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QStringList({QStringLiteral("OK")}));
    QVERIFY(box.modal);

    // Still running: the calculator page works as before.
    Type(window->txtIncomeNew, QStringLiteral("5000"));
    Click(window->btnCalcNew);
    QCOMPARE(window->lblTaxNew->text(), QStringLiteral("应纳税额：45 元"));
  }

  void rereadsTheDecimalSeparatorWhenTheSystemAnnouncesAChange_data() {
    QTest::addColumn<bool>("toTheApplication");
    QTest::newRow("announced to the application") << true;
    QTest::newRow("announced to the window") << false;
  }

  void rereadsTheDecimalSeparatorWhenTheSystemAnnouncesAChange() {
    QFETCH(bool, toTheApplication);
    feniko::SetDecimalSeparator(",");
    QEvent change(QEvent::LocaleChange);
    QApplication::sendEvent(toTheApplication ? static_cast<QObject*>(qApp) : window.get(), &change);
    QCOMPARE(feniko::DecimalSeparator(), std::string_view("."));  // LC_ALL=C
  }

  void exitEndsTheApplicationAtOnce() {
    Type(window->txtIncomeNew, QStringLiteral("5000"));
    Click(window->btnCalcNew);
    MessageBoxCatcher catcher;
    QTimer::singleShot(0, window.get(),
                       [this] { ChooseFromMenu(*window, Qt::Key_F, window->menuFile, Qt::Key_X); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(catcher.Seen().empty());
  }

 private:
  std::unique_ptr<RecordingShell> shell;
  std::unique_ptr<TFrmMain> window;
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
