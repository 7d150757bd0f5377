// The two calculator pages as a user sees them: what each typed income shows,
// in which colour, where the focus and the selection are left; Reset; Enter
// acting on its release; the income box's limit and selection.

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "UiTestSupport.h"
#include "numtext/DecimalSeparator.h"
#include "ui/AppSetup.h"
#include "ui/widgets/EditBox.h"
#include "ui/widgets/GroupBox.h"
#include "ui/widgets/StaticText.h"
#include "ui/widgets/UiFont.h"
#include "ui/widgets/WhitePanel.h"

using feniko::ui::EditBox;
using feniko::ui::StaticText;
using feniko::ui::TFrmMain;
using namespace feniko::ui::testing;

namespace {

// One calculator page seen through its controls.
struct Page {
  QWidget* tab;
  EditBox* income;
  QPushButton* calculate;
  QPushButton* reset;
  StaticText* message;
  QList<StaticText*> lines;
};

Page CurrentPage(TFrmMain& w) {
  return {w.tabCalcNew,
          w.txtIncomeNew,
          w.btnCalcNew,
          w.btnResetNew,
          w.txtCalcMsgNew,
          {w.lblIncomeNew, w.lblTaxableIncomeNew, w.lblRateNew, w.lblDeductNew, w.lblTaxNew,
           w.lblIncomeAfterTaxNew}};
}

Page PreviousPage(TFrmMain& w) {
  return {w.tabCalcOld,
          w.txtIncome,
          w.btnCalc,
          w.btnReset,
          w.lblWarning,
          {w.lblIncome, w.lblTaxableIncome, w.lblRate, w.lblDeduct, w.lblTax, w.lblIncomeAfterTax}};
}

const QStringList kZeroLines{
    QStringLiteral("收入金额：0.00元"), QStringLiteral("应纳税所得额：0.00元"),
    QStringLiteral("适用税率：0%"),     QStringLiteral("速算扣除数：0.00元"),
    QStringLiteral("应纳税额：0.00元"), QStringLiteral("税后收入：0.00元")};

const QString kInvalid = QStringLiteral("请输入有效的金额");
const QString kTaxFreeCurrent = QStringLiteral("收入金额小于等于3500元，不必纳税!");
const QString kTaxFreePrevious = QStringLiteral("收入金额小于等于2000元，不必纳税!");

QStringList Lines(const Page& page) {
  QStringList texts;
  for (StaticText* line : page.lines) texts << line->text();
  return texts;
}

QStringList ResultLines(const QString& income, const QString& taxable, const QString& rate,
                        const QString& deduct, const QString& tax, const QString& afterTax) {
  return {QStringLiteral("收入金额：%1 元").arg(income),
          QStringLiteral("应纳税所得额：%1 元").arg(taxable),
          QStringLiteral("适用税率：%1%").arg(rate),
          QStringLiteral("速算扣除数：%1 元").arg(deduct),
          QStringLiteral("应纳税额：%1 元").arg(tax),
          QStringLiteral("税后收入：%1 元").arg(afterTax)};
}

enum class Trigger { Button, Enter };
enum class Colour { None, Red, Blue };

}  // namespace

Q_DECLARE_METATYPE(Trigger)
Q_DECLARE_METATYPE(Colour)

class TaxPagesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { feniko::ui::ConfigureApplication(); }

  void init() {
    feniko::SetDecimalSeparator(".");
    shell = std::make_unique<RecordingShell>();
    window = ShowWindow(*shell);
  }
  void cleanup() {
    window.reset();
    shell.reset();
  }

  void startsBlank() {
    for (const Page& page : {CurrentPage(*window), PreviousPage(*window)}) {
      QCOMPARE(page.income->text(), QString());
      QCOMPARE(page.message->text(), QString());
      QCOMPARE(page.message->size(), QSize(4, 4));
      QCOMPARE(Lines(page), kZeroLines);
    }
  }

  void calculates_data() {
    QTest::addColumn<bool>("previous");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Trigger>("trigger");
    QTest::addColumn<QString>("message");
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<QStringList>("lines");  // an empty entry is not looked at
    QTest::addColumn<bool>("textSelected");

    const auto result = ResultLines;
    QTest::newRow("current, empty box, button")
        << false << QString() << Trigger::Button << kInvalid << Colour::Red << kZeroLines << false;
    QTest::newRow("current, spaces only, button")
        << false << QStringLiteral("   ") << Trigger::Button << kInvalid << Colour::Red
        << kZeroLines << true;
    QTest::newRow("previous, empty box, button")
        << true << QString() << Trigger::Button << kInvalid << Colour::Red << kZeroLines << false;
    QTest::newRow("previous, spaces only, button")
        << true << QStringLiteral("  ") << Trigger::Button << kInvalid << Colour::Red << kZeroLines
        << true;
    QTest::newRow("current, abc, Enter") << false << QStringLiteral("abc") << Trigger::Enter
                                         << kInvalid << Colour::Red << kZeroLines << true;
    QTest::newRow("previous, abc, Enter") << true << QStringLiteral("abc") << Trigger::Enter
                                          << kInvalid << Colour::Red << kZeroLines << true;
    QTest::newRow("current, beyond the double range")
        << false << QStringLiteral("1e400") << Trigger::Button << kInvalid << Colour::Red
        << kZeroLines << true;
    QTest::newRow("current, threshold") << false << QStringLiteral("3500") << Trigger::Button
                                        << kTaxFreeCurrent << Colour::Blue << kZeroLines << false;
    QTest::newRow("current, normalised to the threshold")
        << false << QStringLiteral("3500.004") << Trigger::Button << kTaxFreeCurrent << Colour::Blue
        << kZeroLines << false;
    QTest::newRow("current, zero") << false << QStringLiteral("0") << Trigger::Button
                                   << kTaxFreeCurrent << Colour::Blue << kZeroLines << false;
    QTest::newRow("current, negative") << false << QStringLiteral("-100") << Trigger::Button
                                       << kTaxFreeCurrent << Colour::Blue << kZeroLines << false;
    QTest::newRow("previous, threshold") << true << QStringLiteral("2000") << Trigger::Button
                                         << kTaxFreePrevious << Colour::Blue << kZeroLines << false;
    QTest::newRow("previous, 3500 is taxed there")
        << true << QStringLiteral("3500") << Trigger::Button << QString() << Colour::None
        << result("3500", "1500", "10", "25", "125", "3375") << false;
    QTest::newRow("current, 5000, Enter")
        << false << QStringLiteral("5000") << Trigger::Enter << QString() << Colour::None
        << result("5000", "1500", "3", "0", "45", "4955") << true;
    QTest::newRow("current, 5000.02 shows the tax unrounded")
        << false << QStringLiteral("5000.02") << Trigger::Button << QString() << Colour::None
        << QStringList({QString(), QString(), QString(), QString(),
                        QStringLiteral("应纳税额：45.0020000000001 元"), QString()})
        << false;
    QTest::newRow("current, 5000.1 shows the normalised income")
        << false << QStringLiteral("5000.1") << Trigger::Button << QString() << Colour::None
        << QStringList({QStringLiteral("收入金额：5000.1 元"), QString(), QString(), QString(),
                        QString(), QString()})
        << false;
    QTest::newRow("current, exponent form")
        << false << QStringLiteral("1e5") << Trigger::Enter << QString() << Colour::None
        << result("100000", "96500", "45", "13505", "29920", "70080") << true;
    QTest::newRow("current, longest plain number")
        << false << QStringLiteral("9999999999") << Trigger::Button << QString() << Colour::None
        << result("9999999999", "9999996499", "45", "13505", "4499984919.55", "5500015079.45")
        << false;
    QTest::newRow("previous, longest plain number")
        << true << QStringLiteral("9999999999") << Trigger::Enter << QString() << Colour::None
        << result("9999999999", "9999997999", "45", "15375", "4499983724.55", "5500016274.45")
        << true;
  }

  void calculates() {
    QFETCH(bool, previous);
    QFETCH(QString, typed);
    QFETCH(Trigger, trigger);
    QFETCH(QString, message);
    QFETCH(Colour, colour);
    QFETCH(QStringList, lines);
    QFETCH(bool, textSelected);
    const Page page = previous ? PreviousPage(*window) : CurrentPage(*window);
    ClickTab(*window, page.tab);
    Type(page.income, typed);

    if (trigger == Trigger::Button) {
      Click(page.calculate);
      QCOMPARE(QApplication::focusWidget(), page.calculate);
    } else {
      QTest::keyClick(page.income, Qt::Key_Return);
      QCOMPARE(QApplication::focusWidget(), page.income);
    }

    QCOMPARE(page.message->text(), message);
    if (colour != Colour::None) {
      QCOMPARE(page.message->TextColour().rgba(),
               (colour == Colour::Red ? feniko::ui::kRed : feniko::ui::kBlue).rgba());
    }
    const QStringList shown = Lines(page);
    for (int i = 0; i < lines.size(); ++i) {
      if (!lines[i].isEmpty()) QCOMPARE(shown[i], lines[i]);
    }
    QCOMPARE(page.income->text(), typed);  // the normalised amount is not written back
    QCOMPARE(page.income->selectedText(), textSelected ? typed : QString());
  }

  void theMessageColourFollowsTheLastMessage() {
    const Page page = CurrentPage(*window);
    Type(page.income, QStringLiteral("100"));
    QTest::keyClick(page.income, Qt::Key_Return);
    QCOMPARE(page.message->TextColour().rgba(), feniko::ui::kBlue.rgba());
    Type(page.income, QStringLiteral("x"));  // replaces the selected text
    QTest::keyClick(page.income, Qt::Key_Return);
    QCOMPARE(page.message->text(), kInvalid);
    QCOMPARE(page.message->TextColour().rgba(), feniko::ui::kRed.rgba());
    Type(page.income, QStringLiteral("3000"));
    QTest::keyClick(page.income, Qt::Key_Return);
    QCOMPARE(page.message->text(), kTaxFreeCurrent);
    QCOMPARE(page.message->TextColour().rgba(), feniko::ui::kBlue.rgba());
    Type(page.income, QStringLiteral("5000"));
    QTest::keyClick(page.income, Qt::Key_Return);
    QCOMPARE(page.message->text(), QString());
    QCOMPARE(page.message->size(), QSize(4, 4));
  }

  void calculatingTwiceShowsTheSameLines() {
    const Page page = CurrentPage(*window);
    Type(page.income, QStringLiteral("12345.67"));
    Click(page.calculate);
    const QStringList first = Lines(page);
    Click(page.calculate);
    QCOMPARE(Lines(page), first);
    QVERIFY(first != kZeroLines);
  }

  void resetClearsThePage_data() {
    QTest::addColumn<bool>("previous");
    QTest::addColumn<QString>("messageAfterReset");
    QTest::newRow("current page clears its message") << false << QString();
    QTest::newRow("previous page keeps its message") << true << kTaxFreePrevious;
  }

  void resetClearsThePage() {
    QFETCH(bool, previous);
    QFETCH(QString, messageAfterReset);
    const Page page = previous ? PreviousPage(*window) : CurrentPage(*window);
    ClickTab(*window, page.tab);
    Type(page.income, QStringLiteral("1999"));
    Click(page.calculate);
    QVERIFY(!page.message->text().isEmpty());

    Click(page.reset);

    QCOMPARE(page.income->text(), QString());
    QCOMPARE(page.message->text(), messageAfterReset);
    QCOMPARE(Lines(page), kZeroLines);
    QCOMPARE(QApplication::focusWidget(), page.income);

    Type(page.income, QStringLiteral("8000"));
    Click(page.calculate);
    Click(page.reset);
    QCOMPARE(Lines(page), kZeroLines);
  }

  void enterActsOnItsRelease_data() {
    QTest::addColumn<bool>("previous");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("current, main Enter")
        << false << Qt::Key_Return << Qt::KeyboardModifiers(Qt::NoModifier);
    QTest::newRow("current, keypad Enter")
        << false << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier);
    QTest::newRow("current, Shift+Enter")
        << false << Qt::Key_Return << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("previous, Ctrl+keypad Enter")
        << true << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::KeypadModifier);
  }

  void enterActsOnItsRelease() {
    QFETCH(bool, previous);
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    const Page page = previous ? PreviousPage(*window) : CurrentPage(*window);
    ClickTab(*window, page.tab);
    Type(page.income, QStringLiteral("6000"));

    Press(page.income, key, modifiers);
    QCOMPARE(Lines(page), kZeroLines);
    // A held key repeats as releases and presses marked as repetition.
    for (int i = 0; i < 3; ++i) {
      Release(page.income, key, modifiers, true);
      Press(page.income, key, modifiers, true);
    }
    QCOMPARE(Lines(page), kZeroLines);
    Release(page.income, key, modifiers);

    QVERIFY(Lines(page) != kZeroLines);
    QCOMPARE(QApplication::focusWidget(), page.income);
    QCOMPARE(page.income->selectedText(), QStringLiteral("6000"));
  }

  void otherKeysDoNotCalculate() {
    const Page page = CurrentPage(*window);
    Type(page.income, QStringLiteral("6000"));
    QTest::keyClick(page.income, Qt::Key_Space);
    QTest::keyClick(page.income, Qt::Key_Backspace);
    QTest::keyClick(page.income, Qt::Key_Escape);
    QCOMPARE(Lines(page), kZeroLines);
    QCOMPARE(page.message->text(), QString());
  }

  void theIncomeBoxTakesAtMostTenCharacters() {
    const Page page = CurrentPage(*window);
    Type(page.income, QStringLiteral("99999999999"));
    QCOMPARE(page.income->text(), QStringLiteral("9999999999"));

    page.income->clear();
    Type(page.income, QStringLiteral("12345678"));
    QApplication::clipboard()->setText(QStringLiteral("123"));
    QTest::keyClick(page.income, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(page.income->text(), QStringLiteral("12345678"));
    QApplication::clipboard()->setText(QStringLiteral("12"));
    QTest::keyClick(page.income, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(page.income->text(), QStringLiteral("1234567812"));
  }

  void theIncomeBoxSelectsAllUnlessClicked() {
    const Page page = PreviousPage(*window);
    ClickTab(*window, page.tab);
    Type(page.income, QStringLiteral("2500"));
    Click(page.calculate);
    QCOMPARE(page.income->selectedText(), QString());

    QTest::keyClick(page.calculate, Qt::Key_Backtab, Qt::ShiftModifier);  // back into the box
    QCOMPARE(QApplication::focusWidget(), page.income);
    QCOMPARE(page.income->selectedText(), QStringLiteral("2500"));

    Click(page.calculate);
    Click(page.income);
    QCOMPARE(QApplication::focusWidget(), page.income);
    QCOMPARE(page.income->selectedText(), QString());
  }

  void aSelectionShowsOnlyWhileTheBoxHasTheFocus() {
    const Page page = CurrentPage(*window);
    Type(page.income, QStringLiteral("abc"));
    Click(page.calculate);  // invalid: selects the text without moving the focus
    QCOMPARE(page.income->selectedText(), QStringLiteral("abc"));
    const QPalette unfocused = page.income->palette();
    QCOMPARE(unfocused.color(QPalette::Highlight), unfocused.color(QPalette::Base));

    QTest::keyClick(page.calculate, Qt::Key_Backtab, Qt::ShiftModifier);
    const QPalette focused = page.income->palette();
    QVERIFY(focused.color(QPalette::Highlight) != focused.color(QPalette::Base));
    QCOMPARE(page.income->selectedText(), QStringLiteral("abc"));
  }

  void onlyTheBoxAndTheButtonsTakeTheFocusInThatOrder_data() {
    QTest::addColumn<bool>("previous");
    QTest::newRow("current") << false;
    QTest::newRow("previous") << true;
  }

  void onlyTheBoxAndTheButtonsTakeTheFocusInThatOrder() {
    QFETCH(bool, previous);
    const Page page = previous ? PreviousPage(*window) : CurrentPage(*window);
    QList<QWidget*> focusable;
    for (QWidget* control : page.tab->findChildren<QWidget*>()) {
      if (control->focusPolicy() != Qt::NoFocus) focusable << control;
    }
    QCOMPARE(focusable.size(), 3);
    QVERIFY(focusable.contains(page.income));
    ClickTab(*window, page.tab);
    QCOMPARE(QApplication::focusWidget(), page.income);
    QTest::keyClick(page.income, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), page.calculate);
    QTest::keyClick(page.calculate, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), page.reset);
    QTest::keyClick(page.reset, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(page.calculate, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), page.income);
  }

  // The look that tells the pages' parts apart: fonts, colours and places.
  void showsTheTextsInTheirFontsAndColours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("colour");  // invalid: the window text colour
    const QColor plain;
    for (const auto& [title, caption, note, noteText, formula, formulaText, link, slogan] :
         {std::tuple{"StaticText19", "StaticText20", "StaticText24", "注：当前起征额为3500元。",
                     "StaticText31", "应纳税所得额 = 工资薪金所得 - 起征额(3500元)",
                     "txtLinkRateNew", "txtLinkFeniko"},
          std::tuple{"StaticText4", "StaticText6", "StaticText13", "注：当前起征额为2000元。",
                     "StaticText10", "应纳税所得额 = 工资薪金所得 - 起征额(2000元)",
                     "txtLinkRateOld", "StaticText7"}}) {
      QTest::addRow("%s", title) << title << QStringLiteral("工资、薪金所得") << QPoint(80, 44)
                                 << 19 << true << feniko::ui::kMaroon;
      QTest::addRow("%s", caption)
          << caption << QStringLiteral("收入金额：") << QPoint(80, 88) << 11 << true << plain;
      QTest::addRow("%s", note) << note << QString::fromUtf8(noteText) << QPoint(80, 140) << 11
                                << false << feniko::ui::kGrey;
      QTest::addRow("%s", formula)
          << formula << QString::fromUtf8(formulaText) << QPoint(30, 39) << 11 << false << plain;
      QTest::addRow("%s", link) << link << QStringLiteral("查看税率表") << QPoint(440, 312) << 15
                                << false << feniko::ui::kBlue;
      QTest::addRow("%s", slogan) << slogan << QStringLiteral("Feniko - 我的个人所得税专家！")
                                  << QPoint(590, 89) << 11 << false << plain;
    }
    QTest::newRow("lblTaxNew") << "lblTaxNew" << QStringLiteral("应纳税额：0.00元")
                               << QPoint(30, 181) << 11 << true << feniko::ui::kRed;
    QTest::newRow("lblIncomeAfterTax") << "lblIncomeAfterTax" << QStringLiteral("税后收入：0.00元")
                                       << QPoint(30, 207) << 11 << true << feniko::ui::kRed;
    QTest::newRow("lblDeduct") << "lblDeduct" << QStringLiteral("速算扣除数：0.00元")
                               << QPoint(30, 137) << 11 << false << plain;
  }

  void showsTheTextsInTheirFontsAndColours() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QPoint, place);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(QColor, colour);
    auto* label = window->findChild<StaticText*>(name);
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->pos(), place);
    QCOMPARE(label->font().pixelSize(), pixelSize);
    QCOMPARE(label->font().bold(), bold);
    QCOMPARE(label->TextColour().rgba(),
             (colour.isValid() ? colour : window->palette().color(QPalette::WindowText)).rgba());
    QVERIFY(label->width() >= QFontMetrics(label->font()).horizontalAdvance(text));
  }

  void thePreviousPageIsFlatAndTheCurrentOneThreeDimensional() {
    using feniko::ui::GroupBox;
    using feniko::ui::WhitePanel;
    QCOMPARE(window->Panel5->EdgeStyle(), WhitePanel::Edge::Raised);
    QCOMPARE(window->GroupBox8->EdgeStyle(), GroupBox::Edge::Etched);
    QCOMPARE(window->GroupBox9->EdgeStyle(), GroupBox::Edge::Etched);
    QCOMPARE(window->Panel4->EdgeStyle(), WhitePanel::Edge::Flat);
    QCOMPARE(window->GroupBox2->EdgeStyle(), GroupBox::Edge::Flat);
    QCOMPARE(window->GroupBox1->EdgeStyle(), GroupBox::Edge::Flat);
    QCOMPARE(window->GroupBox1->width(), 337);
    QCOMPARE(window->GroupBox8->Caption(), QStringLiteral("详细计算结果："));
    QCOMPARE(window->GroupBox9->Caption(), QStringLiteral("计算公式："));
  }

  void thePagesAreIndependent() {
    const Page current = CurrentPage(*window);
    const Page previous = PreviousPage(*window);
    Type(current.income, QStringLiteral("5000"));
    Click(current.calculate);
    ClickTab(*window, previous.tab);
    Type(previous.income, QStringLiteral("abc"));
    Click(previous.calculate);
    ClickTab(*window, current.tab);
    QCOMPARE(current.lines[4]->text(), QStringLiteral("应纳税额：45 元"));
    QCOMPARE(current.message->text(), QString());
    QCOMPARE(previous.message->text(), kInvalid);
  }

 private:
  std::unique_ptr<RecordingShell> shell;
  std::unique_ptr<TFrmMain> window;
};

QTEST_MAIN(TaxPagesTest)
#include "TaxPagesTest.moc"
