#include "common_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinterInfo>

namespace ui {
namespace {
std::function<std::optional<QString>(const FileDialogRequest&)>& fileHandler() {
  static std::function<std::optional<QString>(const FileDialogRequest&)> h;
  return h;
}
std::function<bool(QPrinter&, int)>& printerHandler() {
  static std::function<bool(QPrinter&, int)> h;
  return h;
}
std::function<bool(QPrinter&)>& defaultPrinterHandler() {
  static std::function<bool(QPrinter&)> h;
  return h;
}
std::function<void(QDialog&)>& dialogDriver() {
  static std::function<void(QDialog&)> h;
  return h;
}

int execDialog(QDialog& dialog) {
  if (dialogDriver()) {
    QMetaObject::invokeMethod(
        &dialog,
        [&dialog] {
          dialogDriver()(dialog);
          if (dialog.isVisible()) dialog.reject();
        },
        Qt::QueuedConnection);
  }
  return dialog.exec();
}

// The printer dialog without the page choices its flags leave out: Qt leaves "Pages from" and
// "Pages" on offer whatever its options say, so they are hidden after Qt set up its widgets.
class PrinterDialog : public QPrintDialog {
 public:
  PrinterDialog(QPrinter* printer, QWidget* parent, bool pageNumbers)
      : QPrintDialog(printer, parent), pageNumbers_(pageNumbers) {}
  void setVisible(bool visible) override {
    QPrintDialog::setVisible(visible);
    if (!visible || pageNumbers_) return;
    for (const char* name : {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit"})
      if (auto* w = findChild<QWidget*>(QLatin1String(name))) w->hide();
    // The "to" between the page boxes.
    if (auto* to = findChild<QWidget*>(QStringLiteral("to")))
      for (QLabel* label : to->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->text() == QLatin1String("to")) label->hide();
  }

 private:
  bool pageNumbers_;
};

std::optional<QString> runFileDialog(const CommonDialog& d, const FileDialogRequest& request) {
  if (fileHandler() && !dialogDriver()) return fileHandler()(request);
  QFileDialog dialog(QApplication::activeWindow(), request.title);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  const QStringList filters = d.OfferedFilters();
  dialog.setNameFilters(filters);
  if (!filters.isEmpty()) {
    const int index = request.filterIndex >= 1 && request.filterIndex <= filters.size() ? request.filterIndex - 1 : 0;
    dialog.selectNameFilter(filters[index]);
  }
  if (request.kind == FileDialogKind::Open) {
    // An existing file is opened as it is named: no extension is added to what is typed.
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.flags & cdlOFNFileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.defaultExt.isEmpty()) dialog.setDefaultSuffix(request.defaultExt);
    if (!(request.flags & cdlOFNOverwritePrompt)) dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  }
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  if (execDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}
}  // namespace

QStringList CommonDialog::QtFilters() const {
  QStringList out;
  const QStringList parts = Filter.split(QLatin1Char('|'));
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    QString patterns = parts[i + 1].trimmed();
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    patterns = patterns.simplified();
    // A description that already names its pattern in brackets is shown as it is.
    const QString named = QStringLiteral("(%1)").arg(patterns);
    if (description.contains(named)) out << description;
    else out << QStringLiteral("%1 %2").arg(description, named);
  }
  return out;
}

QStringList CommonDialog::OfferedFilters() const {
  const QStringList filters = QtFilters();
  return filters.isEmpty() ? QStringList{QStringLiteral("All files (*)")} : filters;
}

bool CommonDialog::ShowOpen() {
  const FileDialogRequest request{FileDialogKind::Open, DialogTitle, Filter, FilterIndex, DefaultExt, FileName, Flags};
  const std::optional<QString> chosen = runFileDialog(*this, request);
  if (!chosen) return false;
  FileName = *chosen;
  return true;
}

bool CommonDialog::ShowSave() {
  const FileDialogRequest request{FileDialogKind::Save, DialogTitle, Filter, FilterIndex, DefaultExt, FileName, Flags};
  std::optional<QString> chosen = runFileDialog(*this, request);
  if (!chosen) return false;
  if (!DefaultExt.isEmpty() && QFileInfo(*chosen).suffix().isEmpty()) *chosen += QLatin1Char('.') + DefaultExt;
  FileName = *chosen;
  return true;
}

QPrinter* CommonDialog::ShowPrinter() {
  printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printSelection_ = false;
  if (printerHandler() && !dialogDriver()) {
    if (!printerHandler()(*printer_, Flags)) {
      printer_.reset();
      return nullptr;
    }
    printSelection_ = (Flags & cdlPDSelection) && printer_->printRange() == QPrinter::Selection;
    return printer_.get();
  }
  PrinterDialog dialog(printer_.get(), QApplication::activeWindow(), !(Flags & cdlPDNoPageNums));
  // The title of a file dialog set before does not carry over.
  dialog.setWindowTitle(QStringLiteral("Print"));
  QAbstractPrintDialog::PrintDialogOptions options = dialog.options();
  options.setFlag(QAbstractPrintDialog::PrintSelection, (Flags & cdlPDSelection) != 0);
  options.setFlag(QAbstractPrintDialog::PrintPageRange, !(Flags & cdlPDNoPageNums));
  dialog.setOptions(options);
  if (Flags & cdlPDSelection) printer_->setPrintRange(QPrinter::Selection);
  if (execDialog(dialog) != QDialog::Accepted) {
    printer_.reset();
    return nullptr;
  }
  printSelection_ = printer_->printRange() == QPrinter::Selection;
  return printer_.get();
}

void SetFileDialogHandler(std::function<std::optional<QString>(const FileDialogRequest&)> h) {
  fileHandler() = std::move(h);
}
void SetPrinterDialogHandler(std::function<bool(QPrinter&, int)> h) { printerHandler() = std::move(h); }
void SetDefaultPrinterHandler(std::function<bool(QPrinter&)> h) { defaultPrinterHandler() = std::move(h); }
void SetDialogDriver(std::function<void(QDialog&)> driver) { dialogDriver() = std::move(driver); }

QString NoPrinterMessage() {
  return QStringLiteral("No printer is available. Please set up a default printer, then press Print again.");
}

std::unique_ptr<QPrinter> DefaultPrinter() {
  if (defaultPrinterHandler()) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!defaultPrinterHandler()(*printer)) return nullptr;
    return printer;
  }
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return nullptr;
  return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}
}  // namespace ui
