// Message boxes as the user sees them: the whole prompt on its lines and the whole title.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QTest>

#include "common/test_support.h"
#include "ui/msgbox.h"

namespace {
// The prompt as the box's label shows it.
QString ShownPrompt(QMessageBox& box) {
  for (QLabel* label : box.findChildren<QLabel*>())
    if (label->objectName() == QLatin1String("qt_msgbox_label")) return label->text();
  return QString();
}
}  // namespace

TEST(MessageBox, ShowsTheWholeTitleAndThePromptOnItsLines) {
  const struct {
    QString prompt, title, shown;
  } cases[] = {
      {QStringLiteral("OK?"), QStringLiteral("QZ Orbalinth"), QStringLiteral("OK?")},
      {QStringLiteral("Please Enter Your Name"), QStringLiteral("Missing Information"),
       QStringLiteral("Please Enter Your Name")},
      // A title far wider than its prompt: the box widens to it rather than eliding it.
      {QStringLiteral("No."), QStringLiteral("The report could not be saved to the folder that was chosen"),
       QStringLiteral("No.")},
      {QStringLiteral("one\r\ntwo\rthree"), QStringLiteral("QZ Orbalinth"), QStringLiteral("one\ntwo\nthree")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title.toStdString());
    const std::unique_ptr<QMessageBox> box =
        ui::MakeMessageBox(ui::MsgBoxCall{c.prompt, ui::MsgStyle::Information, c.title});
    box->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
    EXPECT_EQ(box->windowTitle(), c.title);
    EXPECT_EQ(ShownPrompt(*box), c.shown);
    // Title bars draw their title in bold: the box is at least as wide as that text.
    QFont bold = box->font();
    bold.setBold(true);
    EXPECT_GE(box->width(), QFontMetrics(bold).horizontalAdvance(c.title));
  }
}
