#pragma once
// What the display window and the comprehensive window share: the reading's rich text box,
// Back, Print to the default printer, and Save of the reading file.
#include <QPointer>

#include "reading/core/reading_section.h"
#include "ui/form.h"

namespace ui {
class RichTextBox;
}

class ReadingReportWindow : public ui::Form {
 public:
  ui::RichTextBox* RTB();  // loads the window first

  // Appends each run at the end of the box in its own weight and colour.
  void AppendRuns(const reading::SectionRuns& runs);

  void cmdBack_Click();
  void cmdPrint_Click();
  void cmdSave_Click();

  static const QString kPrintFailedMessage;
  static const QString kSaveFailedMessage;

 protected:
  ReadingReportWindow(QString className, QString exitCaption);
  void CreateControls(QMainWindow* window) override;
  void Form_Load() override;
  void Form_Unload() override;

 private:
  QString exitCaption_;
  QPointer<ui::RichTextBox> rtb_;
};

// Renders runs into a rich text box through its selection: SelStart at the end, SelBold,
// SelColor, SelText.
void AppendRunsTo(ui::RichTextBox* box, const reading::SectionRuns& runs);
