// The two calculator pages: the current schedule (tabCalcNew) and the
// previous one (tabCalcOld). They are laid out alike; the previous page is
// drawn without three-dimensional borders and has no NEW badge.

#include <QPushButton>
#include <QWidget>
#include <array>
#include <string>

#include "pages/TaxPage.h"
#include "ui/UMain.h"
#include "ui/widgets/EditBox.h"
#include "ui/widgets/GroupBox.h"
#include "ui/widgets/PageBuilding.h"
#include "ui/widgets/Picture.h"
#include "ui/widgets/StaticText.h"
#include "ui/widgets/UiFont.h"
#include "ui/widgets/WhitePanel.h"

namespace feniko::ui {
namespace {

constexpr int kIncomeLengthLimit = 10;

// The names and texts in which the two pages differ.
struct TaxPageNames {
  const char* panel;
  const char* logo;
  const char* title;
  const char* incomeCaption;
  const char* income;
  const char* thresholdNote;
  QString thresholdNoteText;
  const char* calculate;
  const char* reset;
  const char* results;
  std::array<const char*, kResultLineCount> lines;
  const char* formulaBox;
  int formulaBoxWidth;
  const char* formula1;
  QString formula1Text;
  const char* formula2;
  const char* rateLink;
  const char* slogan;
  const char* message;
  QPoint messagePlace;
  bool flat;
};

// The members of TFrmMain that one page's builder fills in.
struct TaxPageControls {
  WhitePanel*& panel;
  Picture*& logo;
  StaticText*& title;
  StaticText*& incomeCaption;
  EditBox*& income;
  StaticText*& thresholdNote;
  QPushButton*& calculate;
  QPushButton*& reset;
  GroupBox*& results;
  std::array<StaticText**, kResultLineCount> lines;
  GroupBox*& formulaBox;
  StaticText*& formula1;
  StaticText*& formula2;
  StaticText*& rateLink;
  StaticText*& slogan;
  StaticText*& message;
};

void BuildTaxPage(QWidget* page, const TaxPageNames& names, const TaxPageControls& c) {
  const auto edge = names.flat ? WhitePanel::Edge::Flat : WhitePanel::Edge::Raised;
  const auto groupEdge = names.flat ? GroupBox::Edge::Flat : GroupBox::Edge::Etched;
  const QFont normal = UiFont(11);

  c.panel = Named(new WhitePanel(edge, page), names.panel);
  c.panel->setGeometry(0, 0, page->width(), page->height());
  QWidget* panel = c.panel;

  c.logo = Named(new Picture(QStringLiteral(":/art/logo.svg"), panel), names.logo);
  c.logo->setGeometry(545, 26, 207, 65);
  c.logo->SetClickable(true);

  c.title = MakeText(panel, names.title, QStringLiteral("工资、薪金所得"), {80, 44},
                     UiFont(19, true), kMaroon);
  c.incomeCaption = MakeText(panel, names.incomeCaption, QStringLiteral("收入金额："), {80, 88},
                             UiFont(11, true));

  c.income = Named(new EditBox(panel), names.income);
  c.income->setFont(UiFont(16));
  c.income->setGeometry(80, 105, 198, 28);
  c.income->SetLengthLimit(kIncomeLengthLimit);

  c.thresholdNote =
      MakeText(panel, names.thresholdNote, names.thresholdNoteText, {80, 140}, normal, kGrey);
  c.calculate = MakeButton(panel, names.calculate, QStringLiteral("开始计算"), {80, 177});
  c.reset = MakeButton(panel, names.reset, QStringLiteral("重置"), {188, 177});

  c.results =
      Named(new GroupBox(QStringLiteral("详细计算结果："), groupEdge, panel), names.results);
  c.results->setFont(UiFont(15));
  c.results->setGeometry(80, 232, 330, 241);
  const std::array<QPoint, kResultLineCount> linePlaces{
      {{30, 40}, {30, 81}, {30, 110}, {30, 137}, {30, 181}, {30, 207}}};
  const ResultLines& zero = ZeroResultLines();
  for (std::size_t i = 0; i < kResultLineCount; ++i) {
    const bool taxLine = i >= 4;  // tax and income after tax stand out
    *c.lines[i] = MakeText(c.results, names.lines[i], FromUtf8(zero[i]), linePlaces[i],
                           UiFont(11, taxLine), taxLine ? kRed : QColor());
  }

  c.formulaBox =
      Named(new GroupBox(QStringLiteral("计算公式："), groupEdge, panel), names.formulaBox);
  c.formulaBox->setFont(normal);
  c.formulaBox->setGeometry(440, 352, names.formulaBoxWidth, 121);
  c.formula1 = MakeText(c.formulaBox, names.formula1, names.formula1Text, {30, 39}, normal);
  c.formula2 =
      MakeText(c.formulaBox, names.formula2,
               QStringLiteral("应纳税额 = 应纳税所得额 x 税率 - 速算扣除数"), {55, 75}, normal);

  c.rateLink =
      MakeText(panel, names.rateLink, QStringLiteral("查看税率表"), {440, 312}, UiFont(15), kBlue);
  c.rateLink->SetClickable(true);
  c.slogan = MakeText(panel, names.slogan, QStringLiteral("Feniko - 我的个人所得税专家！"),
                      {590, 89}, normal);
  c.slogan->SetClickable(true);
  c.message = MakeText(panel, names.message, QString(), names.messagePlace, normal, kRed);

  // Only the income box and the two buttons take the focus, in this order.
  QWidget::setTabOrder(c.income, c.calculate);
  QWidget::setTabOrder(c.calculate, c.reset);
}

struct TaxPageView {
  EditBox* income;
  StaticText* message;
  std::array<StaticText*, kResultLineCount> lines;
};

void ShowLines(const TaxPageView& view, const ResultLines& texts) {
  for (std::size_t i = 0; i < kResultLineCount; ++i) view.lines[i]->SetText(FromUtf8(texts[i]));
}

void Calculate(const TaxPageView& view, Schedule schedule) {
  // The page algorithm cannot fail, so the page goes straight to its final
  // state: the emptied message and zero lines that a calculation starts from
  // are never seen on their own.
  const TaxOutcome outcome = RunTaxCalculation(schedule, view.income->text().toStdString());
  // The colour stays as last set until the next message sets it.
  if (!outcome.message.empty())
    view.message->SetTextColour(outcome.colour == MessageColour::Blue ? kBlue : kRed);
  view.message->SetText(FromUtf8(outcome.message));
  ShowLines(view, outcome.lines);
  // Selecting works without the focus too; the selection shows once the box
  // has it.
  if (outcome.selectIncome) view.income->selectAll();
}

bool IsEnterKey(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

TaxPageView CurrentPageView(const TFrmMain& w) {
  return {w.txtIncomeNew,
          w.txtCalcMsgNew,
          {w.lblIncomeNew, w.lblTaxableIncomeNew, w.lblRateNew, w.lblDeductNew, w.lblTaxNew,
           w.lblIncomeAfterTaxNew}};
}

TaxPageView PreviousPageView(const TFrmMain& w) {
  return {w.txtIncome,
          w.lblWarning,
          {w.lblIncome, w.lblTaxableIncome, w.lblRate, w.lblDeduct, w.lblTax, w.lblIncomeAfterTax}};
}

}  // namespace

void TFrmMain::BuildCalcNewPage() {
  tabCalcNew->resize(832, 517);
  BuildTaxPage(tabCalcNew,
               {"Panel5",
                "imgLinkFeniko",
                "StaticText19",
                "StaticText20",
                "txtIncomeNew",
                "StaticText24",
                QStringLiteral("注：当前起征额为3500元。"),
                "btnCalcNew",
                "btnResetNew",
                "GroupBox8",
                {"lblIncomeNew", "lblTaxableIncomeNew", "lblRateNew", "lblDeductNew", "lblTaxNew",
                 "lblIncomeAfterTaxNew"},
                "GroupBox9",
                330,
                "StaticText31",
                QStringLiteral("应纳税所得额 = 工资薪金所得 - 起征额(3500元)"),
                "StaticText32",
                "txtLinkRateNew",
                "txtLinkFeniko",
                "txtCalcMsgNew",
                {296, 112},
                false},
               {Panel5,
                imgLinkFeniko,
                StaticText19,
                StaticText20,
                txtIncomeNew,
                StaticText24,
                btnCalcNew,
                btnResetNew,
                GroupBox8,
                {&lblIncomeNew, &lblTaxableIncomeNew, &lblRateNew, &lblDeductNew, &lblTaxNew,
                 &lblIncomeAfterTaxNew},
                GroupBox9,
                StaticText31,
                StaticText32,
                txtLinkRateNew,
                txtLinkFeniko,
                txtCalcMsgNew});

  Image5 = Named(new Picture(QStringLiteral(":/art/new-badge.svg"), Panel5), "Image5");
  Image5->setGeometry(232, 21, 57, 52);

  BindClick(imgLinkFeniko, &Picture::clicked, &TFrmMain::imgLinkFenikoClick);
  BindClick(txtLinkFeniko, &StaticText::clicked, &TFrmMain::imgLinkFenikoClick);
  BindClick(txtLinkRateNew, &StaticText::clicked, &TFrmMain::txtLinkRateNewClick);
  BindClick(btnCalcNew, &QPushButton::clicked, &TFrmMain::btnCalcNewClick);
  BindClick(btnResetNew, &QPushButton::clicked, &TFrmMain::btnResetNewClick);
  BindKeyUp(txtIncomeNew, &TFrmMain::txtIncomeNewKeyUp);
}

void TFrmMain::BuildCalcOldPage() {
  tabCalcOld->resize(832, 517);
  BuildTaxPage(
      tabCalcOld,
      {"Panel4",
       "Image2",
       "StaticText4",
       "StaticText6",
       "txtIncome",
       "StaticText13",
       QStringLiteral("注：当前起征额为2000元。"),
       "btnCalc",
       "btnReset",
       "GroupBox2",
       {"lblIncome", "lblTaxableIncome", "lblRate", "lblDeduct", "lblTax", "lblIncomeAfterTax"},
       "GroupBox1",
       337,
       "StaticText10",
       QStringLiteral("应纳税所得额 = 工资薪金所得 - 起征额(2000元)"),
       "StaticText11",
       "txtLinkRateOld",
       "StaticText7",
       "lblWarning",
       {288, 108},
       true},
      {Panel4,
       Image2,
       StaticText4,
       StaticText6,
       txtIncome,
       StaticText13,
       btnCalc,
       btnReset,
       GroupBox2,
       {&lblIncome, &lblTaxableIncome, &lblRate, &lblDeduct, &lblTax, &lblIncomeAfterTax},
       GroupBox1,
       StaticText10,
       StaticText11,
       txtLinkRateOld,
       StaticText7,
       lblWarning});

  BindClick(Image2, &Picture::clicked, &TFrmMain::imgLinkFenikoClick);
  BindClick(StaticText7, &StaticText::clicked, &TFrmMain::imgLinkFenikoClick);
  BindClick(txtLinkRateOld, &StaticText::clicked, &TFrmMain::txtLinkRateOldClick);
  BindClick(btnCalc, &QPushButton::clicked, &TFrmMain::btnCalcClick);
  BindClick(btnReset, &QPushButton::clicked, &TFrmMain::btnResetClick);
  BindKeyUp(txtIncome, &TFrmMain::txtIncomeKeyUp);
}

void TFrmMain::tabCalcNewShow() {
  txtIncomeNew->setFocus(Qt::OtherFocusReason);
}

void TFrmMain::tabCalcOldShow() {
  txtIncome->setFocus(Qt::OtherFocusReason);
}

void TFrmMain::btnCalcNewClick() {
  Calculate(CurrentPageView(*this), Schedule::Current);
}

void TFrmMain::btnCalcClick() {
  Calculate(PreviousPageView(*this), Schedule::Previous);
}

void TFrmMain::btnResetNewClick() {
  txtCalcMsgNew->SetText(QString());
  txtIncomeNew->clear();
  txtIncomeNew->setFocus(Qt::OtherFocusReason);
  ShowLines(CurrentPageView(*this), ZeroResultLines());
}

void TFrmMain::btnResetClick() {
  // The previous page leaves its message on screen.
  txtIncome->clear();
  txtIncome->setFocus(Qt::OtherFocusReason);
  ShowLines(PreviousPageView(*this), ZeroResultLines());
}

// Enter acts on its release, main keyboard or keypad, whatever modifiers are
// held; the releases of a held key's auto-repeat are skipped so that it
// calculates once.
void TFrmMain::txtIncomeNewKeyUp(int key, Qt::KeyboardModifiers /*modifiers*/, bool autoRepeat) {
  if (!IsEnterKey(key) || autoRepeat) return;
  btnCalcNewClick();
  txtIncomeNew->setFocus(Qt::OtherFocusReason);
  txtIncomeNew->selectAll();
}

void TFrmMain::txtIncomeKeyUp(int key, Qt::KeyboardModifiers /*modifiers*/, bool autoRepeat) {
  if (!IsEnterKey(key) || autoRepeat) return;
  btnCalcClick();
  txtIncome->setFocus(Qt::OtherFocusReason);
  txtIncome->selectAll();
}

void TFrmMain::txtLinkRateNewClick() {
  ShowPage(tabRateNew);
}

void TFrmMain::txtLinkRateOldClick() {
  ShowPage(tabRateOld);
}

}  // namespace feniko::ui
