#include "chinese/frm_chinese_numerology_display.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "chinese/core/lo_shu.h"
#include "chinese/frm_chinese_numerology_main.h"
#include "chinese/frm_chinese_numerology_save.h"
#include "shell/common_menu.h"
#include "shell/shell_windows.h"
#include "ui/app_icon.h"
#include "ui/controls.h"
#include "ui/rich_text_box.h"
#include "ui/style.h"

namespace {
constexpr int kCellSize = 92;
constexpr int kCellSpacing = 3;
constexpr int kColumnWidth = kCellSize + kCellSpacing;

// The cells, left to right and top to bottom, South at the top.
struct Cell {
  int labelIndex;  // digit - 1
  const char* panel;
  int panelIndex;  // -1: the panel has no index
  QRgb background;
};
constexpr Cell kCells[9] = {
    {3, "picLoshuGrid", -1, qRgb(0, 192, 192)}, {8, "Picture1", 1, qRgb(255, 192, 128)},
    {1, "Picture1", 2, qRgb(255, 192, 255)},    {2, "Picture1", 3, qRgb(0, 128, 0)},
    {4, "Picture1", 4, qRgb(255, 255, 128)},    {6, "Picture1", 5, qRgb(128, 128, 128)},
    {7, "Picture1", 6, qRgb(0, 0, 0)},          {0, "Picture1", 7, qRgb(0, 0, 255)},
    {5, "Picture1", 8, qRgb(192, 192, 192)}};

struct Side {
  const char* caption;
  int row;
  int column;
};
// Around the 3 by 3 cells, which take rows 1..3 and columns 1..3 of the chart's grid.
constexpr Side kSides[8] = {{"South East", 0, 1}, {"South", 0, 2},      {"South West", 0, 3}, {"West", 2, 4},
                            {"North West", 4, 3}, {"North", 4, 2},      {"North East", 4, 1}, {"East", 2, 0}};

QString colorName(QRgb rgb) { return QColor(rgb).name(); }

QLabel* indexed(QMainWindow* w, const QString& name, int index) {
  for (QLabel* label : w->findChildren<QLabel*>(name))
    if (label->property("Index").toInt() == index) return label;
  return nullptr;
}
}  // namespace

void frmChineseNumerologyDisplay::CreateControls(QMainWindow* w) {
  w->setWindowTitle(QStringLiteral("QZ Chinese Numerology"));
  w->setWindowIcon(ui::AppIcon());
  w->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                    Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  shell::CommonMenuSet(w, QStringLiteral("frmChineseNumerologyDisplay"),
                       {{QStringLiteral("mnuBack"), [this] { mnuBack_Click(); }},
                        {QStringLiteral("mnuExit"), [this] { mnuExit_Click(); }}});

  auto* central = new QWidget(w);
  w->setCentralWidget(central);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(12, 10, 12, 10);
  layout->setSpacing(10);

  layout->addWidget(shell::ForumBanner(central, QStringLiteral("Label61")));

  auto* picLoShuSquare = new QWidget(central);
  picLoShuSquare->setObjectName(QStringLiteral("picLoShuSquare"));
  auto* square = new QHBoxLayout(picLoShuSquare);
  square->setContentsMargins(0, 0, 0, 0);
  square->setSpacing(12);

  // The chart: the compass labels on a dark ground around the coloured cells.
  auto* frame1 = new QFrame(picLoShuSquare);
  frame1->setObjectName(QStringLiteral("Frame1"));
  frame1->setFrameShape(QFrame::Box);
  frame1->setStyleSheet(QStringLiteral("#Frame1 { background-color: #101828; border: 1px solid #404858; }"));
  auto* chart = new QGridLayout(frame1);
  chart->setContentsMargins(8, 8, 8, 8);
  chart->setHorizontalSpacing(0);
  chart->setVerticalSpacing(6);

  auto* frame2 = new QFrame(frame1);
  frame2->setObjectName(QStringLiteral("Frame2"));
  frame2->setStyleSheet(QStringLiteral("#Frame2 { background-color: %1; }").arg(colorName(qRgb(255, 128, 128))));
  auto* cells = new QGridLayout(frame2);
  cells->setContentsMargins(kCellSpacing, kCellSpacing, kCellSpacing, kCellSpacing);
  cells->setSpacing(kCellSpacing);
  for (int position = 0; position < 9; ++position) {
    const Cell& cell = kCells[position];
    auto* panel = new QFrame(frame2);
    panel->setObjectName(QString::fromUtf8(cell.panel));
    if (cell.panelIndex >= 0) panel->setProperty("Index", cell.panelIndex);
    panel->setFixedSize(kCellSize, kCellSize);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(cell.background));
    panel->setPalette(palette);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    auto* label = new QLabel(QStringLiteral("[%1]").arg(cell.labelIndex + 1), panel);
    label->setObjectName(QStringLiteral("lblLoshuGrid"));
    label->setProperty("Index", cell.labelIndex);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setAttribute(Qt::WA_TranslucentBackground);
    ui::SetOwnStyleSheet(label, QStringLiteral("color: #ff00ff; background: transparent; font-weight: bold; font-size: 13pt;"));
    panelLayout->addWidget(label);
    cells->addWidget(panel, position / 3, position % 3);
  }
  chart->addWidget(frame2, 1, 1, 3, 3);

  for (int i = 0; i < 8; ++i) {
    const Side& side = kSides[i];
    auto* label = new QLabel(QString::fromUtf8(side.caption), frame1);
    label->setObjectName(QStringLiteral("lblLoshuSides"));
    label->setProperty("Index", i);
    label->setAlignment(Qt::AlignCenter);
    ui::SetOwnStyleSheet(label, QStringLiteral("color: #80ff80; background: transparent; font-weight: bold;"));
    if (side.column == 0 || side.column == 4) label->setContentsMargins(6, 0, 6, 0);
    chart->addWidget(label, side.row, side.column);
  }
  for (int column = 1; column <= 3; ++column) chart->setColumnMinimumWidth(column, kColumnWidth);
  square->addWidget(frame1, 0, Qt::AlignTop);

  auto* rtb = new ui::RichTextBox(picLoShuSquare);
  rtb->setObjectName(QStringLiteral("RTBLoshu"));
  rtb->setReadOnly(true);
  // White headings and green text need a dark ground.
  rtb->setStyleSheet(QStringLiteral("QTextEdit { background-color: #000000; color: #ffffff; }"));
  QFont font = rtb->font();
  font.setPointSize(11);
  rtb->setFont(font);
  rtb->setMinimumSize(440, 380);
  square->addWidget(rtb, 1);
  layout->addWidget(picLoShuSquare, 1);

  auto* bottom = new QHBoxLayout();
  bottom->setSpacing(10);
  QWidget* promotion = shell::PromotionLabels(central, shell::PromoFront::CoBrand, true);
  promotion->setMinimumHeight(56);
  bottom->addWidget(promotion, 1);
  auto* cmdBack = new QPushButton(QStringLiteral("&Back"), central);
  cmdBack->setObjectName(QStringLiteral("cmdBack"));
  auto* cmdSave = new QPushButton(QStringLiteral("&Save"), central);
  cmdSave->setObjectName(QStringLiteral("cmdSave"));
  for (QPushButton* button : {cmdBack, cmdSave}) {
    button->setMinimumSize(90, 34);
    bottom->addWidget(button, 0, Qt::AlignVCenter);
  }
  QObject::connect(cmdBack, &QPushButton::clicked, w, [this] { cmdBack_Click(); });
  QObject::connect(cmdSave, &QPushButton::clicked, w, [this] { cmdSave_Click(); });
  layout->addLayout(bottom);

  w->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmChineseNumerologyDisplay::Form_Unload() { frmMain::instance().Show(); }

QLabel* frmChineseNumerologyDisplay::lblLoshuGrid(int index) {
  return indexed(window(), QStringLiteral("lblLoshuGrid"), index);
}

QLabel* frmChineseNumerologyDisplay::lblLoshuSides(int index) {
  return indexed(window(), QStringLiteral("lblLoshuSides"), index);
}

ui::RichTextBox* frmChineseNumerologyDisplay::RTBLoshu() { return control<ui::RichTextBox>(QStringLiteral("RTBLoshu")); }

void frmChineseNumerologyDisplay::cmdBack_Click() {
  Unload();
  frmMain::instance().Hide();
  frmChineseNumerologyMain::instance().Show();
}

void frmChineseNumerologyDisplay::cmdSave_Click() {
  // Each showing builds the report afresh from the current inputs.
  frmChineseNumerologySave& report = frmChineseNumerologySave::instance();
  report.Unload();
  report.ShowModal();
}

namespace chinese {
void ComputeFavourableNumber(const QString& day, const QString& monthName, const QString& year) {
  const LoShuChart chart = ComputeLoShuChart(day, monthName, year);
  frmChineseNumerologyDisplay& display = frmChineseNumerologyDisplay::instance();
  display.Load();
  for (int i = 0; i < 9; ++i)
    if (QLabel* cell = display.lblLoshuGrid(i)) cell->setText(CellCaption(chart, i));

  ui::RichTextBox* box = display.RTBLoshu();
  if (!box) return;
  box->SetText(QString());
  for (const LoShuRun& run : FavourableNumberRuns(chart)) {
    box->SetSelBold(run.bold);
    box->SetSelColor(run.color);
    if (run.fontSize > 0) box->SetSelFontSize(run.fontSize);
    box->SetSelText(run.text);
  }
  box->SetSelStart(0);
}
}  // namespace chinese
