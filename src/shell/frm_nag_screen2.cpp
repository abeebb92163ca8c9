#include "shell/frm_nag_screen2.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "services/platform.h"
#include "services/text_rules.h"
#include "services/web_pages.h"
#include "shell/tell_a_friend.h"
#include "shell/unload_all.h"
#include "ui/app_icon.h"
#include "ui/controls.h"
#include "ui/msgbox.h"
#include "ui/screen_fit.h"

namespace {
const QString kTitle = QStringLiteral("QZ Orbalinth v1.30");

// Placeholder behaviour: emptied on entry when it still shows its placeholder,
// the placeholder back on leaving it empty.
template <class Box>
void placeholder(Box* box, const QString& text, std::function<QString()> read, std::function<void(QString)> write) {
  ui::OnGotFocus(box, [text, read, write] {
    if (TrimBlanks(read()) == text) write(QString());
  });
  ui::OnLostFocus(box, [text, read, write] {
    if (TrimBlanks(read()).isEmpty()) write(text);
  });
}

void lineBox(QLineEdit* box, const QString& text) {
  placeholder(
      box, text, [box] { return box->text(); }, [box](const QString& t) { box->setText(t); });
}
}  // namespace

const QStringList& frmNagScreen2::SupportTexts() {
  static const QStringList texts = {
      QStringLiteral("Our programs can be created and maintained only with your support. The best support you can "
                     "give is to visit the QZ Orbalinth forum at %1 regularly and take part in its discussions and "
                     "activities.")
          .arg(SiteHost),
      QStringLiteral("Please visit %1 regularly and support it by taking part in the discussions of the QZ Orbalinth "
                     "forum. Without such visits these programs cannot be supported and maintained.")
          .arg(SiteHost),
      QStringLiteral("The QZ Orbalinth forum at %1 is a free online discussion forum on numerology and the study of "
                     "numbers. Visiting it regularly helps us develop and maintain this software.")
          .arg(SiteHost),
      QStringLiteral("The QZ Orbalinth forum needs your help: regular visits to %1 and taking part in its discussions "
                     "help us maintain this software and develop more programs for you.")
          .arg(SiteHost),
  };
  return texts;
}

QMainWindow* frmNagScreen2::CreateWindow() {
  QMainWindow* w = FormOf::CreateWindow();
  w->setWindowFlag(Qt::WindowStaysOnTopHint, true);
  ui::SetFixedBorder(w, true);
  return w;
}

void frmNagScreen2::CreateControls(QMainWindow* w) {
  auto* central = new QWidget(w);
  w->setCentralWidget(central);
  auto* columns = new QHBoxLayout(central);

  // Left column.
  auto* left = new QVBoxLayout();
  auto* top = new QHBoxLayout();
  picNagscreen2Icon = new QLabel(central);
  picNagscreen2Icon->setObjectName(QStringLiteral("picNagscreen2Icon"));
  top->addWidget(picNagscreen2Icon);
  lblNagScreen2Caption = new ui::Label(QString(), central);
  lblNagScreen2Caption->setObjectName(QStringLiteral("lblNagScreen2Caption"));
  QFont captionFont = lblNagScreen2Caption->font();
  captionFont.setBold(true);
  captionFont.setPointSize(captionFont.pointSize() + 4);
  lblNagScreen2Caption->setFont(captionFont);
  top->addWidget(lblNagScreen2Caption, 1);
  left->addLayout(top);

  Label2 = new ui::Label(QString(), central);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setMinimumHeight(70);
  Label2->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  left->addWidget(Label2);

  auto* checkRow = new QHBoxLayout();
  Check1 = new QCheckBox(QStringLiteral("Yes, take me to %1 now").arg(SiteHost), central);
  Check1->setObjectName(QStringLiteral("Check1"));
  QObject::connect(Check1, &QCheckBox::clicked, w, [this] { Check1_Click(); });
  checkRow->addWidget(Check1, 1);
  auto* cmdClose = new QPushButton(QStringLiteral("E&xit"), central);
  cmdClose->setObjectName(QStringLiteral("cmdClose"));
  QObject::connect(cmdClose, &QPushButton::clicked, w, [this] { cmdClose_Click(); });
  checkRow->addWidget(cmdClose);
  left->addLayout(checkRow);

  auto* frame2 = new QGroupBox(QStringLiteral("Refer A Friend"), central);
  frame2->setObjectName(QStringLiteral("Frame2"));
  auto* form = new QGridLayout(frame2);
  txtName = new QLineEdit(QStringLiteral("Your Name"), frame2);
  txtName->setObjectName(QStringLiteral("txtName"));
  txtEmail = new QLineEdit(QStringLiteral("Your Email Address"), frame2);
  txtEmail->setObjectName(QStringLiteral("txtEmail"));
  txtFriendName = new QLineEdit(QStringLiteral("Friend's Name"), frame2);
  txtFriendName->setObjectName(QStringLiteral("txtFriendName"));
  txtFriendEmail = new QLineEdit(QStringLiteral("Friend's Email Address"), frame2);
  txtFriendEmail->setObjectName(QStringLiteral("txtFriendEmail"));
  form->addWidget(txtName, 0, 0);
  form->addWidget(txtEmail, 0, 1);
  form->addWidget(txtFriendName, 1, 0);
  form->addWidget(txtFriendEmail, 1, 1);
  auto* cmdSubmit = new QPushButton(QStringLiteral("Refer A Friend &Now"), frame2);
  cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
  QObject::connect(cmdSubmit, &QPushButton::clicked, w, [this] { cmdSubmit_Click(); });
  form->addWidget(cmdSubmit, 2, 0, 1, 2, Qt::AlignHCenter);
  frame2->setFixedHeight(frame2->sizeHint().height());
  // The message box lies below the frame's visible area: clipped away, still in the tab order.
  txtMessage = new QPlainTextEdit(frame2);
  txtMessage->setObjectName(QStringLiteral("txtMessage"));
  txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtMessage->setPlainText(QStringLiteral("Your Message\n"));
  // Unseen, it must not keep Tab for itself: Tab and Shift+Tab move on through it.
  txtMessage->setTabChangesFocus(true);
  const auto px = [w](int twips) { return ui::TwipsToPixels(w, twips); };
  txtMessage->setGeometry(px(150), px(3600), px(1815), px(495));
  left->addWidget(frame2);
  columns->addLayout(left, 3);

  // Right column.
  auto* frame6 = new QGroupBox(QStringLiteral("Download Dunmorrow"), central);
  frame6->setObjectName(QStringLiteral("Frame6"));
  auto* right = new QVBoxLayout(frame6);
  auto* label3 = new ui::Label(
      QStringLiteral("If you enjoyed this software, try the other programs of Dunmorrow. The range is large and "
                     "covers many fields of numerology, astrology and the study of names and numbers. Please share "
                     "your experience with your friends and family."),
      frame6);
  label3->setObjectName(QStringLiteral("Label3"));
  label3->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  right->addWidget(label3, 1);
  auto* lblGoToHome = new ui::Label(QStringLiteral("Click Here To Visit Dunmorrow"), frame6);
  lblGoToHome->setObjectName(QStringLiteral("lblGoToHome"));
  lblGoToHome->setLinkStyle();
  lblGoToHome->setLook(QColor(0x1a, 0x3c, 0x8c), true, true);
  QObject::connect(lblGoToHome, &ui::Label::clicked, w, [this] { lblGoToHome_Click(); });
  right->addWidget(lblGoToHome);
  frame6->setMinimumWidth(200);
  columns->addWidget(frame6, 2);

  lineBox(txtName, QStringLiteral("Your Name"));
  lineBox(txtEmail, QStringLiteral("Your Email Address"));
  lineBox(txtFriendName, QStringLiteral("Friend's Name"));
  lineBox(txtFriendEmail, QStringLiteral("Friend's Email Address"));
  placeholder(
      txtMessage, QStringLiteral("Your Message"), [this] { return txtMessageText(); },
      [this](const QString& t) { txtMessage->setPlainText(t); });

  for (QLineEdit* box : {txtEmail, txtFriendEmail}) {
    ui::OnKeyPress(box, [box](QKeyEvent* e) {
      if (e->text() != QLatin1String(" ")) return false;
      ui::MsgBox(QStringLiteral("Email Address Cannot Contain Space"), ui::MsgStyle::Critical);
      box->setFocus(Qt::OtherFocusReason);
      return true;
    });
  }
  central->setMinimumWidth(620);
}

QString frmNagScreen2::txtMessageText() {
  Load();
  QString text = txtMessage->toPlainText();
  text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
  return text;
}

void frmNagScreen2::Form_Load() {
  window()->setWindowTitle(kTitle);
  lblNagScreen2Caption->setText(kTitle);
  window()->setWindowIcon(ui::AppIcon());
  picNagscreen2Icon->setPixmap(ui::AppIconPixmap(48));
  platform::Randomize();
  const int k = qBound(0, static_cast<int>(platform::Rnd() * 4), 3);
  Label2->setText(SupportTexts()[k]);
}

void frmNagScreen2::Form_Unload() { UnloadAllAndEnd(); }

void frmNagScreen2::Check1_Click() {
  if (!Check1->isChecked()) return;
  Check1->setChecked(false);
  OpenHomePage();
}

void frmNagScreen2::cmdClose_Click() { UnloadAllAndEnd(); }

void frmNagScreen2::lblGoToHome_Click() { OpenDunmorrowPage(); }

void frmNagScreen2::cmdSubmit_Click() {
  using M = modTellAFriend;
  M::TellAFriendName = TrimBlanks(txtName->text());
  M::TellAFriendEmail = TrimBlanks(txtEmail->text());
  M::TellAFriendMessage = TrimBlanks(txtMessageText());
  M::TellAFriendFriendName = TrimBlanks(txtFriendName->text());
  M::TellAFriendFriendEmail = TrimBlanks(txtFriendEmail->text());
  const QString email = M::TellAFriendEmail, friendEmail = M::TellAFriendFriendEmail;
  if (email == friendEmail) {
    ui::MsgBox(QStringLiteral("Please Enter Distinct Email Addresses"), ui::MsgStyle::Critical);
    return;
  }
  if (!email.contains(u'@') || !friendEmail.contains(u'@') || !email.contains(u'.') || !friendEmail.contains(u'.')) {
    ui::MsgBox(QStringLiteral("Please Enter Proper Email Address"), ui::MsgStyle::Critical);
    return;
  }
  SubmitTellAFriend();
}
