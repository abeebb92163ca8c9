#include "namebirth/frm_numerology_software_one.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <optional>

#include "namebirth/core/numerology_software.h"
#include "services/calendar.h"
#include "services/file_io.h"
#include "services/web_pages.h"
#include "shell/common_menu.h"
#include "shell/shell_windows.h"
#include "ui/controls.h"
#include "ui/msgbox.h"
#include "ui/screen_fit.h"
#include "ui/style.h"

namespace nb = modNumerologySoftware;

namespace {
// The layout is drawn in twips, shown a quarter larger than its design so that the controls
// hold their text in the suite's font.
constexpr double kDesignScale = 1.25;
int px(const QWidget* widget, int twips) { return ui::TwipsToPixels(widget, twips, kDesignScale); }

void place(QWidget* widget, int left, int top, int width, int height) {
  widget->setGeometry(px(widget, left), px(widget, top), px(widget, width), px(widget, height));
}

const QString kInvalidBirthdate = QStringLiteral("You Have Entered An Invalid Birthdate.  Please Retry.");

// Empties the text of an editable combo box; its list stays.
void emptyCombo(QComboBox* combo) {
  combo->setCurrentIndex(-1);
  combo->clearEditText();
}

QComboBox* editableCombo(QWidget* parent, const QString& name) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  combo->setEditable(true);
  // The box holds exactly what was typed: no inline completion, no change of case.
  combo->setCompleter(nullptr);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setMaxVisibleItems(12);
  return combo;
}

QLabel* plainLabel(QWidget* parent, const QString& name, const QString& caption, const QString& tip = QString()) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  if (!tip.isEmpty()) label->setToolTip(tip);
  return label;
}

QLabel* resultLabel(QWidget* parent, const QString& name, const QString& tip, bool bold = false) {
  QLabel* label = plainLabel(parent, name, QString(), tip);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ui::SetOwnStyleSheet(label, bold ? QStringLiteral("color: #5a1a78; font-weight: bold;") : QStringLiteral("color: #5a1a78;"));
  return label;
}

QLabel* picture(QWidget* parent, const QString& name, const QString& tip) {
  auto* image = new QLabel(parent);
  image->setObjectName(name);
  image->setToolTip(tip);
  image->setScaledContents(true);
  image->setFrameShape(QFrame::Panel);
  image->setFrameShadow(QFrame::Sunken);
  ui::SetOwnStyleSheet(image, QStringLiteral("background: #14102a;"));
  return image;
}

QLineEdit* numberBox(QWidget* parent, const QString& name, const QString& tip) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setToolTip(tip);
  box->setReadOnly(true);
  box->setAlignment(Qt::AlignCenter);
  ui::SetOwnStyleSheet(box, QStringLiteral("font-weight: bold; padding: 0px;"));
  return box;
}

// A picture is read only from a regular file of a sane size: a FIFO or device in the picture
// folder would hold the window for ever.
constexpr qint64 kLargestPicture = 32 * 1024 * 1024;
bool loadPicture(QPixmap& pixmap, const QString& fileName) {
  const std::optional<QByteArray> bytes = ReadSmallFile(nb::PicturePath(fileName), kLargestPicture);
  return bytes && pixmap.loadFromData(*bytes);
}

void setPicture(QLabel* image, const QString& fileName) {
  QPixmap pixmap;
  if (loadPicture(pixmap, fileName)) image->setPixmap(pixmap);
  else image->clear();
}
}  // namespace

QSize frmNumerologySoftwareOne::CollapsedClientSize() const { return {px(client, 3945), px(client, 2740)}; }
QSize frmNumerologySoftwareOne::ExpandedClientSize() const { return {px(client, 8085), px(client, 5010)}; }

bool frmNumerologySoftwareOne::IsExpanded() {
  Load();
  return client && client->size() == ExpandedClientSize();
}

void frmNumerologySoftwareOne::CreateControls(QMainWindow* w) {
  w->setWindowTitle(QStringLiteral("QZ Numerology Software"));
  client = new QWidget(w);
  client->setObjectName(QStringLiteral("client"));
  w->setCentralWidget(client);

  auto* Label10 = new ui::Label(QStringLiteral("Click Here To Visit ") + SiteDomain, client);
  Label10->setObjectName(QStringLiteral("Label10"));
  Label10->setWordWrap(false);
  Label10->setLinkStyle();
  ui::SetOwnStyleSheet(Label10, QStringLiteral("color: #1a3c8c; font-weight: bold; text-decoration: underline;"));
  place(Label10, 120, 120, 3735, 255);
  QObject::connect(Label10, &ui::Label::clicked, Label10, [this] { Label10_Click(); });

  place(plainLabel(client, QStringLiteral("Label13"), QStringLiteral("Your Full Name")), 120, 550, 1455, 260);
  Text1 = new QLineEdit(client);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setToolTip(QStringLiteral("Enter letters and spaces only."));
  place(Text1, 120, 810, 3735, 360);
  ui::OnKeyPress(Text1, [this](QKeyEvent* event) { return Text1_KeyPress(event); });

  place(plainLabel(client, QStringLiteral("Label7"), QStringLiteral("Day")), 240, 1200, 600, 255);
  place(plainLabel(client, QStringLiteral("Label4"), QStringLiteral("Month")), 1320, 1200, 1000, 255);
  place(plainLabel(client, QStringLiteral("Label8"), QStringLiteral("Year")), 2880, 1200, 900, 255);
  myday = editableCombo(client, QStringLiteral("myday"));
  place(myday, 120, 1470, 735, 360);
  Combo1 = editableCombo(client, QStringLiteral("Combo1"));
  Combo1->addItems(calendar::MonthNames());
  place(Combo1, 840, 1470, 1695, 360);
  myyear = editableCombo(client, QStringLiteral("myyear"));
  place(myyear, 2520, 1470, 1335, 360);

  place(plainLabel(client, QStringLiteral("Label1"), QStringLiteral("Name Number"),
                   QStringLiteral("Lets you know that the number that appears to the right of here is your name number.")),
        120, 1920, 1215, 285);
  Text2 = numberBox(client, QStringLiteral("Text2"), QStringLiteral("Your name number."));
  place(Text2, 1440, 1920, 360, 285);
  place(plainLabel(client, QStringLiteral("Label5"), QStringLiteral("Birth Number"),
                   QStringLiteral("This one lets you know your number to the right of here is your birth number.")),
        2160, 1920, 1215, 285);
  Text7 = numberBox(client, QStringLiteral("Text7"), QStringLiteral("This is your birth number."));
  place(Text7, 3480, 1920, 360, 285);

  auto* Option2 = new QPushButton(QStringLiteral("Clear"), client);
  Option2->setObjectName(QStringLiteral("Option2"));
  place(Option2, 1560, 2280, 975, 375);
  QObject::connect(Option2, &QPushButton::clicked, Option2, [this] { Option2_Click(); });
  auto* option1 = new QPushButton(QStringLiteral("Calculate"), client);
  option1->setObjectName(QStringLiteral("option1"));
  place(option1, 2640, 2280, 1215, 375);
  QObject::connect(option1, &QPushButton::clicked, option1, [this] { option1_Click(); });

  planet = resultLabel(client, QStringLiteral("planet"),
                       QStringLiteral("This is the name of the planet associated with you."), true);
  planet->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  place(planet, 4200, 200, 1275, 280);
  Image1 = picture(client, QStringLiteral("Image1"),
                   QStringLiteral("Here is the ultra cool picture I drew to represent the planet associated with you."));
  place(Image1, 4200, 480, 1275, 1605);
  place(plainLabel(client, QStringLiteral("Label3"), QStringLiteral("Element"),
                   QStringLiteral("This is the element box.  Only four things live in here.")),
        5640, 480, 855, 255);
  elements = resultLabel(client, QStringLiteral("elements"), QStringLiteral("Element related to your name number."), true);
  place(elements, 5640, 840, 855, 255);
  place(plainLabel(client, QStringLiteral("Label6"), QStringLiteral("Letters"),
                   QStringLiteral("This is the letters box.  Up to three things live in here at any given time.")),
        5640, 1320, 855, 255);
  letters = resultLabel(client, QStringLiteral("letters"), QStringLiteral("Letters associated with your name number."), true);
  place(letters, 5640, 1680, 855, 255);
  zodiac = resultLabel(client, QStringLiteral("zodiac"), QStringLiteral("This is the Zodiac associated with you."), true);
  zodiac->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  place(zodiac, 6600, 200, 1275, 280);
  Image2 = picture(client, QStringLiteral("Image2"),
                   QStringLiteral("Here is the ultra cool drawing I made of the Zodiac that is associated to you."));
  place(Image2, 6600, 480, 1275, 1605);

  place(plainLabel(client, QStringLiteral("Label9"), QStringLiteral("Primary Colors"),
                   QStringLiteral("Just a label to let you know that the names of colors below here are your primary "
                                  "colors.")),
        4200, 2160, 1695, 255);
  pcolors = resultLabel(client, QStringLiteral("pcolors"), QStringLiteral("Here is your list of primary colors."));
  place(pcolors, 4200, 2520, 1755, 495);
  place(plainLabel(client, QStringLiteral("Label11"), QStringLiteral("Secondary Colors"),
                   QStringLiteral("Just a label to let you know that the names of colors below here are your secondary "
                                  "colors.")),
        6120, 2160, 1755, 255);
  scolors = resultLabel(client, QStringLiteral("scolors"), QStringLiteral("Here is your list of secondary colors."));
  place(scolors, 6120, 2520, 1755, 495);

  Label2 = resultLabel(client, QStringLiteral("Label2"), QString());
  Label2->setStyleSheet(QString());
  place(Label2, 120, 3120, 7815, 1575);

  // The promotion pair lies in front of the meaning where they meet.
  QWidget* promotion = shell::PromotionLabels(client, shell::PromoFront::FullBrand, false);
  place(promotion, 0, 4320, 6345, 615);
  promotion->raise();

  auto* Label12 = new ui::Label(QStringLiteral("Co-brand this software. See help for details"), client);
  Label12->setObjectName(QStringLiteral("Label12"));
  Label12->setLinkStyle();
  Label12->setAlignment(Qt::AlignCenter);
  ui::SetOwnStyleSheet(Label12, QStringLiteral("color: #1a3c8c;"));
  place(Label12, 6480, 4320, 1455, 615);
  QObject::connect(Label12, &ui::Label::clicked, Label12, [this] { Label12_Click(); });

  Text6 = new QLineEdit(client);
  Text6->setObjectName(QStringLiteral("Text6"));
  place(Text6, 4560, 5640, 855, 285);
  Text6->hide();

  shell::CommonMenuSet(w, className(),
                       {{QStringLiteral("mnuCalc"), [this] { mnuCalc_Click(); }},
                        {QStringLiteral("mnuClr"), [this] { mnuClr_Click(); }},
                        {QStringLiteral("mnuVOS"), [this] { mnuVOS_Click(); }},
                        {QStringLiteral("mnuExit"), [this] { mnuExit_Click(); }},
                        {QStringLiteral("mnuhp"), [this] { mnuhp_Click(); }},
                        {QStringLiteral("mnuVS"), [this] { mnuVS_Click(); }},
                        {QStringLiteral("mnuDonate"), [this] { mnuDonate_Click(); }}});
  SetExpanded(true);
}

void frmNumerologySoftwareOne::SetExpanded(bool expanded) {
  const QSize size = expanded ? ExpandedClientSize() : CollapsedClientSize();
  client->setFixedSize(size);
  QMainWindow* w = window();
  int menuHeight = 0;
  if (QMenuBar* bar = w->menuBar()) {
    menuHeight = bar->heightForWidth(size.width());
    if (menuHeight <= 0) menuHeight = bar->sizeHint().height();
  }
  w->setFixedSize(size.width(), size.height() + menuHeight);
  // The window grows from where it stands; what would pass the screen's edge is moved back onto it.
  if (w->isVisible()) ui::KeepOnScreen(w);
}

void frmNumerologySoftwareOne::Form_Load() {
  // The picture folder must be there: without the sun picture nothing can be shown.
  QPixmap probe;
  if (!loadPicture(probe, QStringLiteral("sun.jpg"))) {
    ui::MsgBox(QStringLiteral("Pictures Folder Is Missing\r\nPictures Have Been Moved Or Deleted."),
               ui::MsgStyle::Critical, QStringLiteral("Please Reinstall The Software"));
    ui::EndProcess(0);
    return;
  }
  Image1->setPixmap(probe);
  Image1->clear();

  Option2_Click();

  for (int year = 1900; year <= 2010; ++year) myyear->addItem(QString::number(year));
  for (int day = 1; day <= 31; ++day) myday->addItem(QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0')));
  // Filling a list selects its first item; the boxes stay empty.
  emptyCombo(myyear);
  emptyCombo(myday);
}

void frmNumerologySoftwareOne::Form_Unload() { frmMain::instance().Show(); }

void frmNumerologySoftwareOne::Option2_Click() {
  Load();
  for (QWidget* input : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(myday), static_cast<QWidget*>(myyear),
                         static_cast<QWidget*>(Combo1)})
    input->setEnabled(true);
  Text1->setReadOnly(false);
  Text6->setReadOnly(false);

  SetExpanded(false);

  for (QLabel* label : {planet, zodiac, elements, letters, pcolors, scolors}) label->clear();
  Image1->clear();
  Image2->clear();

  Text1->clear();
  Text2->clear();
  Text6->clear();
  Text7->clear();
  emptyCombo(Combo1);
  emptyCombo(myday);
  emptyCombo(myyear);
  Label2->clear();
}

void frmNumerologySoftwareOne::option1_Click() {
  Load();
  for (QWidget* input : {static_cast<QWidget*>(Text1), static_cast<QWidget*>(myday), static_cast<QWidget*>(myyear),
                         static_cast<QWidget*>(Combo1)})
    input->setEnabled(false);

  // The date text: month number, day, year. It starts empty on every calculation, so a
  // month that is not one of the names never leaves an earlier date in front.
  Text6->clear();
  const qsizetype month = calendar::MonthNames().indexOf(Combo1->currentText());
  if (month >= 0) Text6->setText(QStringLiteral("%1").arg(month + 1, 2, 10, QLatin1Char('0')));
  if (myday->currentText().size() == 1) myday->setEditText(QStringLiteral("0") + myday->currentText());
  Text6->setText(Text6->text() + myday->currentText() + myyear->currentText());

  Text1->setReadOnly(true);
  Text6->setReadOnly(true);

  if (Combo1->currentText().isEmpty() || myday->currentText().isEmpty() || myyear->currentText().isEmpty()) {
    ui::MsgBox(kInvalidBirthdate, ui::MsgStyle::Information);
    Option2_Click();
    return;
  }
  if (Text1->text() == QString()) {
    ui::MsgBox(QStringLiteral("You Must Enter Your Full Name."), ui::MsgStyle::OkOnly,
               QStringLiteral("Missing Information"));
    Option2_Click();
    return;
  }

  ComputeNameNumber();
  ComputeBirthNumber();
  ShowNameNumberMeaning();
  ShowZodiacSign();
  ShowPlanetElementLetters();
  ShowNameNumberColors();

  SetExpanded(true);
}

void frmNumerologySoftwareOne::ComputeNameNumber() { Text2->setText(nb::ComputeNameNumber(Text1->text())); }

void frmNumerologySoftwareOne::ComputeBirthNumber() { Text7->setText(nb::ComputeBirthNumber(Text6->text())); }

void frmNumerologySoftwareOne::ShowNameNumberMeaning() {
  if (auto meaning = nb::NameNumberMeaning(Text2->text())) Label2->setText(*meaning);
}

void frmNumerologySoftwareOne::ShowZodiacSign() {
  if (auto row = nb::ZodiacSignOf(Text6->text())) {
    // A sign picture that cannot be read leaves the picture box as it was.
    QPixmap pixmap;
    if (loadPicture(pixmap, row->picture)) Image2->setPixmap(pixmap);
    zodiac->setText(row->sign);
    return;
  }
  if (zodiac->text().isEmpty()) {
    Option2_Click();
    ui::MsgBox(kInvalidBirthdate, ui::MsgStyle::Critical, QStringLiteral("Invalid Birthday"));
  }
}

void frmNumerologySoftwareOne::ShowPlanetElementLetters() {
  auto row = nb::PlanetElementLettersOf(Text2->text());
  if (!row) return;
  // A planet picture that cannot be read shows no picture; the labels are still filled.
  setPicture(Image1, row->picture);
  planet->setText(row->planet);
  elements->setText(row->element);
  letters->setText(row->letters);
}

void frmNumerologySoftwareOne::ShowNameNumberColors() {
  auto colors = nb::NameNumberColorsOf(Text2->text());
  if (!colors) return;
  pcolors->setText(colors->primary);
  scolors->setText(colors->secondary);
}

bool frmNumerologySoftwareOne::Text1_KeyPress(QKeyEvent* event) {
  const QString typed = event->text();
  if (typed.size() != 1 || typed[0] < u'0' || typed[0] > u'9') return false;
  // The digit never reaches the box, so a selection the user had stays as it was.
  ui::MsgBox(QStringLiteral("Enter Alphabetical Letters Only."), ui::MsgStyle::OkOnly);
  return true;
}

void frmNumerologySoftwareOne::Label10_Click() { nb::OpenWebPage(nb::SiteRootAddress()); }
void frmNumerologySoftwareOne::Label12_Click() { nb::OpenWebPage(nb::SiteRootAddress()); }
void frmNumerologySoftwareOne::mnuCalc_Click() { option1_Click(); }
void frmNumerologySoftwareOne::mnuClr_Click() { Option2_Click(); }
void frmNumerologySoftwareOne::mnuVOS_Click() { nb::OpenWebPage(nb::SiteRootAddress()); }
void frmNumerologySoftwareOne::mnuExit_Click() { Unload(); }
void frmNumerologySoftwareOne::mnuhp_Click() { nb::OpenWebPage(nb::HelpPageAddress()); }
void frmNumerologySoftwareOne::mnuVS_Click() { nb::OpenWebPage(nb::SiteRootAddress()); }
void frmNumerologySoftwareOne::mnuDonate_Click() { nb::OpenWebPage(nb::DonationPageAddress()); }
