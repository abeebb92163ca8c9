#pragma once
// The open, save and printer dialogs, and the default printer.
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QDialog;

namespace ui {
// The kinds of file the suite's dialogs open and save; each has its dialogs' titles, filters
// and default extension.
enum class FileKind {
  Reading,         // a reading's name and birth date, "*.num" (the reading and I Ching tools)
  ChineseReading,  // a Chinese reading's name and birth date, "*.cnu"
  SavedReading,    // a saved reading's text, "*.qzs", opened into the Chinese report
  Report,          // a report in rich text, "*.rtf" (the Kabbalah tool)
  AnyFile,         // a file of any name: the dialog with no title, filter or extension set
};

// The open dialog for a file of the kind: the path chosen, or nullopt on Cancel.
std::optional<QString> AskOpenFile(FileKind kind);
// The save dialog for a file of the kind: the path chosen, with the kind's extension added to a
// name typed without one; nullopt on Cancel.
std::optional<QString> AskSaveFile(FileKind kind);

// Filters as "description|pattern|description|pattern", shown to Qt as "description (pattern)",
// in order; a description that already ends in its "(pattern)" is taken as it is.
QStringList QtFilters(const QString& filter);
// What the dialog's type box offers: QtFilters(), or "All files (*)" when there is none.
QStringList OfferedFilters(const QString& filter);

enum class FileDialogKind { Open, Save };
// A file dialog as it is shown.
struct FileDialogRequest {
  FileDialogKind kind;
  QString title;
  QString filter;         // "description|pattern|..."
  int filterIndex;        // 1-based
  QString defaultExt;     // added to a name typed without extension in a save
  bool mustExist;         // Open: only an existing file can be chosen
  bool confirmOverwrite;  // Save: choosing an existing file asks before replacing it
};

// What the printer dialog offers besides the printer.
struct PrintOptions {
  bool selection = false;   // printing the selected text only
  bool pageNumbers = true;  // printing a range of pages
  bool operator==(const PrintOptions&) const = default;
};
// The printer chosen in the printer dialog (null on Cancel), and whether the user chose to
// print the selection.
struct PrinterChoice {
  std::unique_ptr<QPrinter> printer;
  bool selection = false;
};
PrinterChoice AskPrinter(const PrintOptions& options);

// Tests: answer a file dialog (a path, or nullopt for Cancel).
void SetFileDialogHandler(std::function<std::optional<QString>(const FileDialogRequest&)> handler);
// Tests: answer a printer dialog by setting up the printer (for instance PDF output);
// return false for Cancel.
void SetPrinterDialogHandler(std::function<bool(QPrinter& printer, const PrintOptions& options)> handler);

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
