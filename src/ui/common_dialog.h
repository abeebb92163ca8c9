#pragma once
// The common open, save and print dialog, and the default printer.
#include <QPrinter>
#include <QString>
#include <functional>

class QDialog;
#include <memory>
#include <optional>

namespace ui {
constexpr int cdlOFNOverwritePrompt = 0x2;
constexpr int cdlOFNHideReadOnly = 0x4;
constexpr int cdlOFNPathMustExist = 0x800;
constexpr int cdlOFNFileMustExist = 0x1000;
constexpr int cdlOFNNoReadOnlyReturn = 0x8000;
constexpr int cdlOpenFlags = 0x9004;
constexpr int cdlSaveFlags = 0x8806;
constexpr int cdlPDSelection = 0x1;
constexpr int cdlPDNoPageNums = 0x8;
constexpr int cdlPDReturnDC = 0x100;

class CommonDialog {
 public:
  QString FileName;
  QString DialogTitle;
  QString Filter;       // "description|pattern|description|pattern"
  int FilterIndex = 1;  // 1-based
  QString DefaultExt;   // added to a typed name without extension
  int Flags = 0;
  bool CancelError = false;

  // True when the user chose a file (FileName holds it); Cancel leaves FileName as it was.
  bool ShowOpen();
  bool ShowSave();
  // The chosen printer, or null on Cancel. With cdlPDSelection in Flags the dialog
  // offers to print the selection; PrintSelection() tells whether the user chose it.
  QPrinter* ShowPrinter();
  QPrinter* Printer() const { return printer_.get(); }
  bool PrintSelection() const { return printSelection_; }

  // "description (pattern)" filters for Qt, in order; a description that already ends in
  // its "(pattern)" is taken as it is.
  QStringList QtFilters() const;
  // What the dialog's type box offers: QtFilters(), or "All files (*)" when none is set.
  QStringList OfferedFilters() const;

 private:
  std::unique_ptr<QPrinter> printer_;
  bool printSelection_ = false;
};

enum class FileDialogKind { Open, Save };
struct FileDialogRequest {
  FileDialogKind kind;
  QString title;
  QString filter;
  int filterIndex;
  QString defaultExt;
  QString fileName;
  int flags;
};

// Tests: answer a file dialog (a path, or nullopt for Cancel).
void SetFileDialogHandler(std::function<std::optional<QString>(const FileDialogRequest&)> handler);
// Tests: answer a printer dialog by setting up the printer (for instance PDF output);
// return false for Cancel.
void SetPrinterDialogHandler(std::function<bool(QPrinter& printer, int flags)> handler);

// Tests: when set, the real file and printer dialogs are shown (the handlers above are not asked)
// and the driver is called with the dialog once it shows, to answer it with keys and clicks;
// a dialog the driver leaves open is cancelled.
void SetDialogDriver(std::function<void(QDialog& dialog)> driver);

// The default printer, or null when none is available.
std::unique_ptr<QPrinter> DefaultPrinter();
// What every tool that prints to the default printer says when there is none.
QString NoPrinterMessage();
// Tests: set up the printer that stands for the default one; return false for "no printer".
void SetDefaultPrinterHandler(std::function<bool(QPrinter& printer)> handler);
}  // namespace ui
