#include "shell/frm_about.h"

#include <QFrame>
#include <QGridLayout>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "services/web_pages.h"
#include "ui/app_icon.h"
#include "ui/controls.h"
#include "ui/screen_fit.h"

void frmAbout::CreateControls(QMainWindow* w) {
  w->setWindowTitle(QStringLiteral("QZ Orbalinth v1.30"));
  w->setWindowIcon(ui::AppIcon());
  ui::SetFixedBorder(w, false);
  auto* central = new QWidget(w);
  w->setCentralWidget(central);
  auto* grid = new QGridLayout(central);

  auto* picture1 = new QLabel(central);
  picture1->setObjectName(QStringLiteral("Picture1"));
  picture1->setPixmap(ui::AppIconPixmap(64));
  picture1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  grid->addWidget(picture1, 0, 0, 2, 1);

  auto* label2 = new ui::Label(QStringLiteral("QZ Orbalinth v1.30"), central);
  label2->setObjectName(QStringLiteral("Label2"));
  QFont bold = label2->font();
  bold.setBold(true);
  bold.setPointSize(bold.pointSize() + 4);
  label2->setFont(bold);
  grid->addWidget(label2, 0, 1);

  auto* label1 = new ui::Label(
      QStringLiteral("QZ Orbalinth brings together a numerology reading, Gematria numerology, Kabbalah numerology, "
                     "I Ching numerology, Chinese numerology and a numerology dictionary. Numbers relate to a "
                     "pattern of energies and vibrations; this software aims to help you understand the vibrations "
                     "of numbers and the effects they have on your life."),
      central);
  label1->setObjectName(QStringLiteral("Label1"));
  label1->setMinimumWidth(380);
  grid->addWidget(label1, 1, 1);

  auto* line1 = new QFrame(central);
  line1->setObjectName(QStringLiteral("Line1"));
  line1->setFrameShape(QFrame::HLine);
  line1->setFrameShadow(QFrame::Sunken);
  grid->addWidget(line1, 2, 0, 1, 2);

  auto* label3 = new ui::Label(QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                                              "money online. Get this software fully branded for your website."),
                               central);
  label3->setObjectName(QStringLiteral("Label3"));
  grid->addWidget(label3, 3, 0, 1, 2);

  auto* lblCobrand = new ui::Label(QStringLiteral("Click here for more details."), central);
  lblCobrand->setObjectName(QStringLiteral("lblCobrand"));
  lblCobrand->setLinkStyle();
  lblCobrand->setLook(QColor(0x1a, 0x3c, 0x8c), false, true);
  QObject::connect(lblCobrand, &ui::Label::clicked, w, [] { OpenFullyBrandedPage(); });
  grid->addWidget(lblCobrand, 4, 0, 1, 2);

  auto* lblHomePage = new ui::Label(QStringLiteral("Click here to visit ") + SiteAddress, central);
  lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
  lblHomePage->setLinkStyle();
  lblHomePage->setLook(QColor(0x1a, 0x3c, 0x8c), false, true);
  QObject::connect(lblHomePage, &ui::Label::clicked, w, [] { OpenHomePage(); });
  grid->addWidget(lblHomePage, 5, 0, 1, 2);

  auto* cmdOK = new QPushButton(QStringLiteral("OK"), central);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);
  QObject::connect(cmdOK, &QPushButton::clicked, w, [this] { cmdOK_Click(); });
  grid->addWidget(cmdOK, 6, 1, Qt::AlignRight);
  // OK is the default and the cancel button: Enter and Esc press it wherever the focus is.
  for (const QKeySequence& key :
       {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
    auto* shortcut = new QShortcut(key, w);
    QObject::connect(shortcut, &QShortcut::activated, cmdOK, &QPushButton::click);
  }
}
