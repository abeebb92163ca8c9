#include "chinese/frm_chinese_numerology_main.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "chinese/core/chinese_reading.h"
#include "chinese/frm_chinese_numerology_display.h"
#include "services/calendar.h"
#include "services/text_rules.h"
#include "shell/common_menu.h"
#include "shell/shell_windows.h"
#include "ui/app_icon.h"
#include "ui/common_dialog.h"
#include "ui/controls.h"
#include "ui/msgbox.h"
#include "ui/style.h"

namespace {
const char* kIntroduction =
    "The beginnings of numerology lie hidden in the dark of ancient times, long before anyone wrote them down. "
    "Chinese numerology is held to be among the oldest of its forms: it arose in China about 4000 years ago, "
    "when the numbers of the Lo Shu square were first read as signs of fortune. This tool gives you an instant "
    "look at your own numbers and at your near future, and prepares you for what may come.";
const char* kInvitation =
    "Just input your name and date of birth and get to know your lucky Chinese Numerology Number!";
constexpr int kDefaultYearIndex = 70;  // 1970
}  // namespace

void frmChineseNumerologyMain::CreateControls(QMainWindow* w) {
  w->setWindowTitle(QStringLiteral("QZ Chinese Numerology"));
  w->setWindowIcon(ui::AppIcon());
  shell::CommonMenuSet(w, QStringLiteral("frmChineseNumerologyMain"),
                       {{QStringLiteral("mnuCalculate"), [this] { cmdProceed_Click(); }},
                        {QStringLiteral("mnuExit"), [this] { mnuExit_Click(); }}});

  auto* central = new QWidget(w);
  w->setCentralWidget(central);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(14, 12, 14, 12);
  layout->setSpacing(10);

  auto* label6 = new ui::Label(QStringLiteral("QZ Chinese Numerology"), central);
  label6->setObjectName(QStringLiteral("Label6"));
  label6->setAlignment(Qt::AlignCenter);
  ui::SetOwnStyleSheet(label6, QStringLiteral("font-size: 18pt; font-weight: bold; color: #8b0000;"));
  layout->addWidget(label6);

  const char* texts[] = {kIntroduction, kInvitation};
  for (int i = 0; i < 2; ++i) {
    auto* label4 = new ui::Label(QString::fromUtf8(texts[i]), central);
    label4->setObjectName(QStringLiteral("Label4"));
    label4->setProperty("Index", i);
    ui::SetOwnStyleSheet(label4, i == 0 ? QStringLiteral("font-size: 10pt; color: #202040;")
                                 : QStringLiteral("font-size: 10pt; font-weight: bold; color: #004000;"));
    layout->addWidget(label4);
  }

  auto* fraDetails = new ui::Frame(QStringLiteral("Personal Details"), central);
  fraDetails->setObjectName(QStringLiteral("fraDetails"));
  auto* grid = new QGridLayout(fraDetails);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(8);

  auto* label1 = new ui::Label(QStringLiteral("Name"), fraDetails);
  label1->setObjectName(QStringLiteral("Label1"));
  txtName = new QLineEdit(fraDetails);
  txtName->setObjectName(QStringLiteral("txtName"));
  grid->addWidget(label1, 0, 0);
  grid->addWidget(txtName, 0, 1, 1, 3);

  auto* label5 = new ui::Label(QStringLiteral("Sex"), fraDetails);
  label5->setObjectName(QStringLiteral("Label5"));
  grid->addWidget(label5, 1, 0);
  auto* sexGroup = new QButtonGroup(fraDetails);
  const QString sexes[] = {QStringLiteral("Male"), QStringLiteral("Female")};
  for (int i = 0; i < 2; ++i) {
    optSex[i] = new QRadioButton(sexes[i], fraDetails);
    optSex[i]->setObjectName(QStringLiteral("optSex"));
    optSex[i]->setProperty("Index", i);
    sexGroup->addButton(optSex[i], i);
    grid->addWidget(optSex[i], 1, 1 + i);
  }

  auto* label2 = new ui::Label(QStringLiteral("Birth Day"), fraDetails);
  label2->setObjectName(QStringLiteral("Label2"));
  grid->addWidget(label2, 2, 0);
  cboDate = new QComboBox(fraDetails);
  cboDate->setObjectName(QStringLiteral("cboDate"));
  cboMonth = new QComboBox(fraDetails);
  cboMonth->setObjectName(QStringLiteral("cboMonth"));
  cboYear = new QComboBox(fraDetails);
  cboYear->setObjectName(QStringLiteral("cboYear"));
  for (QComboBox* box : {cboDate, cboMonth, cboYear}) box->setEditable(false);
  cboDate->setMaxVisibleItems(16);
  cboYear->setMaxVisibleItems(16);
  grid->addWidget(cboDate, 2, 1);
  grid->addWidget(cboMonth, 2, 2);
  grid->addWidget(cboYear, 2, 3);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);
  grid->setColumnStretch(3, 1);
  layout->addWidget(fraDetails);

  auto* cmdProceed = new QPushButton(QStringLiteral("Calculate My &Favourable Number By Chinese Numerology"), central);
  cmdProceed->setObjectName(QStringLiteral("cmdProceed"));
  cmdProceed->setMinimumHeight(34);
  QObject::connect(cmdProceed, &QPushButton::clicked, w, [this] { cmdProceed_Click(); });
  auto* cmdOpen = new QPushButton(QStringLiteral("&Open Previously Saved Reading"), central);
  cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
  cmdOpen->setMinimumHeight(34);
  QObject::connect(cmdOpen, &QPushButton::clicked, w, [this] { cmdOpen_Click(); });
  layout->addWidget(cmdProceed);
  layout->addWidget(cmdOpen);

  layout->addWidget(shell::ForumBanner(central, QStringLiteral("Label14")));
  QWidget* promotion = shell::PromotionLabels(central, shell::PromoFront::FullBrand, true);
  promotion->setMinimumHeight(56);
  layout->addWidget(promotion);

  central->setFixedWidth(560);
  w->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

void frmChineseNumerologyMain::Form_Load() {
  for (int d = 1; d <= 31; ++d) cboDate->addItem(QString::number(d));
  cboMonth->addItems(calendar::MonthNames());
  for (int y = 1900; y <= 2050; ++y) cboYear->addItem(QString::number(y));
  cboDate->setCurrentIndex(0);
  cboMonth->setCurrentIndex(0);
  cboYear->setCurrentIndex(kDefaultYearIndex);
}

void frmChineseNumerologyMain::Form_Unload() { frmMain::instance().Show(); }

bool frmChineseNumerologyMain::ValidateInput() {
  // A name of blanks only is no name: the saved reading could not be opened again.
  if (TrimBlanks(txtName->text()).isEmpty()) {
    ui::MsgBox(chinese::kNameMissing, ui::MsgStyle::Critical);
    txtName->setFocus();
    return false;
  }
  const int day = cboDate->currentIndex() + 1;
  const int month = cboMonth->currentIndex() + 1;
  const int year = cboYear->currentText().toInt();
  switch (chinese::CheckBirthDate(day, month, year)) {
    case chinese::DateFault::February:
      ui::MsgBox(chinese::kFebruaryRefused, ui::MsgStyle::Information);
      return false;
    case chinese::DateFault::ThirtyDayMonth:
      ui::MsgBox(chinese::kThirtyDayMonthRefused, ui::MsgStyle::Information);
      return false;
    case chinese::DateFault::None:
      break;
  }
  return true;
}

void frmChineseNumerologyMain::cmdProceed_Click() {
  if (!IsLoaded()) return;
  if (!ValidateInput()) return;
  // The sex choice is asked for but changes nothing in the reading.
  [[maybe_unused]] const int sex = optSex[0]->isChecked() ? 0 : optSex[1]->isChecked() ? 1 : -1;
  calculated_ =
      chinese::PersonOf(txtName->text(), cboDate->currentText(), cboMonth->currentText(), cboYear->currentText());
  chinese::ComputeFavourableNumber(calculated_.BirthDay, calculated_.BirthMonth, calculated_.BirthYear);
  Unload();
  frmChineseNumerologyDisplay::instance().Show();
  frmMain::instance().Hide();
}

void frmChineseNumerologyMain::cmdOpen_Click() {
  if (!IsLoaded()) return;
  const std::optional<QString> path = ui::AskOpenFile(ui::FileKind::ChineseReading);
  if (!path) return;
  if (!chinese::HasChineseReadingExtension(*path)) {
    ui::MsgBox(QStringLiteral("Please Check The File."), ui::MsgStyle::Critical);
    return;
  }
  // An unreadable file reads as four empty fields: the name box empties and Calculate says so.
  const chinese::ChineseReadingFile reading =
      chinese::ReadChineseReadingFile(*path).value_or(chinese::ChineseReadingFile{});
  txtName->setText(reading.personName);
  auto select = [](QComboBox* box, const QString& text) {
    const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) box->setCurrentIndex(index);
  };
  select(cboDate, reading.birthDay);
  select(cboMonth, reading.birthMonth);
  select(cboYear, reading.birthYear);
  cmdProceed_Click();
  frmNagScreen2::instance().Hide();
}
