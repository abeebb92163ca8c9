// Text a window shows from a name or a file stays plain text: labels, tool tips and the tool tips
// of a view's items show markup as written; a label the window means as rich text stays rich.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>
#include <QVBoxLayout>

#include "common/test_support.h"
#include "common/shown_text.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace {
constexpr int kPictureSide = 200;

class frmNames : public ui::FormOf<frmNames> {
 public:
  frmNames() : FormOf("frmNames") {}
  QLabel* raw = nullptr;         // a QLabel as Qt makes it (Qt::AutoText)
  ui::Label* label = nullptr;    // the window layer's label
  QLabel* formatted = nullptr;   // the window's own formatted text
  QPushButton* button = nullptr;
  QListView* list = nullptr;
  QStandardItemModel* items = nullptr;

  // What a handler does with a name it has read: every control shows it.
  void ShowName(const QString& name) {
    raw->setText(name);
    label->setText(name);
    button->setToolTip(name);
    items->item(0)->setToolTip(name);
    items->item(0)->setText(QStringLiteral("first"));
  }
  // A label the window adds after its load, such as a message shown in place of a view.
  QLabel* AddLabel(const QString& text) {
    auto* later = new QLabel(text, window()->centralWidget());
    window()->centralWidget()->layout()->addWidget(later);
    later->show();
    return later;
  }

 protected:
  void CreateControls(QMainWindow* w) override {
    auto* central = new QWidget(w);
    w->setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    raw = new QLabel(central);
    label = new ui::Label(QString(), central);
    formatted = new QLabel(QStringLiteral("<b>Lucky</b> number"), central);
    formatted->setTextFormat(Qt::RichText);
    button = new QPushButton(QStringLiteral("&Next"), central);
    list = new QListView(central);
    items = new QStandardItemModel(0, 1, list);
    items->appendRow(new QStandardItem(QStringLiteral("first")));
    list->setModel(items);
    for (QWidget* c : std::initializer_list<QWidget*>{raw, label, formatted, button, list}) layout->addWidget(c);
  }
};

using qztest::ShownText;
using qztest::ShownToolTip;

class PlainText : public qztest::SeamTest {
 protected:
  frmNames& form() { return frmNames::instance(); }
  void SetUp() override {
    SeamTest::SetUp();
    form().Show();
    qztest::Activate(form().window());
  }
  void TearDown() override {
    QToolTip::hideText();
    SeamTest::TearDown();
  }
  // Rests the mouse on the spot and returns the tool tip that shows there.
  static QString ToolTipAt(QWidget* widget, QPoint spot) {
    QToolTip::hideText();
    EXPECT_TRUE(qztest::WaitFor([] { return !QToolTip::isVisible(); }, 5000)) << "the last tool tip stays";
    QTest::mouseMove(widget, spot - QPoint(1, 0));
    QTest::mouseMove(widget, spot);
    EXPECT_TRUE(qztest::WaitFor([] { return QToolTip::isVisible(); }, 5000)) << "no tool tip";
    return QToolTip::text();
  }
  struct Name {
    const char* what;
    QString text;
  };
  static std::vector<Name> Names() {
    const QString picture = qztest::TempPath(QStringLiteral("plain-text-picture.png"));
    QImage image(kPictureSide, kPictureSide, QImage::Format_RGB32);
    image.fill(Qt::blue);
    image.save(picture, "PNG");
    return {
        {"a picture", QStringLiteral("ANN <img src=\"%1\">").arg(picture)},
        {"bold", QStringLiteral("<b>ANN</b> LEE")},
        {"a table", QStringLiteral("ANN <table><tr><td>LEE</td></tr></table>")},
        {"an escaped tag", QStringLiteral("ANN &lt;b&gt;")},
        {"plain", QStringLiteral("ANN LEE")},
    };
  }
};
}  // namespace

TEST_F(PlainText, LabelsShowANameAsWritten) {
  for (const Name& n : Names()) {
    form().ShowName(n.text);
    QLabel* later = form().AddLabel(n.text);
    for (QLabel* label : {form().raw, static_cast<QLabel*>(form().label), later}) {
      EXPECT_EQ(label->textFormat(), Qt::PlainText) << n.what;
      EXPECT_EQ(ShownText(label->text(), label->textFormat()), n.text) << n.what;
      EXPECT_LT(label->sizeHint().height(), kPictureSide) << n.what;
    }
    delete later;
  }
  // The window's own formatted text keeps its format.
  EXPECT_EQ(form().formatted->textFormat(), Qt::RichText);
  EXPECT_EQ(ShownText(form().formatted->text(), form().formatted->textFormat()), "Lucky number");
}

TEST_F(PlainText, ToolTipsOfControlsAndItemsShowANameAsWritten) {
  QWidget* viewport = form().list->viewport();
  const QPoint onItem = form().list->visualRect(form().items->index(0, 0)).center();
  for (const Name& n : Names()) {
    form().ShowName(n.text);
    for (const auto& [where, widget, spot] : {std::tuple{"button", static_cast<QWidget*>(form().button),
                                                         form().button->rect().center()},
                                              std::tuple{"list item", viewport, onItem}}) {
      const QString shown = ToolTipAt(widget, spot);
      EXPECT_EQ(ShownText(shown, Qt::AutoText), n.text) << n.what << " on the " << where;
      // A tip with no markup is shown as Qt shows it, unchanged.
      if (!Qt::mightBeRichText(n.text)) {
        EXPECT_EQ(shown, n.text) << n.what << " on the " << where;
      }
      if (QWidget* tip = ShownToolTip()) {
        EXPECT_LT(tip->height(), kPictureSide) << n.what << " on the " << where;
      }
    }
  }
}
