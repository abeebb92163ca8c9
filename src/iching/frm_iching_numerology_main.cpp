#include "iching/frm_iching_numerology_main.h"

#include <algorithm>

#include <QBoxLayout>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <limits>

#include "iching/core/name_luck.h"
#include "reading/core/reading_file.h"
#include "services/text_rules.h"
#include "shell/common_menu.h"
#include "shell/shell_windows.h"
#include "ui/common_dialog.h"
#include "ui/controls.h"
#include "ui/msgbox.h"
#include "ui/style.h"

namespace {
const QColor kBlack(0, 0, 0);
const QColor kOrange(255, 153, 0);
const QColor kDarkGreen(0, 100, 0);
const QColor kDarkBlue(0, 0, 128);

// A letter passes the name boxes' filter as typed, in its own case.
bool isNameLetter(char32_t c) { return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z'); }

const char* const kResultCaptions[9] = {
    "First Name is ",
    "Middle Name is ",
    "Last Name is ",
    "First Name + 1 is ",
    "First Name + Last Name is ",
    "Middle Name + Last Name is ",
    "First Name + Middle Name + Last Name is ",
    "Probable Lucky Number for First Name are ",
    "Probable Lucky Number for Middle Name are ",
};

void paint(QWidget* w, const QColor& background) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, background);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

void setTextColour(QWidget* w, const QColor& colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, colour);
  w->setPalette(p);
}

// The client area. It keeps cmdOpen just below its visible part: the button is out of
// sight, yet its access key and the Tab key still reach it.
class ClientArea : public QWidget {
 public:
  using QWidget::QWidget;
  QWidget* belowSight = nullptr;

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    if (belowSight) belowSight->move(10, height() + 8);
  }
};
}  // namespace

QString frmIChingNumerologyMain::lblLabelName(int index) { return QStringLiteral("lblLabel_%1").arg(index); }
QString frmIChingNumerologyMain::lblResultName(int index) { return QStringLiteral("lblResult_%1").arg(index); }

void frmIChingNumerologyMain::CreateControls(QMainWindow* w) {
  w->setWindowTitle(QStringLiteral("VU VEzovi Dezuzirere"));
  w->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                    Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

  shell::CommonMenuSet(w, className(), {{QStringLiteral("mnuExit"), [this] { mnuExit_Click(); }}});

  auto* client = new ClientArea(w);
  client->setObjectName(QStringLiteral("clientArea"));
  paint(client, kBlack);
  w->setCentralWidget(client);
  auto* outer = new QVBoxLayout(client);
  outer->setContentsMargins(10, 6, 10, 6);
  outer->setSpacing(6);

  ui::Label* banner = shell::ForumBanner(client, QStringLiteral("Label61"), true);
  banner->setWordWrap(true);
  ui::SetOwnStyleSheet(banner, QStringLiteral("color: #ffcc33; font-weight: bold;"));
  outer->addWidget(banner);

  pages = new QStackedWidget(client);
  pages->setObjectName(QStringLiteral("pages"));
  outer->addWidget(pages, 1);

  // The input page.
  Frame1 = new ui::Frame(QString(), pages);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  paint(Frame1, kOrange);
  auto* input = new QVBoxLayout(Frame1);
  input->setContentsMargins(14, 10, 14, 12);
  input->setSpacing(8);
  auto* intro = new ui::Label(
      QStringLiteral("VU VEzovi Dezuzirere tells you how lucky your name is based on I Ching form of divination. "
                     "Enter your name and know how lucky it is!"),
      Frame1);
  intro->setObjectName(lblLabelName(3));
  intro->setWordWrap(true);
  setTextColour(intro, Qt::white);
  QFont introFont = intro->font();
  introFont.setBold(true);
  intro->setFont(introFont);
  input->addWidget(intro);

  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  form->setHorizontalSpacing(12);
  form->setVerticalSpacing(8);
  const char* const boxNames[3] = {"txtNameFirst", "txtNameMiddle", "txtNameLast"};
  const char* const labelCaptions[3] = {"First Name", "Middle Name", "Last Name"};
  QLineEdit* boxes[3] = {};
  for (int i = 0; i < 3; ++i) {
    auto* label = new ui::Label(QString::fromLatin1(labelCaptions[i]), Frame1);
    label->setObjectName(lblLabelName(i));
    auto* box = new QLineEdit(Frame1);
    box->setObjectName(QString::fromLatin1(boxNames[i]));
    box->setMaxLength(std::numeric_limits<int>::max());  // no length limit
    box->setMinimumWidth(260);
    ui::OnKeyPress(box, [this, box](QKeyEvent* e) { return txtName_KeyPress(box, e); });
    // Text an input method commits is typed too; Backspace is an editing key there, not a character.
    ui::FilterTypedText(
        box, [](char32_t c) { return isNameLetter(c) ? std::optional<char32_t>(c) : std::nullopt; },
        [this, box] { refuseTyped(box); });
    form->addRow(label, box);
    boxes[i] = box;
  }
  txtNameFirst = boxes[0];
  txtNameMiddle = boxes[1];
  txtNameLast = boxes[2];
  auto* formRow = new QHBoxLayout;
  formRow->addStretch(1);
  formRow->addLayout(form);
  formRow->addStretch(2);
  input->addLayout(formRow);

  cmdNext = new QPushButton(QStringLiteral("&Get My IChing Numerology Reading"), Frame1);
  cmdNext->setObjectName(QStringLiteral("cmdNext"));
  QObject::connect(cmdNext, &QPushButton::clicked, cmdNext, [this] { cmdNext_Click(); });
  auto* nextRow = new QHBoxLayout;
  nextRow->addStretch(1);
  nextRow->addWidget(cmdNext);
  nextRow->addStretch(1);
  input->addLayout(nextRow);
  input->addStretch(1);
  pages->addWidget(Frame1);

  // The result page, on the same spot.
  Frame2 = new ui::Frame(QStringLiteral("VU VEzovi Dezuzirere Results"), pages);
  Frame2->setObjectName(QStringLiteral("Frame2"));
  paint(Frame2, kOrange);
  Frame2->setStyleSheet(QStringLiteral(
      "QGroupBox#Frame2 { background-color: #ff9900; border: 1px solid #8a4b00; margin-top: 0px;"
      " padding-top: 22px; font-weight: bold; }"
      "QGroupBox#Frame2::title { subcontrol-origin: padding; subcontrol-position: top left;"
      " left: 12px; top: 6px; color: #5a2d00; }"));
  auto* result = new QVBoxLayout(Frame2);
  result->setContentsMargins(14, 8, 14, 10);
  result->setSpacing(3);
  cmdBack = new QPushButton(QStringLiteral("&Back"), Frame2);
  cmdBack->setObjectName(QStringLiteral("cmdBack"));
  QObject::connect(cmdBack, &QPushButton::clicked, cmdBack, [this] { cmdBack_Click(); });
  auto* backRow = new QHBoxLayout;
  backRow->addStretch(1);
  backRow->addWidget(cmdBack);
  result->addLayout(backRow);
  for (int i = 0; i < 9; ++i) {
    auto* label = new ui::Label(QString::fromLatin1(kResultCaptions[i]), Frame2);
    label->setObjectName(lblResultName(i));
    label->setTextFormat(Qt::PlainText);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    if (i < 7) {
      setTextColour(label, kDarkGreen);
      // One line: a very long name is cut at the page's edge rather than widening the window.
      label->setWordWrap(false);
      label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    } else {
      setTextColour(label, kDarkBlue);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setMinimumHeight(2 * label->fontMetrics().lineSpacing() + 2);
      label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
    }
    result->addWidget(label);
    lblResult[i] = label;
  }
  result->addStretch(1);
  pages->addWidget(Frame2);

  QWidget* promotion = shell::PromotionLabels(client, shell::PromoFront::FullBrand, true);
  paint(promotion, QColor(255, 236, 200));
  for (const char* name : {"lblCobrand", "lblFullBrand"})
    if (auto* label = promotion->findChild<QLabel*>(QString::fromLatin1(name))) label->setWordWrap(true);
  outer->addWidget(promotion);

  cmdOpen = new QPushButton(QStringLiteral("&Open Previously Saved Reading"), client);
  cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
  cmdOpen->adjustSize();
  QObject::connect(cmdOpen, &QPushButton::clicked, cmdOpen, [this] { cmdOpen_Click(); });
  client->belowSight = cmdOpen;

  QWidget::setTabOrder(txtNameFirst, txtNameMiddle);
  QWidget::setTabOrder(txtNameMiddle, txtNameLast);
  QWidget::setTabOrder(txtNameLast, cmdNext);
  QWidget::setTabOrder(cmdNext, cmdBack);
  QWidget::setTabOrder(cmdBack, cmdOpen);

  // A fixed window: the client area of the design, grown where the fonts need more.
  w->ensurePolished();
  QSize clientSize = QSize(588, 347).expandedTo(outer->totalMinimumSize());
  if (outer->hasHeightForWidth())
    clientSize.setHeight(std::max(clientSize.height(), outer->totalHeightForWidth(clientSize.width())));
  client->setMinimumSize(clientSize);
  w->setFixedSize(w->sizeHint());
}

void frmIChingNumerologyMain::Form_Load() {
  pages->setCurrentWidget(Frame1);
  txtNameFirst->setFocus();
}

void frmIChingNumerologyMain::Form_Unload() { frmMain::instance().Show(); }

bool frmIChingNumerologyMain::txtName_KeyPress(QLineEdit* box, QKeyEvent* event) {
  // Keys without a character (arrows, Home, Delete, Tab between boxes, Alt combinations) pass
  // silently; control keys (Ctrl+V, Ctrl+C, Esc ...) are characters here, and refused.
  const char32_t code = ui::KeyCharacterCode(event);
  if (code == 0 || code == 8 || isNameLetter(code)) return false;
  refuseTyped(box);
  return true;
}

void frmIChingNumerologyMain::refuseTyped(QLineEdit* box) {
  ui::MsgBox(QStringLiteral("Please enter character only"), ui::MsgStyle::Critical);
  box->setFocus();
}

bool frmIChingNumerologyMain::ValidateNames() {
  // The test is on the text as typed: blanks count as a name here.
  if (txtNameFirst->text().isEmpty()) {
    ui::MsgBox(QStringLiteral("Please enter your first name"), ui::MsgStyle::Critical);
    txtNameFirst->setFocus();
    return false;
  }
  if (txtNameLast->text().isEmpty()) {
    ui::MsgBox(QStringLiteral("Please enter your last name"), ui::MsgStyle::Critical);
    txtNameLast->setFocus();
    return false;
  }
  return true;
}

void frmIChingNumerologyMain::cmdNext_Click() {
  if (!ValidateNames()) return;
  const iching::NameLuck Luck = iching::ComputeNameLuckDetail(
      TrimBlanks(txtNameFirst->text()), TrimBlanks(txtNameMiddle->text()), TrimBlanks(txtNameLast->text()));
  for (int i = 0; i < 9; ++i) {
    lblResult[i]->setText(Luck.lines[i]);
    lblResult[i]->setToolTip(Luck.lines[i]);
  }
  pages->setCurrentWidget(Frame2);
}

void frmIChingNumerologyMain::cmdBack_Click() {
  txtNameFirst->clear();
  txtNameMiddle->clear();
  txtNameLast->clear();
  txtNameFirst->setFocus();
  pages->setCurrentWidget(Frame1);
}

void frmIChingNumerologyMain::cmdOpen_Click() {
  const std::optional<QString> chosen = ui::AskOpenFile(ui::FileKind::Reading);
  if (!chosen) return;
  const QString& path = *chosen;
  if (!reading::ReadingFile::HasReadingExtension(path)) {
    ui::MsgBox(QStringLiteral("Please Check The File."), ui::MsgStyle::Critical);
    return;
  }
  // The birth-date lines are not used here.
  const std::optional<reading::Person> person = reading::ReadingFile::Read(path);
  if (!person) {
    ui::MsgBox(kUnreadableFile, ui::MsgStyle::Critical);
    return;
  }
  txtNameFirst->setText(person->firstName);
  txtNameMiddle->setText(person->middleName);
  txtNameLast->setText(person->lastName);
  cmdNext_Click();
  frmNagScreen2::instance().Hide();
}

void frmIChingNumerologyMain::mnuExit_Click() { Unload(); }
