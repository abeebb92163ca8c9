#include "kabbalah/frm_kabbalah_numerology_display.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "kabbalah/core/kabbalah_numbers.h"
#include "kabbalah/frm_kabbalah_numerology_main.h"
#include "kabbalah/frm_kabbalah_numerology_save.h"
#include "kabbalah/kabbalah_window_parts.h"
#include "shell/common_menu.h"
#include "shell/shell_windows.h"
#include "ui/controls.h"

namespace {
const char* const kTabCaptions[6] = {"Lucky Number",           "Lucky Color",           "Money Number",
                                     "First Health Indication", "First Health Influence", "Second Health Indication"};
const char* const kCaptionPrefixes[6] = {"Lucky Number is",
                                         "Lucky Color is",
                                         "Money Number is",
                                         "First Health Indication Number is",
                                         "First Health Influence Number is",
                                         "Second Health Indication Number is"};
const char* const kInitialTexts[6] = {"Lucky No", "LuckyColor", "Money No", "First Health Indication",
                                      "First Health Influence", "Second Health Indication"};

QString captionValue(const kabbalah::KabbalahResults& r, int tab) {
  switch (tab) {
    case 0: return r.LuckyNumber;
    case 1: return r.LuckyColor;
    case 2: return r.MoneyNumber;
    case 3: return r.FirstHealthIndication;
    case 4: return QString::number(r.FirstHealthInfluence);
    default: return r.SecondHealthIndication;
  }
}
}  // namespace

const QStringList& frmKabbalahNumerologyDisplay::BoxNames() {
  static const QStringList names = {"txtDescriptionLuckyNo",      "txtDescriptionLuckyColor",
                                    "txtDescriptionMoneyNo",      "txtDescriptionFHIndication",
                                    "txtDescriptionFHInfluence",  "txtDescriptionSHIndication"};
  return names;
}

void frmKabbalahNumerologyDisplay::CreateControls(QMainWindow* w) {
  w->setWindowTitle(kabbalah::kWindowCaption);
  shell::CommonMenuSet(w, className(),
                       {{QStringLiteral("mnuPrint"), [this] { mnuPrint_Click(); }},
                        {QStringLiteral("mnuBack"), [this] { mnuBack_Click(); }},
                        {QStringLiteral("mnuExit"), [this] { mnuExit_Click(); }}});

  QVBoxLayout* outer = kabbalah::BannerColumn(w);
  QWidget* central = outer->parentWidget();

  auto* Frame1 = new ui::Frame(QString(), central);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  auto* body = new QVBoxLayout(Frame1);
  auto* Label1 = new QLabel(QStringLiteral("QZ Kabbalah Numerology Interpretation"), Frame1);
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont headingFont = Label1->font();
  headingFont.setBold(true);
  headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
  Label1->setFont(headingFont);
  Label1->setAlignment(Qt::AlignCenter);
  body->addWidget(Label1);

  TScript = new QTabBar(Frame1);
  TScript->setObjectName(QStringLiteral("TScript"));
  TScript->setExpanding(false);
  TScript->setUsesScrollButtons(false);
  TScript->setDrawBase(true);
  for (const char* tab : kTabCaptions) TScript->addTab(QString::fromLatin1(tab));
  TScript->setCurrentIndex(0);
  body->addWidget(TScript);

  lblCaption = new QLabel(QStringLiteral("Second Health Indication"), Frame1);
  lblCaption->setObjectName(QStringLiteral("lblCaption"));
  QFont captionFont = lblCaption->font();
  captionFont.setBold(true);
  lblCaption->setFont(captionFont);
  body->addWidget(lblCaption);

  auto* boxArea = new QGridLayout;
  boxes.clear();
  for (int i = 0; i < 6; ++i) {
    auto* box = new QPlainTextEdit(Frame1);
    box->setObjectName(BoxNames()[i]);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setMinimumSize(640, 230);
    box->setPlainText(kabbalah::ToBoxText(QString::fromLatin1(kInitialTexts[i]) + QStringLiteral("\r\n")));
    box->setVisible(i == 0);
    boxArea->addWidget(box, 0, 0);
    boxes.append(box);
  }
  body->addLayout(boxArea);
  outer->addWidget(Frame1);

  // A click on a tab, also on the selected one, shows its box.
  QObject::connect(TScript, &QTabBar::tabBarClicked, TScript, [this](int index) {
    if (index < 0) return;
    TScript->setCurrentIndex(index);
    TScript_Click();
  });
  QObject::connect(TScript, &QTabBar::currentChanged, TScript, [this](int) { TScript_Click(); });

  auto* Frame5 = new ui::Frame(QString(), central);
  Frame5->setObjectName(QStringLiteral("Frame5"));
  auto* bottom = new QHBoxLayout(Frame5);
  auto* cmdBack = new QPushButton(QStringLiteral("&Back"), Frame5);
  cmdBack->setObjectName(QStringLiteral("cmdBack"));
  auto* cmdPrint = new QPushButton(QStringLiteral("&Print"), Frame5);
  cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
  QObject::connect(cmdBack, &QPushButton::clicked, cmdBack, [this] { cmdBack_Click(); });
  QObject::connect(cmdPrint, &QPushButton::clicked, cmdPrint, [this] { cmdPrint_Click(); });
  bottom->addWidget(cmdBack);
  QWidget* promotion = shell::PromotionLabels(Frame5, shell::PromoFront::FullBrand, false);
  promotion->setMinimumHeight(48);
  bottom->addWidget(promotion, 1);
  bottom->addWidget(cmdPrint);
  outer->addWidget(Frame5);

  w->setCentralWidget(central);
}

void frmKabbalahNumerologyDisplay::Form_Unload() { frmMain::instance().Show(); }

void frmKabbalahNumerologyDisplay::SetBoxText(int tab, const QString& text) {
  Load();
  if (tab < 0 || tab >= boxes.size()) return;
  boxes[tab]->setPlainText(kabbalah::ToBoxText(text));
}

QString frmKabbalahNumerologyDisplay::BoxText(int tab) {
  Load();
  if (tab < 0 || tab >= boxes.size()) return {};
  return kabbalah::FromBoxText(boxes[tab]->toPlainText());
}

void frmKabbalahNumerologyDisplay::ShowFirstTab() {
  Load();
  if (TScript->currentIndex() != 0) TScript->setCurrentIndex(0);  // runs TScript_Click
  TScript_Click();
}

void frmKabbalahNumerologyDisplay::TScript_Click() {
  const int tab = TScript->currentIndex();
  if (tab < 0 || tab >= boxes.size()) return;
  for (int i = 0; i < boxes.size(); ++i) boxes[i]->setVisible(i == tab);
  lblCaption->setText(QString::fromLatin1(kCaptionPrefixes[tab]) + QStringLiteral("  ") + captionValue(results_, tab));
}

void frmKabbalahNumerologyDisplay::cmdBack_Click() {
  frmKabbalahNumerologyMain& input = frmKabbalahNumerologyMain::instance();
  for (const char* name : {"txtFirstName", "txtMiddleName", "txtLastName"})
    if (auto* box = input.control<QLineEdit>(QString::fromLatin1(name))) box->clear();
  Hide();
  input.Show();
}

void frmKabbalahNumerologyDisplay::cmdPrint_Click() { frmKabbalahNumerologySave::instance().ShowModal(); }
