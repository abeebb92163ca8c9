#include "dictionary/frm_mdi.h"

#include <QAction>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "dictionary/core/web_address.h"
#include "dictionary/core/dictionary_search.h"
#include "dictionary/core/dictionary_store.h"
#include "dictionary/core/dictionary_merge.h"
#include "dictionary/frame_widgets.h"
#include "dictionary/frm_numerology_dictionary_main.h"
#include "dictionary/frm_numerology_dictionary_pb.h"
#include "services/text_rules.h"
#include "services/web_pages.h"
#include "shell/common_menu.h"
#include "shell/shell_windows.h"
#include "ui/common_dialog.h"
#include "ui/controls.h"
#include "ui/msgbox.h"
#include "ui/screen_fit.h"

using namespace dictionary;

namespace {
QString Cr() { return QStringLiteral("\r"); }

ui::Label* smallLabel(QWidget* parent, const QString& name, const QString& caption) {
  auto* label = new ui::Label(caption, parent);
  label->setObjectName(name);
  QFont f = label->font();
  f.setPointSizeF(f.pointSizeF() * 0.85);
  label->setFont(f);
  return label;
}

// A panel of the toolbar holding two lines of text.
QWidget* twoLines(QWidget* parent, const QString& name, QWidget* top, QWidget* bottom) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(name);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(10, 0, 10, 0);
  layout->setSpacing(0);
  top->setParent(panel);
  bottom->setParent(panel);
  layout->addWidget(top);
  layout->addWidget(bottom);
  return panel;
}
}  // namespace

int MDI::px(int twips) const { return ui::TwipsToPixels(picLeft, twips); }

void MDI::CreateControls(QMainWindow* w) {
  w->setWindowTitle(QStringLiteral("QZ Numerology Dictionary"));
  const auto px = [w](int twips) { return ui::TwipsToPixels(w, twips); };

  // The browser toolbar.
  TB = new QToolBar(w);
  TB->setObjectName(QStringLiteral("TB"));
  TB->setMovable(false);
  TB->setFloatable(false);
  TB->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  TB->setIconSize(QSize(20, 20));
  w->addToolBar(Qt::TopToolBarArea, TB);
  const struct {
    const char* key;
    QStyle::StandardPixmap picture;
  } buttons[] = {{"Back", QStyle::SP_ArrowBack},        {"Forward", QStyle::SP_ArrowForward},
                 {"Stop", QStyle::SP_BrowserStop},      {"Refresh", QStyle::SP_BrowserReload},
                 {"Home", QStyle::SP_DirHomeIcon},      {"Search", QStyle::SP_FileDialogContentsView}};
  for (const auto& b : buttons) {
    const QString key = QString::fromLatin1(b.key);
    QAction* action = TB->addAction(w->style()->standardIcon(b.picture), key);
    action->setObjectName(key);
    action->setData(key);
    QObject::connect(action, &QAction::triggered, [this, key] { TB_ButtonClick(key); });
  }
  TB->addSeparator();
  auto* strip = new PanelStrip(TB);
  strip->setObjectName(QStringLiteral("TBPanels"));
  ui::Label* Label61 = shell::ForumBanner(strip, QStringLiteral("Label61"), true);
  {
    QFont f = Label61->font();
    f.setPointSizeF(f.pointSizeF() * 0.85);
    Label61->setFont(f);
    Label61->setWordWrap(true);
    Label61->setFixedWidth(px(6900));
  }
  ui::Label* Label4 = smallLabel(strip, QStringLiteral("Label4"),
                                 QStringLiteral("Also from us: QZ Star Charter, free astrology software"));
  Label4->setLinkStyle(true);
  QObject::connect(Label4, &ui::Label::clicked, [] { OpenHomePage(); });
  strip->addPanel(twoLines(strip, QStringLiteral("Picture1"), Label61, Label4));
  const QString adPlace = QStringLiteral("Place you ad here permanently");
  const QString adContact = QStringLiteral("Write to ads@qzorbalinth.com");
  const struct {
    const char *panel, *place, *contact;
  } ads[] = {{"Picture3", "Label6", "Label5"}, {"Picture4", "Label8", "Label7"}, {"Picture2", "Label9", "Label10"}};
  for (const auto& ad : ads)
    strip->addPanel(twoLines(strip, QString::fromLatin1(ad.panel),
                             smallLabel(strip, QString::fromLatin1(ad.place), adPlace),
                             smallLabel(strip, QString::fromLatin1(ad.contact), adContact)));
  TB->addWidget(strip);

  auto* central = new QWidget(w);
  auto* outer = new QVBoxLayout(central);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);

  // picTop: the donate button, kept at the right edge by the resize.
  picTop = new QWidget(central);
  picTop->setObjectName(QStringLiteral("picTop"));
  cmdDonate = new QPushButton(QStringLiteral("&Donate"), picTop);
  cmdDonate->setObjectName(QStringLiteral("cmdDonate"));
  cmdDonate->resize(cmdDonate->sizeHint());
  QObject::connect(cmdDonate, &QPushButton::clicked, [] { OpenDonatePage(); });
  picTop->setFixedHeight(std::max(px(645), cmdDonate->height() + 4));

  // picLeft: the keyword search, its controls at their design places.
  picLeft = new QWidget(central);
  picLeft->setObjectName(QStringLiteral("picLeft"));
  picLeft->setFixedWidth(px(2925));
  optWildCard = new QRadioButton(QStringLiteral("Use WildCard (*)"), picLeft);
  optWildCard->setObjectName(QStringLiteral("optWildCard"));
  optExact = new QRadioButton(QStringLiteral("Exact Search"), picLeft);
  optExact->setObjectName(QStringLiteral("optExact"));
  optGoogle = new QRadioButton(QStringLiteral("Google Search"), picLeft);
  optGoogle->setObjectName(QStringLiteral("optGoogle"));
  modes = new QButtonGroup(picLeft);
  modes->addButton(optWildCard);
  modes->addButton(optExact);
  modes->addButton(optGoogle);
  optExact->setChecked(true);
  QObject::connect(optWildCard, &QRadioButton::clicked, [this] { optWildCard_Click(); });
  QObject::connect(optExact, &QRadioButton::clicked, [this] { optExact_Click(); });
  QObject::connect(optGoogle, &QRadioButton::clicked, [this] { optGoogle_Click(); });
  // A plain label: its "&w" is the access key that puts the focus into the search box.
  Label1 = new QLabel(QStringLiteral("Type in the Key&word to find:"), picLeft);
  Label1->setObjectName(QStringLiteral("Label1"));
  txtKey = new QLineEdit(picLeft);
  txtKey->setObjectName(QStringLiteral("txtKey"));
  Label1->setBuddy(txtKey);
  cmdSearch = new QPushButton(QStringLiteral("&Search"), picLeft);
  cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
  cmdSearch->setAutoDefault(false);
  QObject::connect(cmdSearch, &QPushButton::clicked, [this] { cmdSearch_Click(); });
  ui::OnKeyPress(txtKey, [this](QKeyEvent* event) {
    txtKey_KeyPress(*event);
    return false;
  });
  QObject::connect(txtKey, &QLineEdit::textChanged, [this] { txtKey_Change(); });

  // The keyword list: one column headed "Keywords".
  auto* list = new KeyList(picLeft);
  lstKeys = list;
  lstKeys->setObjectName(QStringLiteral("lstKeys"));
  lstKeysHeader = new QHeaderView(Qt::Horizontal, lstKeys);
  lstKeysHeader->setObjectName(QStringLiteral("lstKeysHeader"));
  auto* headerModel = new QStandardItemModel(0, 1, lstKeysHeader);
  headerModel->setHorizontalHeaderLabels({QStringLiteral("Keywords")});
  lstKeysHeader->setModel(headerModel);
  lstKeysHeader->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  lstKeysHeader->setStretchLastSection(false);
  lstKeysHeader->setFixedHeight(lstKeysHeader->sizeHint().height());
  list->setHeader(lstKeysHeader);
  lstKeys->setUniformItemSizes(true);
  lstKeys->setSelectionMode(QAbstractItemView::SingleSelection);
  lstKeys->setEditTriggers(QAbstractItemView::NoEditTriggers);
  keys = new QStringListModel(lstKeys);
  lstKeys->setModel(keys);
  list->onClick = [this] { lstKeys_Click(); };
  list->onDoubleClick = [this] { lstKeys_DblClick(); };

  cmdDisplay = new QPushButton(QStringLiteral("&Display"), picLeft);
  cmdDisplay->setObjectName(QStringLiteral("cmdDisplay"));
  cmdDisplay->setAutoDefault(false);
  QObject::connect(cmdDisplay, &QPushButton::clicked, [this] { cmdDisplay_Click(); });

  // Design places (left, top, width, height in twips); a control whose text needs more
  // room than its design size gets it (within the panel), and the controls below move
  // down to make way.
  const struct {
    QWidget* control;
    int left, top, width, height;
  } places[] = {{optWildCard, 90, -30, 2205, 315}, {optExact, 90, 255, 2205, 315},
                {optGoogle, 90, 540, 2205, 315},   {Label1, 120, 840, 2445, 195},
                {txtKey, 60, 1110, 2775, 375},     {cmdSearch, 60, 1500, 2775, 435},
                {lstKeys, 60, 1920, 2775, 6225},   {cmdDisplay, 60, 8160, 2775, 435}};
  int bottom = 0;
  for (const auto& p : places) {
    const int top = std::max(px(p.top), bottom);
    const int height = std::max(px(p.height), p.control->minimumSizeHint().height());
    const int width = std::min(std::max(px(p.width), p.control->minimumSizeHint().width()),
                               picLeft->width() - px(p.left));
    p.control->setGeometry(px(p.left), top, width, height);
    bottom = top + height;
  }

  // The client area with the web view window; scroll bars where the window reaches beyond it.
  area = new QMdiArea(central);
  area->setObjectName(QStringLiteral("MDIClient"));
  area->setBackground(QColor(0x80, 0x80, 0x80));
  area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  auto* middle = new QHBoxLayout;
  middle->setContentsMargins(0, 0, 0, 0);
  middle->setSpacing(0);
  middle->addWidget(picLeft);
  middle->addWidget(area, 1);

  // picBottom: the promotion labels and the exit button, kept at the right edge by the resize.
  picBottom = new QWidget(central);
  picBottom->setObjectName(QStringLiteral("picBottom"));
  promotion = shell::PromotionLabels(picBottom, shell::PromoFront::CoBrand, false);
  cmdExit = new QPushButton(QStringLiteral("E&xit"), picBottom);
  cmdExit->setObjectName(QStringLiteral("cmdExit"));
  cmdExit->resize(cmdExit->sizeHint());
  QObject::connect(cmdExit, &QPushButton::clicked, [this] { cmdExit_Click(); });
  picBottom->setFixedHeight(std::max(px(525), cmdExit->height() + 4));

  outer->addWidget(picTop);
  outer->addLayout(middle, 1);
  outer->addWidget(picBottom);
  w->setCentralWidget(central);

  shell::CommonMenuSet(w, QStringLiteral("MDI"),
                       {{QStringLiteral("mnuUpdate"), [this] { mnuUpdate_Click(); }},
                        {QStringLiteral("mnuExit"), [this] { mnuExit_Click(); }}});

  // The toolbar's buttons always fit beside one another, the list keeps some rows, and the
  // search panel and the client area keep room for their controls.
  int buttonsWidth = 0;
  for (QAction* action : TB->actions())
    if (action->data().isValid())
      if (QWidget* button = TB->widgetForAction(action)) buttonsWidth += button->sizeHint().width();
  const QSize laidOut = w->minimumSizeHint();
  w->setMinimumSize(std::max({buttonsWidth + px(600), picLeft->width() + px(1500), laidOut.width()}),
                    std::max(px(4850) + px(1500), laidOut.height()));

  const auto frameResized = [this] {
    MDIForm_Resize();
    // The web view window follows the frame.
    auto& webView = frmNumerologyDictionaryMain::instance();
    if (webView.IsLoaded()) webView.Form_Resize();
  };
  ui::OnResize(w, frameResized);
  // The docked panels take their sizes after the frame's: the handler runs again then.
  ui::OnResize(picLeft, frameResized);
  ui::OnResize(picBottom, frameResized);
}

// --- Shared steps -----------------------------------------------------------------------

std::shared_ptr<const DictionaryRows> MDI::openDictionary(bool report) {
  std::shared_ptr<const DictionaryRows> rows = ReadDictionary();
  if (!rows && report) {
    // An engine too old or missing is named, as no file would help.
    const QString engineProblem = DatabaseEngineProblem();
    ui::MsgBox(engineProblem.isEmpty()
                   ? QStringLiteral("The numerology dictionary could not be opened.") + Cr() +
                         QStringLiteral("Please check that \"numerology.dll\" is in the program's folder.")
                   : engineProblem,
               ui::MsgStyle::Information);
    focusSearchBox();
  }
  return rows;
}

void MDI::fillList(const QStringList& list) {
  keys->setStringList(list);
  // While the list holds items one of them is selected: the first, until the user picks another.
  if (!list.isEmpty()) lstKeys->setCurrentIndex(keys->index(0));
}

QString MDI::selectedKey() const {
  const QModelIndex current = lstKeys->currentIndex();
  return current.isValid() ? current.data().toString() : QString();
}

void MDI::focusSearchBox() {
  if (txtKey) txtKey->setFocus();
}

void MDI::reportNotFound() {
  ui::MsgBox(QStringLiteral("Keyword not found - Please search in google") + Cr() +
                 QStringLiteral("Or write to us so that we can add the term in our dictionary"),
             ui::MsgStyle::Information);
  focusSearchBox();
}

void MDI::askForTerm() {
  ui::MsgBox(QStringLiteral("Please Enter Search Term"), ui::MsgStyle::Information);
  focusSearchBox();
}

void MDI::webSearch() {
  WebSearchHelper helper;
  helper.Search(txtKey->text(), HomePageAddress);
}

// --- Handlers ---------------------------------------------------------------------------

void MDI::MDIForm_Load() {
  // Room for the whole toolbar and a readable page beside the search panel.
  QMainWindow* w = window();
  defaultSize_ = QSize(std::max(px(15900), TB->sizeHint().width()), px(11100)).expandedTo(w->minimumSize());
  // Trimmed to the screen's free area, the frame round the window counted.
  const QSize room = ui::FreeArea(w).size().shrunkBy(ui::FrameMargins(w));
  w->resize(defaultSize_.boundedTo(room).expandedTo(w->minimumSize()));
  ui::CentreOnScreen(w);
  if (auto rows = openDictionary(false)) fillList(AllKeys(rows->rows));
  lstKeysHeader->resizeSection(0, lstKeys->width() - px(200));
}

void MDI::MDIForm_Resize() {
  if (!picLeft) return;
  const QSize frame = window()->frameGeometry().size();
  // The search panel is docked at the left edge: its height is that of the client area
  // between the panels above and below it.
  // The list never reaches so far down that the Display button under it leaves the panel.
  const int displayHeight = std::max(px(500), cmdDisplay->minimumSizeHint().height());
  const int listHeight = std::min(frame.height() - px(4850), picLeft->height() - lstKeys->y() - displayHeight);
  if (listHeight >= 0) lstKeys->resize(lstKeys->width(), listHeight);
  cmdDisplay->setGeometry(cmdDisplay->x(), lstKeys->y() + lstKeys->height(), cmdDisplay->width(), displayHeight);
  for (QWidget* control : {static_cast<QWidget*>(txtKey), static_cast<QWidget*>(lstKeys),
                           static_cast<QWidget*>(cmdSearch), static_cast<QWidget*>(cmdDisplay)})
    control->move(0, control->y());
  txtKey->resize(picLeft->width() - px(75), txtKey->height());
  for (QWidget* control : {static_cast<QWidget*>(lstKeys), static_cast<QWidget*>(cmdSearch),
                           static_cast<QWidget*>(cmdDisplay)})
    control->resize(picLeft->width() - px(50), control->height());
  cmdDonate->move(frame.width() - cmdDonate->width() - px(300), (picTop->height() - cmdDonate->height()) / 2);
  cmdExit->move(frame.width() - cmdExit->width() - px(300), cmdExit->y());
  // The promotion labels take the rest of the bottom panel, which grows when a narrow
  // frame wraps them into more lines.
  const int promotionWidth = std::max(0, cmdExit->x() - 12);
  int wanted = 0;
  for (const QLabel* label : promotion->findChildren<QLabel*>())
    wanted = std::max(wanted, label->heightForWidth(promotionWidth));
  const int bottomHeight = std::max({px(525), cmdExit->height() + 4, wanted + 4});
  if (picBottom->minimumHeight() != bottomHeight) picBottom->setFixedHeight(bottomHeight);
  cmdExit->move(cmdExit->x(), (bottomHeight - cmdExit->height()) / 2);
  const int promotionHeight = wanted > 0 ? wanted : bottomHeight;
  promotion->setGeometry(6, (bottomHeight - promotionHeight) / 2, promotionWidth, promotionHeight);
}

void MDI::MDIForm_Unload() {
  frmNumerologyDictionaryMain::instance().Unload();
  frmMain::instance().Show();
}

void MDI::cmdSearch_Click() {
  Load();
  const QString box = txtKey->text();
  const QString term = SearchTerm(box);
  if (term.isEmpty()) {
    askForTerm();
    return;
  }
  if (optGoogle->isChecked()) {
    webSearch();
    return;
  }
  const auto rows = openDictionary(true);
  if (!rows) return;
  auto& webView = frmNumerologyDictionaryMain::instance();
  listMatches(*rows, box);
  if (keys->rowCount() > 0) {
    webView.Load();
    webView.Navigate(TrimBlanks(box));
  } else {
    reportNotFound();
  }
}

void MDI::txtKey_KeyPress(const QKeyEvent& key) {
  if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) return;
  Load();
  if (optGoogle->isChecked()) {
    webSearch();
    return;
  }
  const auto rows = openDictionary(true);
  if (!rows) return;
  const QString box = txtKey->text();
  if (box.isEmpty()) {
    fillList(AllKeys(rows->rows));
    askForTerm();
    return;
  }
  listMatches(*rows, box);
  if (keys->rowCount() > 0)
    frmNumerologyDictionaryMain::instance().Show();
  else
    reportNotFound();
}

void MDI::listMatches(const DictionaryRows& rows, const QString& box) {
  if (optExact->isChecked()) {
    fillList(ExactKeys(rows.rows, rows.lowerKeys(), SearchTerm(box)));
  } else {
    const QString pattern = SearchPattern(box);
    frmNumerologyDictionaryMain::instance().DictionaryLink = pattern;
    fillList(WildcardKeys(rows.rows, rows.lowerKeys(), pattern));
  }
}

void MDI::txtKey_Change() {
  if (!TrimBlanks(txtKey->text()).isEmpty()) return;
  if (const auto rows = openDictionary(true)) fillList(AllKeys(rows->rows));
}

void MDI::cmdDisplay_Click() {
  Load();
  if (optGoogle->isChecked()) {
    webSearch();
    return;
  }
  const auto rows = openDictionary(true);
  if (!rows) return;
  if (txtKey->text().isEmpty()) {
    fillList(AllKeys(rows->rows));
    askForTerm();
    return;
  }
  if (keys->rowCount() == 0) {
    reportNotFound();
    return;
  }
  const QString keyword = lstKeys->currentIndex().isValid() ? selectedKey() : keys->index(0).data().toString();
  txtKey->setText(keyword);
  // The entry's Link, or the keyword itself when no row holds it.
  QString link = LowerText(TrimBlanks(txtKey->text()));
  if (const auto found = FindLink(rows->rows, rows->lowerKeys(), link)) link = *found;
  auto& webView = frmNumerologyDictionaryMain::instance();
  webView.DictionaryLink = link;
  webView.Load();
  webView.Navigate(webView.DictionaryLink);
  webView.Show();
}

void MDI::lstKeys_Click() {
  if (lstKeys->currentIndex().isValid()) txtKey->setText(selectedKey());
}

void MDI::lstKeys_DblClick() {
  Load();
  // A dictionary that cannot be read leaves the keyword as it stands.
  const auto rows = openDictionary(false);
  if (lstKeys->currentIndex().isValid()) txtKey->setText(selectedKey());
  QString link = TrimBlanks(txtKey->text());
  if (rows)
    if (const auto found = FindLink(rows->rows, rows->lowerKeys(), link)) link = *found;
  auto& webView = frmNumerologyDictionaryMain::instance();
  webView.DictionaryLink = link;
  if (keys->rowCount() == 0) {
    reportNotFound();
    return;
  }
  webView.Load();
  webView.Navigate(webView.DictionaryLink);
  webView.Show();
}

void MDI::optExact_Click() { focusSearchBox(); }
void MDI::optWildCard_Click() { focusSearchBox(); }
void MDI::optGoogle_Click() { focusSearchBox(); }

void MDI::cmdExit_Click() { mnuExit_Click(); }
void MDI::mnuExit_Click() { Unload(); }

void MDI::mnuUpdate_Click() {
  Load();
  const std::optional<QString> path = ui::AskOpenFile(ui::FileKind::AnyFile);
  if (!path) return;
  const MergeResult result = MergeUpdateFile(*path);
  switch (result.outcome) {
    case MergeOutcome::NothingToUpdate:
      ui::MsgBox(QStringLiteral("There is nothing to Update"), ui::MsgStyle::Information);
      focusSearchBox();
      return;
    case MergeOutcome::WrongFile:
      ui::MsgBox(QStringLiteral("This is the wrong file! Lookup online help"), ui::MsgStyle::Information);
      focusSearchBox();
      return;
    case MergeOutcome::NotChanged:
      ui::MsgBox(QStringLiteral("The Numerology Dictionary could not be updated.") + Cr() +
                     QStringLiteral("The dictionary was not changed."),
                 ui::MsgStyle::Information);
      focusSearchBox();
      return;
    case MergeOutcome::Updated:
      break;
  }
  frmNumerologyDictionaryPB::instance().ShowModal();
  lstKeys->viewport()->update();
  ui::MsgBox(QStringLiteral("Numerology Dictionary Successfully Updated") + Cr() +
                 QStringLiteral("Please restart dictionary "),
             ui::MsgStyle::Information);
  focusSearchBox();
}

void MDI::TB_ButtonClick(const QString& key) { frmNumerologyDictionaryMain::instance().ToolbarRequest(key); }

QMdiArea* MDI::mdiArea() {
  Load();
  return area;
}

MDI::Metrics MDI::FrameMetrics() {
  if (!IsLoaded() || !picLeft) return {};
  return {window()->frameGeometry().size(), picLeft->width(), picTop->height(), picBottom->height(), TB->height()};
}

QString MDI::SearchBoxText() const { return txtKey ? txtKey->text() : QString(); }

QStringList MDI::ListedKeys() const { return keys ? keys->stringList() : QStringList(); }

int MDI::SelectedRow() const {
  if (!lstKeys) return -1;
  const QModelIndex current = lstKeys->currentIndex();
  return current.isValid() ? current.row() : -1;
}
