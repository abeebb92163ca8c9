#include "reading/frm_numerology_pro_result.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "reading/core/comprehensive.h"
#include "reading/core/reading_numbers.h"
#include "reading/frm_numerology_pro_disp.h"
#include "reading/frm_numerology_pro_main.h"
#include "reading/frm_numerology_pro_save.h"
#include "services/platform.h"
#include "services/web_pages.h"
#include "shell/common_menu.h"
#include "shell/shell_windows.h"
#include "ui/controls.h"
#include "ui/rich_text_box.h"

namespace {
const QString kTitle = QStringLiteral("QZ Vidovuzovo Zed Software");

struct Cell {
  const char* button;
  int row;
  int column;
  int rowSpan = 1;
};

// Three columns; the right one starts at the fourth row and ends with the comprehensive reading.
constexpr Cell kCells[] = {
    {"cmdPersonalMonth", 0, 0},         {"cmdHiddenPassionNumber", 1, 0}, {"cmdLifePathPeriods", 2, 0},
    {"cmdPersonal", 3, 0},              {"cmdPinnaclePhases", 4, 0},      {"cmdSubconsciousSelfNumber", 5, 0},
    {"cmdLifePath", 6, 0},              {"cmdDestiny", 7, 0},             {"cmdKarmicLessonsNumber", 8, 0},
    {"cmdBirthDay", 0, 1},              {"cmdChallenge", 1, 1},           {"cmdKarmicDebtNumbers", 2, 1},
    {"cmdBalanceNumber", 3, 1},         {"cmdPersonalDay", 4, 1},         {"cmdRationalThoughtNumber", 5, 1},
    {"cmdHPBridgeNumber", 6, 1},        {"cmdLEBidgeNumber", 7, 1},       {"cmdEssence", 8, 1},
    {"cmdMaturityNumber", 3, 2},        {"cmdInnerDreams", 4, 2},         {"cmdPersonalAspects", 5, 2},
    {"cmdSoulUrge", 6, 2},              {"cmdComprehensiveReading", 7, 2, 2},
};
}  // namespace

void frmNumerologyProResult::CreateControls(QMainWindow* w) {
  w->setWindowTitle(kTitle);
  auto* central = new QWidget(w);
  auto* layout = new QVBoxLayout(central);

  auto* Label2 = new ui::Label(kTitle, central);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setAlignment(Qt::AlignCenter);
  QFont titleFont = Label2->font();
  titleFont.setPointSize(titleFont.pointSize() + 6);
  titleFont.setBold(true);
  Label2->setFont(titleFont);
  layout->addWidget(Label2);

  auto* fraButtons = new ui::Frame(SiteHost + QStringLiteral(" - QZ Vidovuzovo Zed Software"), central);
  fraButtons->setObjectName(QStringLiteral("fraButtons"));
  auto* grid = new QGridLayout(fraButtons);
  for (const Cell& cell : kCells) {
    const QString name = QString::fromLatin1(cell.button);
    const reading::ReadingNumber* number = reading::FindReadingNumber(name);
    auto* button = new QPushButton(number ? number->caption : QStringLiteral("Comprehensive Reading"), fraButtons);
    button->setObjectName(name);
    button->setMinimumHeight(32);
    if (cell.rowSpan > 1) button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    grid->addWidget(button, cell.row, cell.column, cell.rowSpan, 1);
    if (number) {
      QObject::connect(button, &QPushButton::clicked, w, [this, name] { RunNumber(name); });
    } else {
      QObject::connect(button, &QPushButton::clicked, w, [this] { cmdComprehensiveReading_Click(); });
    }
  }
  for (int column = 0; column < 3; ++column) grid->setColumnStretch(column, 1);
  layout->addWidget(fraButtons);

  auto* buttons = new QHBoxLayout;
  auto* cmdBack = new QPushButton(QStringLiteral("&Back"), central);
  cmdBack->setObjectName(QStringLiteral("cmdBack"));
  cmdBack->setVisible(false);
  auto* cmdDonate = new QPushButton(QStringLiteral("&Donate"), central);
  cmdDonate->setObjectName(QStringLiteral("cmdDonate"));
  auto* cmdExit = new QPushButton(QStringLiteral("E&xit"), central);
  cmdExit->setObjectName(QStringLiteral("cmdExit"));
  buttons->addStretch(1);
  buttons->addWidget(cmdBack);
  buttons->addWidget(cmdDonate);
  buttons->addWidget(cmdExit);
  layout->addLayout(buttons);

  layout->addWidget(shell::ForumBanner(central, QStringLiteral("Label8"), true));
  layout->addWidget(shell::PromotionLabels(central, shell::PromoFront::FullBrand, true));

  auto* fraAllLabels = new ui::Frame(QStringLiteral("All Labels"), central);
  fraAllLabels->setObjectName(QStringLiteral("fraAllLabels"));
  auto* labels = new QVBoxLayout(fraAllLabels);
  for (const reading::ReadingNumber& number : reading::ReadingNumbers()) {
    auto* label = new ui::Label(number.labelCaption, fraAllLabels);
    label->setObjectName(number.label);
    labels->addWidget(label);
  }
  fraAllLabels->setVisible(false);
  layout->addWidget(fraAllLabels);
  w->setCentralWidget(central);

  QObject::connect(cmdExit, &QPushButton::clicked, w, [this] { cmdExit_Click(); });
  QObject::connect(cmdDonate, &QPushButton::clicked, w, [] { OpenDonatePage(); });

  shell::CommonMenuSet(w, className(), {{QStringLiteral("mnuExit"), [this] { cmdExit_Click(); }}});
}

void frmNumerologyProResult::Form_Load() { frmNumerologyProsave::instance().RTB()->SetSelStart(0); }

void frmNumerologyProResult::Form_Unload() { frmMain::instance().Show(); }

void frmNumerologyProResult::WriteLabels(const reading::Person& person, const QDate& today, const QString& button) {
  for (const reading::ReadingNumber& number : reading::ReadingNumbers()) {
    if (!button.isEmpty() && number.button != button) continue;
    const QString text = reading::HiddenLabelText(number.button, person, today);
    if (text.isEmpty()) continue;
    if (auto* label = control<ui::Label>(number.label)) label->setText(text);
  }
}

void frmNumerologyProResult::ShowMaturityGuard() {
  frmNumerologyProDisp& disp = frmNumerologyProDisp::instance();
  disp.Unload();
  disp.AppendRuns(reading::MaturityGuardRuns());
  disp.ShowModal();
}

void frmNumerologyProResult::RunNumber(const QString& button) {
  if (const reading::ReadingNumber* number = reading::FindReadingNumber(button)) RunNumber(*number);
}

void frmNumerologyProResult::RunNumber(const reading::ReadingNumber& number) {
  Load();
  const reading::Person person = frmNumerologyProMain::instance().PersonOnScreen();
  const QDate today = platform::Today();
  WriteLabels(person, today, number.button);
  if (number.button == u"cmdMaturityNumber" && reading::MaturityGuardApplies(person)) {
    ShowMaturityGuard();
    return;
  }
  const reading::SectionRuns runs = number.section(person, today, false);

  // A fresh display window for every number, so it shows exactly one section.
  frmNumerologyProDisp& disp = frmNumerologyProDisp::instance();
  disp.Unload();
  disp.window()->setWindowTitle(number.title);
  disp.AppendRuns(runs);
  disp.RTB()->SetSelStart(0);
  disp.ShowModal();
}

void frmNumerologyProResult::cmdComprehensiveReading_Click() {
  Load();
  const reading::Person person = frmNumerologyProMain::instance().PersonOnScreen();
  const QDate today = platform::Today();
  frmNumerologyProsave& save = frmNumerologyProsave::instance();
  // Each comprehensive reading starts from an empty box.
  save.RTB()->SetText(QString());
  WriteLabels(person, today);
  save.AppendRuns(reading::ComprehensiveReadingRuns(person, today));
  save.RTB()->SetSelStart(0);
  // Maturity cannot be read without Life Path and Destiny: say so, as the single number does.
  if (reading::MaturityGuardApplies(person)) ShowMaturityGuard();
  save.ShowModal();
}
