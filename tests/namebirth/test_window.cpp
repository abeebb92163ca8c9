// The name and birth numbers window: states, checks, messages, pictures and pages.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <utility>
#include <vector>

#include "common/test_support.h"
#include "namebirth/core/numerology_software.h"
#include "namebirth/frm_numerology_software_one.h"
#include "services/platform.h"
#include "services/web_pages.h"
#include "shell/shell_windows.h"

namespace nb = modNumerologySoftware;

namespace {
const QString kInvalid = QStringLiteral("You Have Entered An Invalid Birthdate.  Please Retry.");

class NamebirthWindowTest : public qztest::SeamTest {
 protected:
  frmNumerologySoftwareOne& form = frmNumerologySoftwareOne::instance();

  void TearDown() override {
    form.Unload();
    if (frmMain::instance().IsLoaded()) frmMain::instance().Hide();
    qztest::RestoreProgramFolder();
  }

  QLineEdit* box(const char* name) { return form.control<QLineEdit>(QLatin1String(name)); }
  QComboBox* combo(const char* name) { return form.control<QComboBox>(QLatin1String(name)); }
  QLabel* label(const char* name) { return form.control<QLabel>(QLatin1String(name)); }
  QString text(const char* name) { return label(name)->text(); }
  bool hasPicture(const char* name) {
    const QPixmap p = label(name)->pixmap();
    return !p.isNull();
  }
  QAction* action(const char* name) { return form.window()->findChild<QAction*>(QLatin1String(name)); }

  // Types the name, then tabs through the day, month and year boxes typing each, as a user does.
  void enter(const QString& name, const QString& day, const QString& month, const QString& year) {
    form.Show();
    qztest::Activate(form.window());
    QLineEdit* nameBox = box("Text1");
    QTest::mouseClick(nameBox, Qt::LeftButton);
    ASSERT_TRUE(nameBox->hasFocus());
    QTest::keyClicks(nameBox, name);
    typeDate(day, month, year);
  }
  // From the name box, Tab into each date box in turn and type into it.
  void typeDate(const QString& day, const QString& month, const QString& year) {
    const std::pair<const char*, QString> boxes[] = {{"myday", day}, {"Combo1", month}, {"myyear", year}};
    for (const auto& [name, typed] : boxes) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QComboBox* target = combo(name);
      ASSERT_TRUE(target->lineEdit()->hasFocus()) << name;
      QTest::keyClicks(target->lineEdit(), typed);
    }
  }
  void calculate() { QTest::mouseClick(form.control<QPushButton>(QStringLiteral("option1")), Qt::LeftButton); }
  void clear() { QTest::mouseClick(form.control<QPushButton>(QStringLiteral("Option2")), Qt::LeftButton); }

  // Every result box and label, and both pictures, are empty.
  void expectResultsEmpty() {
    for (const char* name : {"Text2", "Text7"}) EXPECT_EQ(box(name)->text(), QString()) << name;
    for (const char* name : {"planet", "elements", "letters", "zodiac", "pcolors", "scolors", "Label2"})
      EXPECT_EQ(text(name), QString()) << name;
    EXPECT_FALSE(hasPicture("Image1"));
    EXPECT_FALSE(hasPicture("Image2"));
  }
  void expectInputState() {
    EXPECT_FALSE(form.IsExpanded());
    for (const char* name : {"myday", "Combo1", "myyear"}) {
      EXPECT_TRUE(combo(name)->isEnabled()) << name;
      EXPECT_EQ(combo(name)->currentText(), QString()) << name;
    }
    EXPECT_TRUE(box("Text1")->isEnabled());
    EXPECT_FALSE(box("Text1")->isReadOnly());
    EXPECT_EQ(box("Text1")->text(), QString());
    EXPECT_EQ(box("Text6")->text(), QString());
    expectResultsEmpty();
  }

  // Copies of the picture folder, removed when the test ends.
  std::vector<std::unique_ptr<QTemporaryDir>> folders;

  // A copy of the picture folder without the given files.
  QString folderWithout(const QStringList& missing) {
    auto* dir = folders.emplace_back(std::make_unique<QTemporaryDir>()).get();
    QDir(dir->path()).mkpath(QStringLiteral("pu"));
    const QString source = QDir(qztest::BuiltProgramFolder()).filePath(QStringLiteral("pu"));
    for (const QString& name : nb::PictureFileNames()) {
      if (missing.contains(name)) continue;
      EXPECT_TRUE(QFile::copy(QDir(source).filePath(name), QDir(dir->path()).filePath(QStringLiteral("pu/") + name)));
    }
    return dir->path();
  }
};
}  // namespace

TEST_F(NamebirthWindowTest, OpensCollapsedAndEmptyWithItsLists) {
  form.Show();
  EXPECT_EQ(form.window()->windowTitle(), QStringLiteral("QZ Numerology Software"));
  expectInputState();
  EXPECT_EQ(form.control<QWidget>(QStringLiteral("client"))->size(), form.CollapsedClientSize());
  QComboBox* day = combo("myday");
  ASSERT_EQ(day->count(), 31);
  EXPECT_EQ(day->itemText(0), QStringLiteral("01"));
  EXPECT_EQ(day->itemText(8), QStringLiteral("09"));
  EXPECT_EQ(day->itemText(30), QStringLiteral("31"));
  QComboBox* year = combo("myyear");
  ASSERT_EQ(year->count(), 111);
  EXPECT_EQ(year->itemText(0), QStringLiteral("1900"));
  EXPECT_EQ(year->itemText(110), QStringLiteral("2010"));
  QComboBox* month = combo("Combo1");
  ASSERT_EQ(month->count(), 12);
  EXPECT_EQ(month->itemText(0), QStringLiteral("January"));
  EXPECT_EQ(month->itemText(11), QStringLiteral("December"));
  EXPECT_TRUE(combo("myday")->isEditable());
  EXPECT_FALSE(box("Text6")->isVisible());
  EXPECT_TRUE(qztest::seams().messages.empty());
}

TEST_F(NamebirthWindowTest, CalculateFillsEveryResultAndExpands) {
  enter(QStringLiteral("Anna"), QStringLiteral("6"), QStringLiteral("August"), QStringLiteral("1979"));
  calculate();
  EXPECT_TRUE(qztest::seams().messages.empty());
  EXPECT_EQ(combo("myday")->currentText(), QStringLiteral("06"));  // the day gets its leading 0
  EXPECT_EQ(box("Text6")->text(), QStringLiteral("08061979"));
  EXPECT_EQ(box("Text2")->text(), QStringLiteral("3"));
  EXPECT_EQ(box("Text7")->text(), QStringLiteral("4"));
  EXPECT_TRUE(text("Label2").startsWith(QStringLiteral("The investigator; the scientist; the seeker.")));
  EXPECT_EQ(text("planet"), QStringLiteral("Jupiter"));
  EXPECT_EQ(text("elements"), QStringLiteral("Fire"));
  EXPECT_EQ(text("letters"), QStringLiteral("C, L, U"));
  EXPECT_EQ(text("pcolors"), QStringLiteral("Yellow"));
  EXPECT_EQ(text("scolors"), QStringLiteral("Mauve, Violet, Lilac"));
  EXPECT_EQ(text("zodiac"), QStringLiteral("Leo"));
  EXPECT_TRUE(hasPicture("Image1"));
  EXPECT_TRUE(hasPicture("Image2"));
  EXPECT_TRUE(form.IsExpanded());
  EXPECT_GT(form.window()->width(), 600);
  for (const char* name : {"myday", "Combo1", "myyear"}) EXPECT_FALSE(combo(name)->isEnabled()) << name;
  EXPECT_FALSE(box("Text1")->isEnabled());
  EXPECT_TRUE(box("Text1")->isReadOnly());
  EXPECT_TRUE(form.control<QPushButton>(QStringLiteral("option1"))->isEnabled());

  // Again without Clear: the same results.
  action("mnuCalc")->trigger();
  EXPECT_EQ(box("Text6")->text(), QStringLiteral("08061979"));
  EXPECT_EQ(box("Text7")->text(), QStringLiteral("4"));
  EXPECT_EQ(text("zodiac"), QStringLiteral("Leo"));

  clear();
  expectInputState();
  EXPECT_EQ(combo("myday")->count(), 31);
  EXPECT_EQ(combo("myyear")->count(), 111);
  EXPECT_EQ(combo("Combo1")->count(), 12);
}

TEST_F(NamebirthWindowTest, TypedDateBoxesHoldWhatWasTyped) {
  // Each text is the start of an item in its list; the box keeps it as typed, in its case.
  struct Case {
    QString day, month, year;
  };
  const Case cases[] = {
      {"3", "Feb", "19"},
      {"1", "aug", "198"},
      {"0", "j", "2"},
      {"2", "DECEMBER", "20"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE((c.day + " " + c.month + " " + c.year).toStdString());
    enter(QStringLiteral("Anna"), c.day, c.month, c.year);
    EXPECT_EQ(combo("myday")->currentText(), c.day);
    EXPECT_EQ(combo("Combo1")->currentText(), c.month);
    EXPECT_EQ(combo("myyear")->currentText(), c.year);
    for (const char* name : {"myday", "Combo1", "myyear"})
      EXPECT_EQ(combo(name)->lineEdit()->selectedText(), QString()) << name;
    clear();
  }
}

TEST_F(NamebirthWindowTest, TypedOneDigitDaysGiveTheirReading) {
  struct Case {
    QString day, month, year;
    QString dateText, birthNumber, sign;
  };
  const Case cases[] = {
      {"3", "February", "1984", "02031984", "9", "Aquarius"},
      {"3", "April", "1990", "04031990", "8", "Aries"},
      {"1", "January", "1977", "01011977", "8", "Capricorn"},
      {"9", "September", "1900", "09091900", "1", "Virgo"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE((c.day + " " + c.month + " " + c.year).toStdString());
    qztest::seams().reset();
    enter(QStringLiteral("Anna"), c.day, c.month, c.year);
    calculate();
    EXPECT_TRUE(qztest::seams().messages.empty()) << qztest::seams().lastPrompt().toStdString();
    EXPECT_EQ(combo("myday")->currentText(), QStringLiteral("0") + c.day);
    EXPECT_EQ(box("Text6")->text(), c.dateText);
    EXPECT_EQ(box("Text2")->text(), QStringLiteral("3"));
    EXPECT_EQ(box("Text7")->text(), c.birthNumber);
    EXPECT_EQ(text("zodiac"), c.sign);
    EXPECT_TRUE(text("Label2").startsWith(QStringLiteral("The investigator; the scientist; the seeker.")));
    EXPECT_TRUE(form.IsExpanded());
    clear();
  }
}

TEST_F(NamebirthWindowTest, InputChecksWithTheirTitlesAndStyles) {
  struct Case {
    const char* what;
    QString name, day, month, year;
    QString prompt;
    ui::MsgStyle style;
    QString title;
  };
  const QString app = QStringLiteral("QZ Orbalinth");
  const QString missingName = QStringLiteral("You Must Enter Your Full Name.");
  const Case cases[] = {
      {"no day", "Anna", "", "August", "1979", kInvalid, ui::MsgStyle::Information, app},
      {"no month", "Anna", "6", "", "1979", kInvalid, ui::MsgStyle::Information, app},
      {"no year", "Anna", "6", "August", "", kInvalid, ui::MsgStyle::Information, app},
      {"no name", "", "6", "August", "1979", missingName, ui::MsgStyle::OkOnly, QStringLiteral("Missing Information")},
      {"no name and no date", "", "", "", "", kInvalid, ui::MsgStyle::Information, app},  // the date is checked first
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    qztest::seams().reset();
    enter(c.name, c.day, c.month, c.year);
    calculate();
    ASSERT_EQ(qztest::seams().messages.size(), 1u);
    EXPECT_EQ(qztest::seams().messages[0].prompt, c.prompt);
    EXPECT_EQ(qztest::seams().messages[0].style, c.style);
    EXPECT_EQ(qztest::seams().messages[0].title, c.title);
    expectInputState();
  }
}

TEST_F(NamebirthWindowTest, ImpossibleDatesEndExpandedEmptyAndEnabled) {
  struct Case {
    QString day, month, year;
  };
  const Case cases[] = {
      {"30", "February", "1979"},
      {"31", "April", "2000"},
      {"00", "May", "1979"},
      {"6", "august", "1979"},  // not a month name: only the day and year digits
      {"6", "August", "abcd"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE((c.day + " " + c.month + " " + c.year).toStdString());
    qztest::seams().reset();
    enter(QStringLiteral("Anna"), c.day, c.month, c.year);
    calculate();
    ASSERT_EQ(qztest::seams().messages.size(), 1u);
    EXPECT_EQ(qztest::seams().messages[0].prompt, kInvalid);
    EXPECT_EQ(qztest::seams().messages[0].style, ui::MsgStyle::Critical);
    EXPECT_EQ(qztest::seams().messages[0].title, QStringLiteral("Invalid Birthday"));
    EXPECT_TRUE(form.IsExpanded());
    EXPECT_TRUE(box("Text1")->isEnabled());
    EXPECT_TRUE(combo("Combo1")->isEnabled());
    EXPECT_EQ(box("Text1")->text(), QString());
    expectResultsEmpty();
    clear();
  }
}

TEST_F(NamebirthWindowTest, WhatTheChecksLetThrough) {
  // A name of blanks passes: number 0, no attributes, the sign still shows.
  enter(QStringLiteral("   "), QStringLiteral("29"), QStringLiteral("February"), QStringLiteral("1979"));
  calculate();
  EXPECT_TRUE(qztest::seams().messages.empty());
  EXPECT_EQ(box("Text2")->text(), QStringLiteral("0"));
  EXPECT_EQ(text("planet"), QString());
  EXPECT_EQ(text("Label2"), QString());
  EXPECT_FALSE(hasPicture("Image1"));
  EXPECT_EQ(text("zodiac"), QStringLiteral("Pisces"));
  clear();

  // A year outside the list is accepted; a name whose letters give 10 has no attributes.
  enter(QString(22, QLatin1Char('I')) + QStringLiteral("A"), QStringLiteral("07"), QStringLiteral("December"),
        QStringLiteral("1850"));
  calculate();
  EXPECT_TRUE(qztest::seams().messages.empty());
  EXPECT_EQ(box("Text2")->text(), QStringLiteral("10"));
  EXPECT_EQ(text("scolors"), QString());
  EXPECT_EQ(text("zodiac"), QStringLiteral("Sagittarius"));
}

TEST_F(NamebirthWindowTest, ADigitKeyIsDroppedAndTheSelectionStays) {
  form.Show();
  QLineEdit* name = box("Text1");
  name->setFocus();
  QTest::keyClicks(name, QStringLiteral("Ann"));
  name->selectAll();
  QTest::keyClick(name, Qt::Key_5, Qt::NoModifier);
  ASSERT_EQ(qztest::seams().messages.size(), 1u);
  EXPECT_EQ(qztest::seams().messages[0].prompt, QStringLiteral("Enter Alphabetical Letters Only."));
  EXPECT_EQ(qztest::seams().messages[0].style, ui::MsgStyle::OkOnly);
  EXPECT_EQ(qztest::seams().messages[0].title, QStringLiteral("QZ Orbalinth"));
  EXPECT_EQ(name->text(), QStringLiteral("Ann"));
  EXPECT_EQ(name->selectedText(), QStringLiteral("Ann"));

  // A digit on the keypad too; letters and blanks pass.
  name->end(false);
  QTest::keyClick(name, Qt::Key_0, Qt::KeypadModifier);
  EXPECT_EQ(qztest::seams().messages.size(), 2u);
  QTest::keyClicks(name, QStringLiteral("a B"));
  EXPECT_EQ(name->text(), QStringLiteral("Anna B"));
  EXPECT_EQ(qztest::seams().messages.size(), 2u);

  // A pasted digit is not refused and counts nothing.
  name->insert(QStringLiteral("7"));
  EXPECT_EQ(name->text(), QStringLiteral("Anna B7"));
  qztest::Activate(form.window());
  name->setFocus(Qt::MouseFocusReason);
  typeDate(QStringLiteral("6"), QStringLiteral("August"), QStringLiteral("1979"));
  calculate();
  EXPECT_EQ(box("Text2")->text(), nb::ComputeNameNumber(QStringLiteral("Anna B")));
}

TEST_F(NamebirthWindowTest, ASecondCalculateStartsTheDateTextAfresh) {
  // The month is no name: the date text holds only the day and year.
  enter(QStringLiteral("Anna"), QStringLiteral("10"), QStringLiteral("Octobre"), QStringLiteral("15000"));
  calculate();
  EXPECT_EQ(box("Text6")->text(), QStringLiteral("1015000"));
  EXPECT_EQ(box("Text7")->text(), QStringLiteral("7"));
  EXPECT_EQ(text("zodiac"), QStringLiteral("Capricorn"));
  calculate();
  EXPECT_EQ(box("Text6")->text(), QStringLiteral("1015000"));
  EXPECT_EQ(box("Text7")->text(), QStringLiteral("7"));
  EXPECT_EQ(text("zodiac"), QStringLiteral("Capricorn"));
  EXPECT_TRUE(qztest::seams().messages.empty());
}

TEST_F(NamebirthWindowTest, AMissingPlanetOrSignPictureShowsNoPictureButEveryLabel) {
  platform::SetProgramFolder(folderWithout({QStringLiteral("jupiter.jpg"), QStringLiteral("leo.jpg")}));
  enter(QStringLiteral("Anna"), QStringLiteral("6"), QStringLiteral("August"), QStringLiteral("1979"));
  calculate();
  EXPECT_TRUE(qztest::seams().messages.empty());
  EXPECT_TRUE(qztest::seams().endCalls.empty());
  EXPECT_FALSE(hasPicture("Image1"));
  EXPECT_FALSE(hasPicture("Image2"));
  EXPECT_EQ(text("planet"), QStringLiteral("Jupiter"));
  EXPECT_EQ(text("elements"), QStringLiteral("Fire"));
  EXPECT_EQ(text("letters"), QStringLiteral("C, L, U"));
  EXPECT_EQ(text("pcolors"), QStringLiteral("Yellow"));
  EXPECT_EQ(text("zodiac"), QStringLiteral("Leo"));
  EXPECT_TRUE(form.IsExpanded());

  // The planet picture of another number still shows from the same folder.
  clear();
  enter(QStringLiteral("Max"), QStringLiteral("6"), QStringLiteral("August"), QStringLiteral("1979"));
  calculate();
  EXPECT_EQ(text("planet"), QStringLiteral("Moon"));
  EXPECT_TRUE(hasPicture("Image1"));
}

TEST_F(NamebirthWindowTest, WithoutTheSunPictureTheProgramEnds) {
  const QString noSun = folderWithout({QStringLiteral("sun.jpg")});
  const QString noFolder = QDir(qztest::TempPath(QStringLiteral("no-program-folder"))).path();
  for (const QString& folder : {noSun, noFolder}) {
    SCOPED_TRACE(folder.toStdString());
    qztest::seams().reset();
    platform::SetProgramFolder(folder);
    form.Load();
    ASSERT_EQ(qztest::seams().messages.size(), 1u);
    EXPECT_EQ(qztest::seams().messages[0].prompt,
              QStringLiteral("Pictures Folder Is Missing\r\nPictures Have Been Moved Or Deleted."));
    EXPECT_EQ(qztest::seams().messages[0].style, ui::MsgStyle::Critical);
    EXPECT_EQ(qztest::seams().messages[0].title, QStringLiteral("Please Reinstall The Software"));
    EXPECT_EQ(qztest::seams().endCalls, std::vector<int>{0});
    form.Unload();
  }
}

TEST_F(NamebirthWindowTest, ItsOwnMenuAndPagesOpenFullAddresses) {
  form.Show();
  QMenuBar* bar = form.window()->menuBar();
  QStringList tops;
  for (QAction* a : bar->actions())
    if (a->isVisible()) tops << a->text();
  EXPECT_EQ(tops, (QStringList{"&File", "&Help", "Donate"}));
  auto visibleCaptions = [&](const char* menu) {
    QStringList captions;
    for (QAction* a : form.window()->findChild<QMenu*>(QLatin1String(menu))->actions())
      if (a->isVisible()) captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return captions;
  };
  const QString visit = QStringLiteral("&Visit ") + SiteDomain;
  EXPECT_EQ(visibleCaptions("mnuFile"), (QStringList{"&Calculate", "C&lear", "-", visit, "-", "E&xit"}));
  EXPECT_EQ(visibleCaptions("mnuHelp"),
            (QStringList{"&Onlline Help Pages", "Check For Updates", "-", "&About Software", visit}));
  EXPECT_EQ(text("Label10"), QStringLiteral("Click Here To Visit ") + SiteDomain);

  QTest::mouseClick(form.control<QWidget>(QStringLiteral("Label10")), Qt::LeftButton);
  QTest::mouseClick(form.control<QWidget>(QStringLiteral("Label12")), Qt::LeftButton);
  for (const char* name : {"mnuVOS", "mnuVS", "mnuDonate", "mnuhp", "mnuUpdates"}) action(name)->trigger();
  const QString root = SiteAddress;
  EXPECT_EQ(qztest::seams().opened,
            (QStringList{root, root, root, root, root + QStringLiteral("/donate.html"),
                         root + QStringLiteral("/qz-free-numerology-software/qz-free-numerology-software-help.html"),
                         PageAddress(QStringLiteral("download-web-page"))}));
  for (const QString& address : qztest::seams().opened) EXPECT_TRUE(address.startsWith(QLatin1String("https://")));

  qztest::seams().opened.clear();
  QTest::mouseClick(form.control<QWidget>(QStringLiteral("lblFullBrand")), Qt::LeftButton);
  EXPECT_EQ(qztest::seams().opened, QStringList{PageAddress(QStringLiteral("fully-branded"))});

  bool aboutShown = false;
  qztest::seams().onModal = [&](ui::Form& shown) { aboutShown = shown.className() == QLatin1String("frmAbout"); };
  action("mnuAbt")->trigger();
  EXPECT_TRUE(aboutShown);
  frmAbout::instance().Unload();
}

TEST_F(NamebirthWindowTest, ExitShowsTheLauncher) {
  form.Show();
  EXPECT_TRUE(form.IsVisible());
  action("mnuExit")->trigger();
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_TRUE(frmMain::instance().IsVisible());
}

TEST_F(NamebirthWindowTest, TheExpandedWindowShowsItsPictures) {
  enter(QStringLiteral("Anna Maria Lindqvist"), QStringLiteral("23"), QStringLiteral("July"), QStringLiteral("1984"));
  calculate();
  ASSERT_TRUE(hasPicture("Image1"));
  ASSERT_TRUE(hasPicture("Image2"));
  const QImage shot = form.window()->grab().toImage();
  EXPECT_EQ(shot.size(), form.window()->size());
  // The planet's picture area is painted, not the plain window background.
  const QRect area = label("Image1")->geometry().translated(form.control<QWidget>(QStringLiteral("client"))->pos());
  const QColor middle = shot.pixelColor(area.center());
  EXPECT_NE(middle, form.window()->palette().color(QPalette::Window));
  const QString keep = qEnvironmentVariable("NAMEBIRTH_SCREENSHOT");
  if (!keep.isEmpty()) shot.save(keep);

  clear();
  const QImage collapsed = form.window()->grab().toImage();
  EXPECT_LT(collapsed.width(), shot.width() / 2 + 20);
  EXPECT_LT(collapsed.height(), shot.height());
  if (!keep.isEmpty()) collapsed.save(QString(keep).replace(QLatin1String(".png"), QLatin1String("-collapsed.png")));
}
