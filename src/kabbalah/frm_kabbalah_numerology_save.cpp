#include "kabbalah/frm_kabbalah_numerology_save.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

#include "kabbalah/core/kabbalah_numbers.h"
#include "kabbalah/frm_kabbalah_numerology_display.h"
#include "kabbalah/kabbalah_window_parts.h"
#include "services/rtb_link_hook.h"
#include "services/web_pages.h"
#include "shell/common_menu.h"
#include "ui/common_dialog.h"
#include "ui/controls.h"
#include "ui/msgbox.h"
#include "ui/rich_text_box.h"
#include "ui/style.h"

void frmKabbalahNumerologySave::CreateControls(QMainWindow* w) {
  w->setWindowTitle(kabbalah::kWindowCaption);
  auto* central = new QWidget(w);
  auto* outer = new QVBoxLayout(central);
  outer->setSizeConstraint(QLayout::SetFixedSize);
  outer->setSpacing(6);

  ui::Label* Label14 = shell::ForumBanner(central, QStringLiteral("Label14"), true);
  outer->addWidget(Label14);
  auto* Label1 = new ui::Label(QStringLiteral("Click here to visit ") + SiteAddress, central);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setLinkStyle();
  Label1->setAlignment(Qt::AlignCenter);
  ui::SetOwnStyleSheet(Label1, QStringLiteral("color: #1a3c8c; text-decoration: underline;"));
  QObject::connect(Label1, &ui::Label::clicked, Label1, [] { OpenHomePage(); });
  outer->addWidget(Label1);

  RTB = new ui::RichTextBox(central);
  RTB->setObjectName(QStringLiteral("RTB"));
  RTB->setReadOnly(true);
  RTB->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  RTB->setMinimumSize(680, 420);
  outer->addWidget(RTB);

  auto* buttons = new QHBoxLayout;
  auto* cmdSave = new QPushButton(QStringLiteral("&Save"), central);
  cmdSave->setObjectName(QStringLiteral("cmdSave"));
  auto* cmdPrint = new QPushButton(QStringLiteral("&Print"), central);
  cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
  QObject::connect(cmdSave, &QPushButton::clicked, cmdSave, [this] { cmdSave_Click(); });
  QObject::connect(cmdPrint, &QPushButton::clicked, cmdPrint, [this] { cmdPrint_Click(); });
  buttons->addStretch();
  buttons->addWidget(cmdSave);
  buttons->addWidget(cmdPrint);
  buttons->addStretch();
  outer->addLayout(buttons);

  QWidget* promotion = shell::PromotionLabels(central, shell::PromoFront::CoBrand, false);
  promotion->setMinimumHeight(48);
  outer->addWidget(promotion);

  w->setCentralWidget(central);
}

void frmKabbalahNumerologySave::Form_Load() {
  HookRTBLinks(RTB, window());
  frmKabbalahNumerologyDisplay& display = frmKabbalahNumerologyDisplay::instance();
  QList<QString> boxTexts;
  for (int i = 0; i < 6; ++i) boxTexts.append(display.BoxText(i));
  RTB->SetSelStart(0);
  for (const kabbalah::ReportRun& run : kabbalah::BuildReport(display.Results(), boxTexts)) RTB->AppendText(run.text, run.bold, run.color);
  RTB->SetSelStart(0);
  // The promotion labels wrap at the width the report gives them: as high as their lines
  // there, so no empty band is left below them.
  QWidget* central = window()->centralWidget();
  central->layout()->activate();
  if (auto* promotion = central->findChild<QWidget*>(QStringLiteral("promotionHolder"))) {
    int lines = promotion->minimumHeight();
    for (const QLabel* label : promotion->findChildren<QLabel*>())
      lines = std::max(lines, label->heightForWidth(promotion->width()));
    promotion->setFixedHeight(lines);
  }
}

void frmKabbalahNumerologySave::Form_Unload() { UnhookRTBLinks(window()); }

void frmKabbalahNumerologySave::cmdSave_Click() {
  const std::optional<QString> path = ui::AskSaveFile(ui::FileKind::Report);
  if (!path) return;  // Cancel: nothing written, nothing said
  QString error;
  if (!RTB->SaveFile(*path, &error)) {
    QString prompt = QStringLiteral("The report could not be saved to \"%1\".").arg(*path);
    if (!error.isEmpty()) prompt += QStringLiteral("\r\n") + error;
    ui::MsgBox(prompt, ui::MsgStyle::Critical);
  }
}

void frmKabbalahNumerologySave::cmdPrint_Click() {
  const bool hasSelection = RTB->SelLength() != 0;
  const ui::PrinterChoice choice = ui::AskPrinter({.selection = hasSelection, .pageNumbers = false});
  QPrinter* printer = choice.printer.get();
  if (!printer) return;
  if (hasSelection && !choice.selection) {
    // The user asked for the whole report: print it, then give the selection back.
    const QTextCursor kept = RTB->textCursor();
    QTextCursor none = kept;
    none.clearSelection();
    RTB->setTextCursor(none);
    RTB->SelPrint(printer);
    RTB->setTextCursor(kept);
  } else {
    RTB->SelPrint(printer);
  }
  if (printer->printerState() == QPrinter::Error)
    ui::MsgBox(QStringLiteral("The report could not be printed."), ui::MsgStyle::Critical);
}
