#include "ui/common_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QLabel>
#include <QMimeDatabase>
#include <QPrintDialog>
#include <QPrinterInfo>

#include "ui/msgbox.h"

namespace ui {
namespace {
std::function<std::optional<QString>(const FileDialogRequest&)>& fileHandler() {
  static std::function<std::optional<QString>(const FileDialogRequest&)> h;
  return h;
}
std::function<bool(QPrinter&, const PrintOptions&)>& printerHandler() {
  static std::function<bool(QPrinter&, const PrintOptions&)> h;
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

// The dialogs set up for a kind of file. Each has a single filter entry and asks for the second
// (the dialog then offers the first), an open takes only an existing file and a save asks
// before replacing one.
struct FileDialogSetUp {
  FileDialogKind dialog;
  FileKind file;
  const char* title;  // null: the application title
  const char* filter;
  const char* defaultExt;
};
constexpr FileDialogSetUp kSetUps[] = {
    {FileDialogKind::Open, FileKind::Reading, "Select the source file", "RI Voze Ravudevede Rod (*.num)|*.num", "num"},
    {FileDialogKind::Save, FileKind::Reading, "Save Your Vidovuzovo Zed Result ....", "Rich Text Format | *.num",
     "num"},
    {FileDialogKind::Open, FileKind::ChineseReading, "Select the source file", "QZ Chinese Numerology (*.cnu)|*.cnu",
     "cnu"},
    {FileDialogKind::Save, FileKind::ChineseReading, "QZ Chinese Numerology", "QZ Chinese Numerology | *.cnu", "cnu"},
    {FileDialogKind::Open, FileKind::SavedReading, "Select the source file", "QZ Saved Reading (*.qzs)|*.qzs", "qzs"},
    {FileDialogKind::Save, FileKind::Report, nullptr, "Rich Text Format | *.rtf ", "rtf"},
};

FileDialogRequest requestFor(FileDialogKind dialog, FileKind file) {
  for (const FileDialogSetUp& s : kSetUps) {
    if (s.dialog != dialog || s.file != file) continue;
    const QString title = s.title ? QString::fromLatin1(s.title) : AppTitle();
    return {dialog, title, QString::fromLatin1(s.filter), 2, QString::fromLatin1(s.defaultExt),
            dialog == FileDialogKind::Open, dialog == FileDialogKind::Save};
  }
  // Any file: nothing set up.
  return {dialog, QString(), QString(), 1, QString(), false, false};
}

// The printer dialog without the page choices its options leave out: Qt leaves "Pages from" and
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

// Icons and type names of listed files from their names and kinds alone. Qt's own provider reads
// the start of each regular file to guess its type, and some reads never end (/proc/kmsg as
// root, a file on a stalled network share): the dialog, and the program with it, would stop.
class NamesAndKindsIconProvider : public QFileIconProvider {
 public:
  using QFileIconProvider::icon;
  QIcon icon(const QFileInfo& info) const override {
    if (info.isRoot()) return icon(Drive);
    if (info.isDir()) return icon(Folder);
    return icon(File);
  }
  QString type(const QFileInfo& info) const override {
    if (info.isRoot()) return QStringLiteral("Drive");
    if (info.isDir()) return QStringLiteral("Folder");
    if (!info.isFile()) return info.isSymLink() ? QStringLiteral("Shortcut") : QStringLiteral("Unknown");
    const QMimeType byName = names_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    if (!byName.isDefault()) return byName.comment().isEmpty() ? byName.name() : byName.comment();
    const QString suffix = info.suffix();
    return suffix.isEmpty() ? QStringLiteral("File") : QStringLiteral("%1 File").arg(suffix.toUpper());
  }

 private:
  QMimeDatabase names_;
};

std::optional<QString> runFileDialog(const FileDialogRequest& request) {
  if (fileHandler() && !dialogDriver()) return fileHandler()(request);
  NamesAndKindsIconProvider icons;  // outlives the dialog
  QFileDialog dialog(QApplication::activeWindow(), request.title);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setIconProvider(&icons);
  const QStringList filters = OfferedFilters(request.filter);
  dialog.setNameFilters(filters);
  const int index = request.filterIndex >= 1 && request.filterIndex <= filters.size() ? request.filterIndex - 1 : 0;
  dialog.selectNameFilter(filters[index]);
  if (request.kind == FileDialogKind::Open) {
    // An existing file is opened as it is named: no extension is added to what is typed.
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.defaultExt.isEmpty()) dialog.setDefaultSuffix(request.defaultExt);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  }
  if (execDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}
}  // namespace

QStringList QtFilters(const QString& filter) {
  QStringList out;
  const QStringList parts = filter.split(QLatin1Char('|'));
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

QStringList OfferedFilters(const QString& filter) {
  const QStringList filters = QtFilters(filter);
  return filters.isEmpty() ? QStringList{QStringLiteral("All files (*)")} : filters;
}

std::optional<QString> AskOpenFile(FileKind kind) {
  const std::optional<QString> chosen = runFileDialog(requestFor(FileDialogKind::Open, kind));
  if (!chosen || chosen->isEmpty()) return std::nullopt;
  return chosen;
}

std::optional<QString> AskSaveFile(FileKind kind) {
  const FileDialogRequest request = requestFor(FileDialogKind::Save, kind);
  std::optional<QString> chosen = runFileDialog(request);
  if (!chosen || chosen->isEmpty()) return std::nullopt;
  if (!request.defaultExt.isEmpty() && QFileInfo(*chosen).suffix().isEmpty())
    *chosen += QLatin1Char('.') + request.defaultExt;
  return chosen;
}

PrinterChoice AskPrinter(const PrintOptions& options) {
  PrinterChoice choice{std::make_unique<QPrinter>(QPrinter::HighResolution), false};
  QPrinter& printer = *choice.printer;
  if (printerHandler() && !dialogDriver()) {
    if (!printerHandler()(printer, options)) return {};
    choice.selection = options.selection && printer.printRange() == QPrinter::Selection;
    return choice;
  }
  PrinterDialog dialog(&printer, QApplication::activeWindow(), options.pageNumbers);
  // The title of a file dialog set before does not carry over.
  dialog.setWindowTitle(QStringLiteral("Print"));
  QAbstractPrintDialog::PrintDialogOptions qtOptions = dialog.options();
  qtOptions.setFlag(QAbstractPrintDialog::PrintSelection, options.selection);
  qtOptions.setFlag(QAbstractPrintDialog::PrintPageRange, options.pageNumbers);
  dialog.setOptions(qtOptions);
  if (options.selection) printer.setPrintRange(QPrinter::Selection);
  if (execDialog(dialog) != QDialog::Accepted) return {};
  choice.selection = printer.printRange() == QPrinter::Selection;
  return choice;
}

void SetFileDialogHandler(std::function<std::optional<QString>(const FileDialogRequest&)> h) {
  fileHandler() = std::move(h);
}
void SetPrinterDialogHandler(std::function<bool(QPrinter&, const PrintOptions&)> h) {
  printerHandler() = std::move(h);
}
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
