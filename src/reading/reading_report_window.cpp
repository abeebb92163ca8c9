#include "reading/reading_report_window.h"

#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "reading/core/reading_file.h"
#include "reading/frm_numerology_pro_disp.h"
#include "reading/frm_numerology_pro_main.h"
#include "reading/frm_numerology_pro_result.h"
#include "reading/frm_numerology_pro_save.h"
#include "services/rtb_link_hook.h"
#include "services/save_warning.h"
#include "services/web_pages.h"
#include "shell/common_menu.h"
#include "ui/common_dialog.h"
#include "ui/controls.h"
#include "ui/msgbox.h"
#include "ui/rich_text_box.h"

const QString ReadingReportWindow::kPrintFailedMessage = QStringLiteral("Printing failed.");
const QString ReadingReportWindow::kSaveFailedMessage = QStringLiteral("The reading could not be saved.");

namespace {
const QString kTitle = QStringLiteral("QZ Vidovuzovo Zed Software");

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}
}  // namespace

void AppendRunsTo(ui::RichTextBox* box, const reading::SectionRuns& runs) {
  for (const reading::TextRun& run : runs) {
    box->SetSelStart(box->Text().size());
    box->SetSelBold(run.bold);
    box->SetSelColor(run.color);
    box->SetSelText(run.text);
  }
}

ReadingReportWindow::ReadingReportWindow(QString className, QString exitCaption)
    : ui::Form(std::move(className)), exitCaption_(std::move(exitCaption)) {}

ui::RichTextBox* ReadingReportWindow::RTB() {
  Load();
  return rtb_;
}

void ReadingReportWindow::AppendRuns(const reading::SectionRuns& runs) { AppendRunsTo(RTB(), runs); }

void ReadingReportWindow::CreateControls(QMainWindow* w) {
  w->setWindowTitle(kTitle);
  auto* central = new QWidget(w);
  auto* layout = new QVBoxLayout(central);

  layout->addWidget(shell::ForumBanner(central, QStringLiteral("Label61"), false));

  rtb_ = new ui::RichTextBox(central);
  rtb_->setObjectName(QStringLiteral("RTB"));
  rtb_->setReadOnly(true);
  rtb_->setMinimumSize(680, 440);
  layout->addWidget(rtb_, 1);

  auto* buttons = new QHBoxLayout;
  QPushButton* cmdBack = Button(QStringLiteral("cmdBack"), QStringLiteral("&Back"), central);
  QPushButton* cmdPrint = Button(QStringLiteral("cmdPrint"), QStringLiteral("&Print"), central);
  QPushButton* cmdSave = Button(QStringLiteral("cmdSave"), QStringLiteral("&Save"), central);
  QPushButton* cmdExit = Button(QStringLiteral("cmdExit"), exitCaption_, central);
  cmdExit->setVisible(false);
  buttons->addStretch(1);
  buttons->addWidget(cmdBack);
  buttons->addWidget(cmdPrint);
  buttons->addWidget(cmdSave);
  buttons->addWidget(cmdExit);
  buttons->addStretch(1);
  layout->addLayout(buttons);

  auto* ads = new QHBoxLayout;
  auto* Label1 = new ui::Label(QStringLiteral("Display Your Ad Here Permanently. Contact "), central);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setWordWrap(false);
  auto* Label2 = new ui::Label(QStringLiteral("ads@") + SiteHost.section(QLatin1Char('.'), 1), central);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setWordWrap(false);
  ads->addStretch(1);
  ads->addWidget(Label1);
  ads->addWidget(Label2);
  ads->addStretch(1);
  layout->addLayout(ads);
  w->setCentralWidget(central);

  QObject::connect(cmdBack, &QPushButton::clicked, w, [this] { cmdBack_Click(); });
  QObject::connect(cmdPrint, &QPushButton::clicked, w, [this] { cmdPrint_Click(); });
  QObject::connect(cmdSave, &QPushButton::clicked, w, [this] { cmdSave_Click(); });
  QObject::connect(cmdExit, &QPushButton::clicked, w, [this] { Unload(); });
}

void ReadingReportWindow::Form_Load() { HookRTBLinks(rtb_, window()); }

void ReadingReportWindow::Form_Unload() { UnhookRTBLinks(window()); }

void frmNumerologyProsave::Form_Load() {
  ReadingReportWindow::Form_Load();
  RTB()->SetSelStart(0);
}

void ReadingReportWindow::cmdBack_Click() {
  Unload();
  frmNumerologyProResult::instance().Show();
}

void ReadingReportWindow::cmdPrint_Click() {
  ui::RichTextBox* box = RTB();
  box->SetSelLength(0);
  std::unique_ptr<QPrinter> printer = ui::DefaultPrinter();
  if (!printer) {
    ui::MsgBox(ui::NoPrinterMessage(), ui::MsgStyle::Information);
    return;
  }
  box->SelPrint(printer.get());
  if (printer->printerState() == QPrinter::Error) ui::MsgBox(kPrintFailedMessage, ui::MsgStyle::Critical);
}

void ReadingReportWindow::cmdSave_Click() {
  Load();
  const reading::Person person = frmNumerologyProMain::instance().SavedPerson();
  // The file keeps one byte per character; some characters cannot be among them.
  if (!ConfirmSavingWithout(reading::ReadingFile::UnsavableCharacters(person), QStringLiteral("reading file")))
    return;

  const std::optional<QString> path = ui::AskSaveFile(ui::FileKind::Reading);
  if (!path) return;

  QString error;
  if (!reading::ReadingFile::Write(*path, person, &error)) {
    QString prompt = kSaveFailedMessage;
    if (!error.isEmpty()) prompt += QStringLiteral("\r\n") + error;
    ui::MsgBox(prompt, ui::MsgStyle::Critical);
  }
}
