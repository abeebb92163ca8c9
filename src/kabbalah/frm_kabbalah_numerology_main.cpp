#include "kabbalah/frm_kabbalah_numerology_main.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "kabbalah/core/english_calendar.h"
#include "kabbalah/core/kabbalah_numbers.h"
#include "kabbalah/frm_kabbalah_numerology_display.h"
#include "kabbalah/kabbalah_window_parts.h"
#include "services/calendar.h"
#include "services/text_rules.h"
#include "services/update_reminder.h"
#include "shell/common_menu.h"
#include "shell/shell_windows.h"
#include "ui/controls.h"
#include "ui/msgbox.h"

namespace {
QComboBox* pickList(QWidget* parent, const char* name) {
  auto* list = new QComboBox(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setEditable(false);
  list->setMaxVisibleItems(15);
  return list;
}

QLineEdit* nameBox(QWidget* parent, const char* name) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setMinimumWidth(340);
  return box;
}

// What the name filter makes of one typed character.
enum class Typed { Pass, Capital, Refuse };
Typed filterCharacter(char32_t c) {
  if (c >= U'A' && c <= U'Z') return Typed::Pass;
  if (c >= U'a' && c <= U'z') return Typed::Capital;
  if (c == U' ' || c == kabbalah::kReturnChar || c == kabbalah::kBackspaceChar) return Typed::Pass;
  return Typed::Refuse;
}

// The name filter for text an input method commits: small letters become capitals.
std::optional<char32_t> committedCharacter(char32_t c) {
  switch (filterCharacter(c)) {
    case Typed::Pass: return c;
    case Typed::Capital: return c - 32;
    case Typed::Refuse: break;
  }
  return std::nullopt;
}

void refuseTyped() { ui::MsgBox(QStringLiteral("Please Enter Only Alphabet"), ui::MsgStyle::Information); }

QLabel* caption(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}
}  // namespace

void frmKabbalahNumerologyMain::CreateControls(QMainWindow* w) {
  w->setWindowTitle(kabbalah::kWindowCaption);
  shell::CommonMenuSet(w, className(),
                       {{QStringLiteral("mnuNext"), [this] { mnuNext_Click(); }},
                        {QStringLiteral("mnuExit"), [this] { mnuExit_Click(); }}});

  QVBoxLayout* outer = kabbalah::BannerColumn(w);
  QWidget* central = outer->parentWidget();

  auto* fraName = new ui::Frame(QStringLiteral("Please Fill In The Below Details"), central);
  fraName->setObjectName(QStringLiteral("fraName"));
  auto* nameLayout = new QGridLayout(fraName);
  nameLayout->setHorizontalSpacing(12);
  txtFirstName = nameBox(fraName, "txtFirstName");
  txtMiddleName = nameBox(fraName, "txtMiddleName");
  txtLastName = nameBox(fraName, "txtLastName");
  nameLayout->addWidget(caption(fraName, "Label1", QStringLiteral("First Name")), 0, 0);
  nameLayout->addWidget(txtFirstName, 0, 1);
  nameLayout->addWidget(caption(fraName, "Label4", QStringLiteral("Middle Name")), 1, 0);
  nameLayout->addWidget(txtMiddleName, 1, 1);
  nameLayout->addWidget(caption(fraName, "Label5", QStringLiteral(" Last Name")), 2, 0);
  nameLayout->addWidget(txtLastName, 2, 1);
  for (QLineEdit* box : {txtFirstName, txtMiddleName, txtLastName}) {
    ui::OnKeyPress(box, [this, box](QKeyEvent* e) { return txtName_KeyPress(box, e); });
    ui::FilterTypedText(box, committedCharacter, refuseTyped);
  }

  auto* fraBirthDay = new ui::Frame(QStringLiteral("Your Birth Details"), fraName);
  fraBirthDay->setObjectName(QStringLiteral("fraBirthDay"));
  auto* birthLayout = new QGridLayout(fraBirthDay);
  birthLayout->setHorizontalSpacing(8);
  cmbDate = pickList(fraBirthDay, "cmbDate");
  cmbMonth = pickList(fraBirthDay, "cmbMonth");
  cmbYear = pickList(fraBirthDay, "cmbYear");
  cboMHH = pickList(fraBirthDay, "cboMHH");
  cboMMM = pickList(fraBirthDay, "cboMMM");
  cboMSS = pickList(fraBirthDay, "cboMSS");
  birthLayout->addWidget(caption(fraBirthDay, "Label2", QStringLiteral("Your Date of Birth")), 0, 0);
  birthLayout->addWidget(cmbDate, 0, 1);
  birthLayout->addWidget(cmbMonth, 0, 2);
  birthLayout->addWidget(cmbYear, 0, 3);
  birthLayout->addWidget(caption(fraBirthDay, "Label3", QStringLiteral("Your Time of Birth")), 1, 0);
  birthLayout->addWidget(cboMHH, 1, 1);
  birthLayout->addWidget(cboMMM, 1, 2);
  birthLayout->addWidget(cboMSS, 1, 3);
  nameLayout->addWidget(fraBirthDay, 3, 0, 1, 2);

  cmdNext = new QPushButton(QStringLiteral("&Get My Interpretation"), fraName);
  cmdNext->setObjectName(QStringLiteral("cmdNext"));
  QObject::connect(cmdNext, &QPushButton::clicked, cmdNext, [this] { cmdNext_Click(); });
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch();
  buttonRow->addWidget(cmdNext);
  buttonRow->addStretch();
  nameLayout->addLayout(buttonRow, 4, 0, 1, 2);
  outer->addWidget(fraName);

  auto* Frame5 = new ui::Frame(QString(), central);
  Frame5->setObjectName(QStringLiteral("Frame5"));
  auto* promoLayout = new QVBoxLayout(Frame5);
  QWidget* promotion = shell::PromotionLabels(Frame5, shell::PromoFront::FullBrand, false);
  promotion->setMinimumHeight(48);
  promoLayout->addWidget(promotion);
  outer->addWidget(Frame5);

  w->setCentralWidget(central);
}

void frmKabbalahNumerologyMain::Form_Load() {
  RemindToCheckForUpdate();
  for (int d = 1; d <= 31; ++d) cmbDate->addItem(QString::number(d));
  cmbMonth->addItems(calendar::MonthNames());
  for (int y = 1900; y <= 2999; ++y) cmbYear->addItem(QString::number(y));
  for (int h = 0; h <= 23; ++h) cboMHH->addItem(QString::number(h));
  for (int m = 0; m <= 59; ++m) {
    cboMMM->addItem(QString::number(m));
    cboMSS->addItem(QString::number(m));
  }
  for (QComboBox* list : {cmbDate, cmbMonth, cmbYear, cboMHH, cboMMM, cboMSS}) list->setCurrentIndex(0);
}

void frmKabbalahNumerologyMain::Form_Unload() { frmMain::instance().Show(); }

void frmKabbalahNumerologyMain::CloseInputWindow() { Unload(); }

bool frmKabbalahNumerologyMain::txtName_KeyPress(QLineEdit* box, QKeyEvent* event) {
  const char32_t typed = ui::KeyCharacterCode(event);
  if (typed == 0) return false;  // keys that type nothing: arrows, Delete, Tab ...
  switch (filterCharacter(typed)) {
    case Typed::Pass: return false;
    case Typed::Capital: box->insert(QString(QChar(char16_t(typed - 32)))); return true;
    case Typed::Refuse: break;
  }
  refuseTyped();
  return true;
}

bool frmKabbalahNumerologyMain::ValidateInput() {
  // A name of blanks only is no name.
  if (TrimBlanks(txtFirstName->text()).isEmpty()) {
    ui::MsgBox(QStringLiteral("Please Enter Your First Name"), ui::MsgStyle::Information);
    txtFirstName->setFocus();
    return false;
  }
  if (TrimBlanks(txtLastName->text()).isEmpty()) {
    ui::MsgBox(QStringLiteral("Please Enter Your Last Name"), ui::MsgStyle::Information);
    txtLastName->setFocus();
    return false;
  }
  const int day = cmbDate->currentIndex() + 1;
  const int month = cmbMonth->currentIndex() + 1;
  const int year = TrimBlanks(cmbYear->currentText()).toInt();
  if (!calendar::IsValidDate(day, month, year)) {
    ui::MsgBox(month == 2 ? QStringLiteral("Please Enter Correct Date Or Month!")
                          : QStringLiteral("Please Enter Correct Date Or Month !"),
               ui::MsgStyle::Information);
    return false;
  }
  return true;
}

void frmKabbalahNumerologyMain::cmdNext_Click() {
  if (!ValidateInput()) return;
  const int year = TrimBlanks(cmbYear->currentText()).toInt();
  const QString month = TrimBlanks(cmbMonth->currentText());
  const int day = TrimBlanks(cmbDate->currentText()).toInt();
  const int birthWeekDay = kabbalah::GetDayOfWeek(year, month, day);
  const int birthHour = cboMHH->currentText().toInt();
  FirstName = TrimBlanks(txtFirstName->text());
  LastName = TrimBlanks(txtLastName->text());
  MiddleName = TrimBlanks(txtMiddleName->text());
  const kabbalah::KabbalahResults results =
      kabbalah::ComputeKabbalahResults(FirstName, MiddleName, LastName, birthHour, birthWeekDay);

  // Every box is written for the person on screen, also when a number has no text.
  frmKabbalahNumerologyDisplay& display = frmKabbalahNumerologyDisplay::instance();
  display.SetResults(results);
  display.SetBoxText(0, kabbalah::LuckyNumberBoxText());
  display.SetBoxText(1, kabbalah::LuckyColorBoxText());
  display.SetBoxText(2, kabbalah::MoneyBoxText(results.MoneyNumber));
  display.SetBoxText(3, kabbalah::HealthBoxText(results.FirstHealthIndication));
  display.SetBoxText(4, kabbalah::HealthBoxText(QString::number(results.FirstHealthInfluence)));
  display.SetBoxText(5, kabbalah::HealthBoxText(results.SecondHealthIndication));
  display.ShowFirstTab();
  display.Show();
  Hide();
}
