#include "reading/frm_numerology_pro_main.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "reading/core/reading_file.h"
#include "reading/frm_numerology_pro_result.h"
#include "reading/frm_numerology_pro_save.h"
#include "services/calendar.h"
#include "services/text_rules.h"
#include "services/update_reminder.h"
#include "services/web_pages.h"
#include "shell/common_menu.h"
#include "shell/shell_windows.h"
#include "ui/common_dialog.h"
#include "ui/controls.h"
#include "ui/msgbox.h"
#include "ui/rich_text_box.h"

const QString frmNumerologyProMain::kCheckFileMessage = QStringLiteral("Please Check The File.");

namespace {
const QString kTitle = QStringLiteral("QZ Vidovuzovo Zed Software");

QLineEdit* NameBox(const QString& name, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setMinimumWidth(220);
  return box;
}

QComboBox* DateList(const QString& name, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->setEditable(false);
  list->setMaxVisibleItems(12);
  return list;
}

ui::Label* Caption(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new ui::Label(text, parent);
  label->setObjectName(name);
  label->setWordWrap(false);
  return label;
}

// Selects the item whose text is exactly the given one; false when there is none.
bool SelectExact(QComboBox* list, const QString& text) {
  const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index < 0) return false;
  list->setCurrentIndex(index);
  return true;
}
}  // namespace

void frmNumerologyProMain::CreateControls(QMainWindow* w) {
  w->setWindowTitle(kTitle);
  auto* central = new QWidget(w);
  auto* layout = new QVBoxLayout(central);

  ui::Label* Label61 = shell::ForumBanner(central, QStringLiteral("Label61"), true);
  layout->addWidget(Label61);

  auto* Frame1 = new ui::Frame(QStringLiteral("Note: "), central);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  auto* noteLayout = new QVBoxLayout(Frame1);
  auto* Label2 = new ui::Label(
      QStringLiteral("This program has been designed keeping in mind date settings according to MM/DD/YYYY format"),
      Frame1);
  Label2->setObjectName(QStringLiteral("Label2"));
  noteLayout->addWidget(Label2);
  layout->addWidget(Frame1);

  cmdOpen = new QPushButton(QStringLiteral("&Open Previously Saved Reading"), central);
  cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
  layout->addWidget(cmdOpen);

  auto* fraName = new ui::Frame(QStringLiteral("Name"), central);
  fraName->setObjectName(QStringLiteral("fraName"));
  auto* nameGrid = new QGridLayout(fraName);
  txtFirstName = NameBox(QStringLiteral("txtFirstName"), fraName);
  txtMiddleName = NameBox(QStringLiteral("txtMiddleName"), fraName);
  txtLastName = NameBox(QStringLiteral("txtLastName"), fraName);
  nameGrid->addWidget(Caption(QStringLiteral("Label1"), QStringLiteral("* First Name"), fraName), 0, 0);
  nameGrid->addWidget(txtFirstName, 0, 1);
  nameGrid->addWidget(Caption(QStringLiteral("Label4"), QStringLiteral("Middle Name"), fraName), 1, 0);
  nameGrid->addWidget(txtMiddleName, 1, 1);
  nameGrid->addWidget(Caption(QStringLiteral("Label5"), QStringLiteral("* Last Name"), fraName), 2, 0);
  nameGrid->addWidget(txtLastName, 2, 1);
  nameGrid->setColumnStretch(1, 1);
  layout->addWidget(fraName);

  auto* fraBirthDay = new ui::Frame(QStringLiteral("* Birth Day"), central);
  fraBirthDay->setObjectName(QStringLiteral("fraBirthDay"));
  auto* dateGrid = new QGridLayout(fraBirthDay);
  cboMonth = DateList(QStringLiteral("cboMonth"), fraBirthDay);
  cboDate = DateList(QStringLiteral("cboDate"), fraBirthDay);
  cboYear = DateList(QStringLiteral("cboYear"), fraBirthDay);
  dateGrid->addWidget(Caption(QStringLiteral("Label6"), QStringLiteral("Month"), fraBirthDay), 0, 0);
  dateGrid->addWidget(Caption(QStringLiteral("Label3"), QStringLiteral("Date"), fraBirthDay), 0, 1);
  dateGrid->addWidget(Caption(QStringLiteral("Label7"), QStringLiteral("Year"), fraBirthDay), 0, 2);
  dateGrid->addWidget(cboMonth, 1, 0);
  dateGrid->addWidget(cboDate, 1, 1);
  dateGrid->addWidget(cboYear, 1, 2);
  dateGrid->setColumnStretch(0, 2);
  dateGrid->setColumnStretch(1, 1);
  dateGrid->setColumnStretch(2, 1);
  layout->addWidget(fraBirthDay);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  cmdNext = new QPushButton(QStringLiteral("&Next"), central);
  cmdNext->setObjectName(QStringLiteral("cmdNext"));
  cmdExit = new QPushButton(QStringLiteral("E&xit"), central);
  cmdExit->setObjectName(QStringLiteral("cmdExit"));
  buttons->addWidget(cmdNext);
  buttons->addWidget(cmdExit);
  layout->addLayout(buttons);

  layout->addWidget(shell::PromotionLabels(central, shell::PromoFront::CoBrand, true));
  w->setCentralWidget(central);

  QWidget::setTabOrder(txtFirstName, txtMiddleName);
  QWidget::setTabOrder(txtMiddleName, txtLastName);
  QWidget::setTabOrder(txtLastName, cboMonth);
  QWidget::setTabOrder(cboMonth, cboDate);
  QWidget::setTabOrder(cboDate, cboYear);
  QWidget::setTabOrder(cboYear, cmdNext);
  QWidget::setTabOrder(cmdNext, cmdExit);
  QWidget::setTabOrder(cmdExit, cmdOpen);

  InstallNameFilter(txtFirstName);
  InstallNameFilter(txtMiddleName);
  InstallNameFilter(txtLastName);

  QObject::connect(cmdNext, &QPushButton::clicked, w, [this] { cmdNext_Click(); });
  QObject::connect(cmdExit, &QPushButton::clicked, w, [this] { cmdExit_Click(); });
  QObject::connect(cmdOpen, &QPushButton::clicked, w, [this] { cmdOpen_Click(); });

  shell::CommonMenuSet(w, className(),
                       {{QStringLiteral("mnuNext"), [this] { mnuNext_Click(); }},
                        {QStringLiteral("mnuExit"), [this] { mnuExit_Click(); }}});
}

// Typed a..z become capitals; every edit, pasted text included, is capitalised the same way.
void frmNumerologyProMain::InstallNameFilter(QLineEdit* box) {
  ui::OnKeyPress(box, [box](QKeyEvent* event) {
    const QString typed = event->text();
    if (typed.size() != 1 || typed[0] < u'a' || typed[0] > u'z') return false;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    box->insert(typed.toUpper());
    return true;
  });
  ui::OnTextEdited(box, [box] {
    const QString upper = UpperAsciiLetters(box->text());
    if (upper == box->text()) return;
    const int cursor = box->cursorPosition();
    box->setText(upper);
    box->setCursorPosition(cursor);
  });
}

void frmNumerologyProMain::Form_Load() {
  frmNumerologyProsave::instance().RTB()->SetSelStart(0);
  RemindToCheckForUpdate();
  for (int day = 1; day <= 31; ++day) cboDate->addItem(QString::number(day));
  cboMonth->addItems(calendar::MonthNames());
  for (int year = 1900; year <= 2050; ++year) cboYear->addItem(QString::number(year));
  cboMonth->setCurrentIndex(7);
  cboDate->setCurrentIndex(5);
  cboYear->setCurrentIndex(79);
  txtFirstName->setFocus();
}

void frmNumerologyProMain::Form_Unload() { frmMain::instance().Show(); }

reading::Person frmNumerologyProMain::SavedPerson() const {
  return reading::Person{ProFirstName, ProMiddleName, ProLastName, ProBirthMonth, ProBirthDate, ProBirthYear};
}

reading::Person frmNumerologyProMain::PersonOnScreen() {
  Load();
  return reading::Person{txtFirstName->text(), txtMiddleName->text(), txtLastName->text(),
                         cboMonth->currentText(), cboDate->currentText(), cboYear->currentText()};
}

bool frmNumerologyProMain::ValidateInput() {
  Load();
  auto fail = [](const QString& message, QWidget* focus) {
    ui::MsgBox(message, ui::MsgStyle::Information);
    if (focus) focus->setFocus(Qt::OtherFocusReason);
    return false;
  };
  // A name of blanks alone is no name.
  if (TrimBlanks(txtFirstName->text()).isEmpty())
    return fail(QStringLiteral("Please Enter Your First Name"), txtFirstName);
  if (TrimBlanks(txtLastName->text()).isEmpty())
    return fail(QStringLiteral("Please Enter Your Last Name"), txtLastName);
  if (cboDate->currentText().isEmpty()) return fail(QStringLiteral("Please Specify Your Birth Date"), cboDate);
  if (cboMonth->currentText().isEmpty()) return fail(QStringLiteral("Please Specify Your Birth Month"), cboMonth);
  if (cboYear->currentText().isEmpty()) return fail(QStringLiteral("Please Specify Your Birth Year"), cboYear);

  const int month = cboMonth->currentIndex() + 1;
  const int day = cboDate->currentText().toInt();
  const int year = cboYear->currentText().toInt();
  if (!calendar::IsValidDate(day, month, year)) {
    // February has its own wording; the thirty-day months have a blank before the "!".
    return fail(month == 2 ? QStringLiteral("Please Enter Correct Date Or Month!")
                           : QStringLiteral("Please Enter Correct Date Or Month !"),
                nullptr);
  }
  return true;
}

void frmNumerologyProMain::cmdNext_Click() {
  if (!ValidateInput()) return;
  ProFirstName = TrimBlanks(txtFirstName->text());
  ProMiddleName = TrimBlanks(txtMiddleName->text());
  ProLastName = TrimBlanks(txtLastName->text());
  ProBirthMonth = TrimBlanks(cboMonth->currentText());
  ProBirthDate = TrimBlanks(cboDate->currentText());
  ProBirthYear = TrimBlanks(cboYear->currentText());
  Hide();
  frmNumerologyProResult::instance().Show();
}

void frmNumerologyProMain::cmdExit_Click() { Unload(); }

void frmNumerologyProMain::cmdOpen_Click() {
  Load();
  const std::optional<QString> chosen = ui::AskOpenFile(ui::FileKind::Reading);
  if (!chosen) return;
  const QString& path = *chosen;

  auto refuse = [] { ui::MsgBox(kCheckFileMessage, ui::MsgStyle::Critical); };
  if (!reading::ReadingFile::HasReadingExtension(path)) return refuse();
  const std::optional<reading::Person> read = reading::ReadingFile::Read(path);
  if (!read) return refuse();
  const reading::Person& p = *read;
  // A date that no list holds would leave the previous choice and read for another date.
  auto listed = [](QComboBox* list, const QString& text) {
    return list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0;
  };
  if (!listed(cboMonth, p.monthName) || !listed(cboDate, p.day) || !listed(cboYear, p.year)) return refuse();

  txtFirstName->setText(p.firstName);
  txtMiddleName->setText(p.middleName);
  txtLastName->setText(p.lastName);
  SelectExact(cboMonth, p.monthName);
  SelectExact(cboDate, p.day);
  SelectExact(cboYear, p.year);
  cmdNext_Click();
  frmNagScreen2::instance().Hide();
}
