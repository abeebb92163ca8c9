#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QPrinter>
#include <QProcess>

#include "form.h"
#include "platform.h"

namespace qztest {
Seams& seams() {
  static Seams s;
  return s;
}

void Seams::reset() {
  messages.clear();
  answers.clear();
  fileRequests.clear();
  fileAnswers.clear();
  defaultPrinterPdf.clear();
  dialogPrinterPdf.clear();
  dialogPrintSelection = false;
  printerDialogFlags = -1;
  opened.clear();
  endCalls.clear();
  onModal = nullptr;
  platform::ClearRandomQueue();
  SetToday(QDate());
}

void SetToday(const QDate& date, const QTime& time) {
  if (!date.isValid()) {
    platform::SetClock(nullptr);
    return;
  }
  const QDateTime fixed(date, time);
  platform::SetClock([fixed] { return fixed; });
}

QString TempPath(const QString& name) {
  static QTemporaryDir dir;
  return QDir(dir.path()).filePath(name);
}

void SeamEnvironment::SetUp() {
  ui::SetMsgBoxHandler([](const ui::MsgBoxCall& call) {
    seams().messages.push_back(call);
    if (!seams().answers.empty()) {
      const int a = seams().answers.front();
      seams().answers.pop_front();
      return a;
    }
    return (call.style & 0x7) == ui::vbYesNo ? ui::vbNo : ui::vbOK;
  });
  ui::SetFileDialogHandler([](const ui::FileDialogRequest& request) -> std::optional<QString> {
    seams().fileRequests.push_back(request);
    if (seams().fileAnswers.empty()) return std::nullopt;
    auto a = seams().fileAnswers.front();
    seams().fileAnswers.pop_front();
    return a;
  });
  ui::SetDefaultPrinterHandler([](QPrinter& printer) {
    if (seams().defaultPrinterPdf.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(seams().defaultPrinterPdf);
    return true;
  });
  ui::SetPrinterDialogHandler([](QPrinter& printer, int flags) {
    seams().printerDialogFlags = flags;
    if (seams().dialogPrinterPdf.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(seams().dialogPrinterPdf);
    printer.setPrintRange(seams().dialogPrintSelection ? QPrinter::Selection : QPrinter::AllPages);
    return true;
  });
  ui::SetModalHandler([](ui::Form& form) {
    if (seams().onModal) seams().onModal(form);
  });
  ui::SetEndProcessHandler([](int code) { seams().endCalls.push_back(code); });
  platform::SetShellOpener([](const QString& address) { seams().opened << address; });
  seams().reset();
}

void Activate(QWidget* window) {
  window->show();
  window->activateWindow();
  QApplication::setActiveWindow(window);
  [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(window, 1000);
}

void UnloadAllWindows() {
  for (int pass = 0; pass < 3 && !ui::Form::LoadedForms().isEmpty(); ++pass)
    for (ui::Form* form : ui::Form::LoadedForms()) form->Unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString PdfText(const QString& path) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

void CommitInputMethodText(const QString& commit, const QString& preedit) {
  QInputMethodEvent composing(preedit, {});
  QCoreApplication::sendEvent(QApplication::focusWidget(), &composing);
  QInputMethodEvent done;
  done.setCommitString(commit);
  QCoreApplication::sendEvent(QApplication::focusWidget(), &done);
}

bool OfferTextDrop(QWidget* widget, const QString& text) {
  QMimeData data;
  data.setText(text);
  const QPoint at = widget->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
  QCoreApplication::sendEvent(widget, &enter);
  QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
  QCoreApplication::sendEvent(widget, &move);
  QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
  QCoreApplication::sendEvent(widget, &drop);
  return enter.isAccepted() || move.isAccepted() || drop.isAccepted();
}

::testing::AssertionResult PasteFromContextMenu(QWidget* widget) {
  const QPoint at = widget->rect().center();
  QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
  QCoreApplication::sendEvent(widget, &menuEvent);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  if (!menu) return ::testing::AssertionFailure() << "no context menu opened";
  QAction* paste = nullptr;
  for (QAction* a : menu->actions())
    if (a->text().startsWith(QLatin1String("&Paste"))) paste = a;
  if (!paste) return ::testing::AssertionFailure() << "the context menu has no Paste item";
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
  return ::testing::AssertionSuccess();
}
}  // namespace qztest
