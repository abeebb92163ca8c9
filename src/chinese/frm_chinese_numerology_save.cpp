#include "chinese/frm_chinese_numerology_save.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "chinese/core/chinese_reading.h"
#include "chinese/frm_chinese_numerology_display.h"
#include "chinese/frm_chinese_numerology_main.h"
#include "services/calendar.h"
#include "services/save_warning.h"
#include "services/web_pages.h"
#include "shell/common_menu.h"
#include "ui/app_icon.h"
#include "ui/common_dialog.h"
#include "ui/controls.h"
#include "ui/msgbox.h"
#include "ui/rich_text_box.h"
#include "ui/style.h"

namespace {
const QString kCrLf = QStringLiteral("\r\n");

QString withCrLf(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\n'), kCrLf);
  return text;
}

// Keeps a control just below its parent's visible area, whatever the parent's size.
class BelowVisibleArea : public QObject {
 public:
  BelowVisibleArea(QWidget* parent, QWidget* control) : QObject(parent), control_(control) {
    parent->installEventFilter(this);
    place(parent);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show) place(static_cast<QWidget*>(watched));
    return false;
  }

 private:
  QWidget* control_;
  void place(QWidget* parent) { control_->move(12, parent->height() + 16); }
};
}  // namespace

QMainWindow* frmChineseNumerologySave::CreateWindow() {
  QMainWindow* w = Form::CreateWindow();
  w->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                    Qt::MSWindowsFixedSizeDialogHint);
  return w;
}

void frmChineseNumerologySave::CreateControls(QMainWindow* w) {
  w->setWindowTitle(QStringLiteral("QZ Chinese Numerology"));
  w->setWindowIcon(ui::AppIcon());

  auto* central = new QWidget(w);
  w->setCentralWidget(central);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(12, 10, 12, 10);
  layout->setSpacing(8);

  auto* label14 = new ui::Label(QStringLiteral("Talk numbers with friends: the QZ numerology forum is open to all"),
                                central);
  label14->setObjectName(QStringLiteral("Label14"));
  label14->setAlignment(Qt::AlignCenter);
  ui::SetOwnStyleSheet(label14, QStringLiteral("color: #8b0000; font-weight: bold; font-size: 12pt;"));
  auto* label1 = new ui::Label(
      QStringLiteral("Share your readings and questions, and visit us at %1 for more free numerology.").arg(SiteAddress),
      central);
  label1->setObjectName(QStringLiteral("Label1"));
  label1->setAlignment(Qt::AlignCenter);
  ui::SetOwnStyleSheet(label1, QStringLiteral("color: #1a3c8c;"));
  for (ui::Label* label : {label14, label1}) {
    label->setLinkStyle();
    QObject::connect(label, &ui::Label::clicked, label, [] { OpenHomePage(); });
    layout->addWidget(label);
  }

  RTB = new ui::RichTextBox(central);
  RTB->setObjectName(QStringLiteral("RTB"));
  RTB->setMinimumSize(660, 380);
  layout->addWidget(RTB, 1);

  auto* bottom = new QHBoxLayout();
  bottom->setSpacing(10);
  QWidget* promotion = shell::PromotionLabels(central, shell::PromoFront::FullBrand, true);
  promotion->setMinimumHeight(56);
  bottom->addWidget(promotion, 1);
  auto* cmdSave = new QPushButton(QStringLiteral("&Save"), central);
  cmdSave->setObjectName(QStringLiteral("cmdSave"));
  auto* cmdPrint = new QPushButton(QStringLiteral("&Print"), central);
  cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
  for (QPushButton* button : {cmdSave, cmdPrint}) {
    button->setMinimumSize(90, 34);
    bottom->addWidget(button, 0, Qt::AlignVCenter);
  }
  QObject::connect(cmdSave, &QPushButton::clicked, w, [this] { cmdSave_Click(); });
  QObject::connect(cmdPrint, &QPushButton::clicked, w, [this] { cmdPrint_Click(); });
  layout->addLayout(bottom);

  // Below the visible area: reached by its access key or by Tab.
  cmdOpen = new QPushButton(QStringLiteral("&Open"), central);
  cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
  QObject::connect(cmdOpen, &QPushButton::clicked, w, [this] { cmdOpen_Click(); });
  new BelowVisibleArea(central, cmdOpen);

  RTB1 = new ui::RichTextBox(central);
  RTB1->setObjectName(QStringLiteral("RTB1"));
  RTB1->setVisible(false);

  w->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmChineseNumerologySave::Form_Load() {
  const QString footer = ReportFooter();
  QString favourable;
  if (ui::RichTextBox* loshu = frmChineseNumerologyDisplay::instance().RTBLoshu()) favourable = withCrLf(loshu->Text());
  const chinese::ChinesePerson& person = frmChineseNumerologyMain::instance().CalculatedPerson();
  RTB->SetText(chinese::ReportText(person.PersonName, calendar::ShortDateText(person.BirthDate), favourable, footer));
  RTB->SetSelStart(0);
}

void frmChineseNumerologySave::cmdSave_Click() {
  const chinese::ChinesePerson& person = frmChineseNumerologyMain::instance().CalculatedPerson();
  if (!ConfirmSavingWithout(chinese::UnsavableCharacters(person.PersonName), QStringLiteral("Chinese reading file")))
    return;

  const std::optional<QString> path = ui::AskSaveFile(ui::FileKind::ChineseReading);
  if (!path) return;

  QString error;
  if (!chinese::WriteChineseReadingFile(*path, person.ReadingFile(), &error)) {
    ui::MsgBox(QStringLiteral("The reading could not be saved to ") + *path + QStringLiteral(".") + kCrLf +
                   error,
               ui::MsgStyle::Critical);
  }
}

void frmChineseNumerologySave::cmdPrint_Click() {
  std::unique_ptr<QPrinter> printer = ui::DefaultPrinter();
  if (!printer) {
    ui::MsgBox(ui::NoPrinterMessage(), ui::MsgStyle::Information);
    return;
  }
  // The buffer holds this one copy only.
  const QString footer = ReportFooter();
  RTB1->SetText(chinese::PrintText(withCrLf(RTB->Text()), footer));
  RTB1->SetSelStart(0);
  RTB1->SetSelLength(0);
  RTB1->SelPrint(printer.get());
}

void frmChineseNumerologySave::cmdOpen_Click() {
  const std::optional<QString> path = ui::AskOpenFile(ui::FileKind::SavedReading);
  if (!path) return;
  // The report stays as it is, silently, unless the file gives a text to show.
  const std::optional<QString> field = chinese::ReadFirstField(*path);
  if (!field || field->isEmpty()) return;
  RTB->SetText(*field);
}
