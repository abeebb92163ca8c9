#pragma once
// The rich text box: text built by selection formatting, saved as Rich Text Format and printed.
#include <QByteArray>
#include <QColor>
#include <QTextCharFormat>
#include <QTextEdit>

class QPrinter;

namespace ui {
// The 16-colour palette that the suite's rich text uses by index.
QColor PaletteColor(int index);
// The index of a palette colour, or -1.
int PaletteIndex(const QColor& color);

class RichTextBox : public QTextEdit {
  Q_OBJECT
 public:
  explicit RichTextBox(QWidget* parent = nullptr);

  QString Text() const;
  void SetText(const QString& text);

  int SelStart() const;
  void SetSelStart(int position);  // clears the selection
  int SelLength() const;
  void SetSelLength(int length);
  QString SelText() const;
  // Replaces the selection (or inserts at the insertion point) with text in the format
  // last set; the insertion point ends after it with nothing selected. CR LF, a lone CR
  // or LF each break the paragraph.
  void SetSelText(const QString& text);

  void SetSelBold(bool bold);
  void SetSelColor(int paletteIndex);
  void SetSelFontSize(int points);

  // Appends text at the end in the given format (SelStart = end, SelBold, SelColor, SelText).
  void AppendText(const QString& text, bool bold, int paletteIndex);

  // Writes the whole content as a Rich Text Format file, whole or not at all; error, when
  // given, receives the reason of a failure.
  bool SaveFile(const QString& path, QString* error = nullptr);
  QByteArray ToRtf() const;

  // Prints the selection, or the whole content when nothing is selected (PrintDocument).
  void SelPrint(QPrinter* printer);

 private:
  QTextCharFormat pending_;
  void applyToSelection(const QTextCharFormat& change);
};

// Prints the document's content and nothing else (no page numbers): laid out on the printer's
// pages within a margin, a line that would cross a page's foot starting the next page.
void PrintDocument(const QTextDocument& document, QPrinter* printer);

// Rich Text Format of a document (font, colour table, bold, colours, sizes, paragraphs).
QByteArray DocumentToRtf(const class QTextDocument& document);
}  // namespace ui
