#include "shell/frm_main.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "services/platform.h"
#include "services/update_reminder.h"
#include "shell/common_menu.h"
#include "shell/frm_nag_screen2.h"
#include "shell/single_instance.h"
#include "shell/tool_registry.h"
#include "shell/unload_all.h"
#include "ui/app_icon.h"
#include "ui/controls.h"
#include "ui/msgbox.h"

int RoundHalfEven(double x) {
  const double lower = std::floor(x);
  const double fraction = x - lower;
  int n = static_cast<int>(lower);
  if (fraction > 0.5 || (fraction == 0.5 && n % 2 != 0)) ++n;
  return n;
}

int CoBrandDraw(float r) { return RoundHalfEven(static_cast<double>(r) * 6 + 1); }

namespace {
using shell::Tool;
struct ToolFrame {
  const char* frame;
  Tool tool;
  const char* caption;
};
// Top to bottom, two to a row.
constexpr ToolFrame kFrames[] = {
    {"Frame6", Tool::Reading, "Vidovuzovo Zed Software"}, {"Frame7", Tool::NameBirth, "Numerology Software"},
    {"Frame4", Tool::Kabbalah, "Kabbalah Numerology"},     {"Frame3", Tool::IChing, "IChing Numerology"},
    {"Frame1", Tool::Chinese, "Chinese Numerology"},      {"Frame5", Tool::Dictionary, "Numerology Dictionary"},
};

const char* kWelcome =
    "Welcome to the interesting world of numbers. Know more about how numerology can affect your lives with this "
    "software. Be it a normal Numerology Reading or one based on I Ching, Kabbalah or Gematria, this tool can help "
    "you understand yourself better. Get to use more such tools in QZ Orbalint.";
}  // namespace

void frmMain::CreateControls(QMainWindow* w) {
  w->setWindowTitle(QStringLiteral("QZ Orbalinth v1.30"));
  w->setWindowIcon(ui::AppIcon());
  shell::CommonMenuSet(w, QStringLiteral("frmMain"), {{QStringLiteral("mnuExit"), [this] { Unload(); }}});

  auto* central = new QWidget(w);
  w->setCentralWidget(central);
  auto* layout = new QVBoxLayout(central);
  layout->setSpacing(8);

  auto* frame2 = new ui::Frame(QString(), central);
  frame2->setObjectName(QStringLiteral("Frame2"));
  frame2->setMinimumHeight(44);
  auto* frame2Layout = new QHBoxLayout(frame2);
  lblVeltrasse = shell::ForumBanner(frame2, QStringLiteral("lblVeltrasse"));
  // The blink shows and hides the banner only: its frame and everything below stay in place.
  QSizePolicy bannerPolicy = lblVeltrasse->sizePolicy();
  bannerPolicy.setRetainSizeWhenHidden(true);
  lblVeltrasse->setSizePolicy(bannerPolicy);
  frame2Layout->addWidget(lblVeltrasse);
  layout->addWidget(frame2);
  QObject::connect(frame2, &ui::Frame::mouseMoved, w, [this] { Frame2_MouseMove(); });
  QObject::connect(lblVeltrasse, &ui::Label::mouseMoved, w, [this] { lblVeltrasse_MouseMove(); });
  // The banner and the promotion labels open their pages by themselves.

  auto* label1 = new ui::Label(QString::fromUtf8(kWelcome), central);
  label1->setObjectName(QStringLiteral("Label1"));
  label1->setLook(QColor(0x20, 0x20, 0x40), false, false, 2);
  layout->addWidget(label1);

  auto* grid = new QGridLayout();
  grid->setSpacing(10);
  for (int i = 0; i < shell::kToolCount; ++i) {
    const ToolFrame& t = kFrames[i];
    const int index = shell::ToolIndex(t.tool);
    auto* frame = new ui::Frame(QString::fromUtf8(t.caption), central);
    frame->setObjectName(QString::fromUtf8(t.frame));
    auto* row = new QHBoxLayout(frame);
    for (int variant = 0; variant < 2; ++variant) {
      auto* picture = new QLabel(frame);
      picture->setObjectName(QStringLiteral("picIcon"));
      picture->setProperty("Index", index * 2 + variant);
      picture->setPixmap(ui::ToolPicture(index, variant));
      picture->setFixedSize(44, 44);
      picture->setAlignment(Qt::AlignCenter);
      if (variant == 0) {
        row->addWidget(picture);
        auto* button = new QPushButton(QString::fromUtf8(t.caption), frame);
        button->setObjectName(QStringLiteral("cmdSelectOption"));
        button->setProperty("Index", index);
        button->setMinimumHeight(36);
        const Tool tool = t.tool;
        QObject::connect(button, &QPushButton::clicked, w, [this, tool] { cmdSelectOption_Click(tool); });
        row->addWidget(button, 1);
      } else {
        row->addWidget(picture);
      }
    }
    grid->addWidget(frame, i / 2, i % 2);
    if (t.tool == Tool::Chinese) QObject::connect(frame, &ui::Frame::mouseMoved, w, [this] { Frame1_MouseMove(); });
    if (t.tool == Tool::IChing) QObject::connect(frame, &ui::Frame::mouseMoved, w, [this] { Frame3_MouseMove(); });
  }
  layout->addLayout(grid);

  promotion = shell::PromotionLabels(central, shell::PromoFront::CoBrand, true);
  promotion->setMinimumHeight(56);
  layout->addWidget(promotion);

  Timer1 = new ui::Timer(1000, w);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  QObject::connect(Timer1, &ui::Timer::timeout, w, [this] { Timer1_Timer(); });
  Timer2 = new ui::Timer(2000, w);
  Timer2->setObjectName(QStringLiteral("Timer2"));
  QObject::connect(Timer2, &ui::Timer::timeout, w, [this] { Timer2_Timer(); });
  Timer1->start();
  Timer2->start();

  central->setMinimumWidth(640);
}

QPushButton* frmMain::cmdSelectOption(shell::Tool tool) {
  for (QPushButton* b : window()->findChildren<QPushButton*>(QStringLiteral("cmdSelectOption")))
    if (b->property("Index").toInt() == shell::ToolIndex(tool)) return b;
  return nullptr;
}

void frmMain::CoBrand_Randomize() {
  Load();
  const int n = CoBrandDraw(platform::Rnd());
  if (n == 2 || n == 4 || n == 6) shell::BringToFront(promotion, shell::PromoFront::FullBrand);
  else if (n == 1 || n == 3 || n == 5) shell::BringToFront(promotion, shell::PromoFront::CoBrand);
}

void frmMain::cmdSelectOption_Click(shell::Tool tool) {
  if (!shell::ShowTool(tool)) return;
  Hide();
  frmNagScreen2::instance().Hide();
}

void frmMain::Timer1_Timer() { lblVeltrasse->setVisible(true); }
void frmMain::Timer2_Timer() {
  lblVeltrasse->setVisible(false);
  // Every second tick of Timer1 falls due with this one; served in the same pass, its show
  // would undo the hide before the banner is ever painted hidden. Timer1 counts its second
  // afresh from the hide, so the banner stays hidden until Timer1's next tick.
  if (Timer1->isActive()) Timer1->start();
}

void frmMain::frames_MouseMove() {
  ui::SetTimerEnabled(Timer1, true);
  ui::SetTimerEnabled(Timer2, true);
}
void frmMain::Frame1_MouseMove() { frames_MouseMove(); }
void frmMain::Frame2_MouseMove() { frames_MouseMove(); }
void frmMain::Frame3_MouseMove() { frames_MouseMove(); }

void frmMain::lblVeltrasse_MouseMove() {
  ui::SetTimerEnabled(Timer1, false);
  ui::SetTimerEnabled(Timer2, false);
  lblVeltrasse->setVisible(true);
}

void frmMain::Form_Unload() { frmNagScreen2::instance().Show(); }

void StartSuite() {
  if (ClaimSingleInstance() == InstanceClaim::AlreadyRunning) {
    ui::MsgBox(QStringLiteral("Application is already running"), ui::MsgStyle::Information);
    UnloadAllAndEnd();
    return;
  }
  platform::Randomize();
  RemindToCheckForUpdate();
  frmMain::instance().Show();
  frmMain::instance().CoBrand_Randomize();
}
