#include "frm_mdi.h"

#include <QAction>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "common_menu.h"
#include "controls.h"
#include "dictionary_module.h"
#include "dictionary_search.h"
#include "dictionary_store.h"
#include "frm_numerology_dictionary_main.h"
#include "frm_numerology_dictionary_pb.h"
#include "msgbox.h"
#include "shell_windows.h"
#include "vb_text.h"
#include "web_pages.h"

using namespace dictionary;

namespace {
constexpr int twips(int t) { return t / 15; }

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

void MDI::CreateControls(QMainWindow* w) {
  w->setWindowTitle(QStringLiteral("QZ Numerology Dictionary"));

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
  ui::Label* Label61 = shell::ForumBanner(TB, QStringLiteral("Label61"), true);
  {
    QFont f = Label61->font();
    f.setPointSizeF(f.pointSizeF() * 0.85);
    Label61->setFont(f);
    Label61->setWordWrap(true);
    Label61->setFixedWidth(460);
  }
  ui::Label* Label4 = smallLabel(TB, QStringLiteral("Label4"),
                                 QStringLiteral("Also from us: QZ Star Charter, free astrology software"));
  Label4->setLinkStyle(true);
  QObject::connect(Label4, &ui::Label::clicked, [] { OpenHomePage(); });
  TB->addWidget(twoLines(TB, QStringLiteral("Picture1"), Label61, Label4));
  const QString adPlace = QStringLiteral("Place you ad here permanently");
  const QString adContact = QStringLiteral("Write to ads@qzorbalinth.com");
  TB->addWidget(twoLines(TB, QStringLiteral("Picture3"), smallLabel(TB, QStringLiteral("Label6"), adPlace),
                         smallLabel(TB, QStringLiteral("Label5"), adContact)));
  TB->addWidget(twoLines(TB, QStringLiteral("Picture4"), smallLabel(TB, QStringLiteral("Label8"), adPlace),
                         smallLabel(TB, QStringLiteral("Label7"), adContact)));
  TB->addWidget(twoLines(TB, QStringLiteral("Picture2"), smallLabel(TB, QStringLiteral("Label9"), adPlace),
                         smallLabel(TB, QStringLiteral("Label10"), adContact)));

  auto* central = new QWidget(w);
  auto* outer = new QVBoxLayout(central);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);

  // picTop: the donate button at the right.
  auto* picTop = new QWidget(central);
  picTop->setObjectName(QStringLiteral("picTop"));
  picTop->setFixedHeight(twips(645));
  auto* topLayout = new QHBoxLayout(picTop);
  topLayout->setContentsMargins(6, 4, 20, 4);
  topLayout->addStretch(1);
  auto* cmdDonate = new QPushButton(QStringLiteral("&Donate"), picTop);
  cmdDonate->setObjectName(QStringLiteral("cmdDonate"));
  QObject::connect(cmdDonate, &QPushButton::clicked, [] { OpenDonatePage(); });
  topLayout->addWidget(cmdDonate);

  // picLeft: the keyword search.
  picLeft = new QWidget(central);
  picLeft->setObjectName(QStringLiteral("picLeft"));
  picLeft->setFixedWidth(twips(2925));
  auto* left = new QVBoxLayout(picLeft);
  left->setContentsMargins(4, 0, 4, 4);
  left->setSpacing(4);
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
  auto* Label1 = new ui::Label(QStringLiteral("Type in the Key&word to find:"), picLeft);
  Label1->setObjectName(QStringLiteral("Label1"));
  txtKey = new QLineEdit(picLeft);
  txtKey->setObjectName(QStringLiteral("txtKey"));
  txtKey->setMinimumHeight(twips(375));
  Label1->setBuddy(txtKey);
  auto* cmdSearch = new QPushButton(QStringLiteral("&Search"), picLeft);
  cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
  cmdSearch->setAutoDefault(false);
  cmdSearch->setMinimumHeight(twips(435));
  QObject::connect(cmdSearch, &QPushButton::clicked, [this] { cmdSearch_Click(); });
  ui::OnKeyPress(txtKey, [this](QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) txtKey_KeyPress(13);
    return false;
  });
  QObject::connect(txtKey, &QLineEdit::textChanged, [this] { txtKey_Change(); });

  // The keyword list: one column headed "Keywords".
  auto* listFrame = new QWidget(picLeft);
  auto* listLayout = new QVBoxLayout(listFrame);
  listLayout->setContentsMargins(0, 0, 0, 0);
  listLayout->setSpacing(0);
  lstKeysHeader = new QHeaderView(Qt::Horizontal, listFrame);
  lstKeysHeader->setObjectName(QStringLiteral("lstKeysHeader"));
  auto* headerModel = new QStandardItemModel(0, 1, lstKeysHeader);
  headerModel->setHorizontalHeaderLabels({QStringLiteral("Keywords")});
  lstKeysHeader->setModel(headerModel);
  lstKeysHeader->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  lstKeysHeader->setStretchLastSection(false);
  lstKeysHeader->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  lstKeysHeader->setFixedHeight(lstKeysHeader->sizeHint().height());
  lstKeys = new QListView(listFrame);
  lstKeys->setObjectName(QStringLiteral("lstKeys"));
  lstKeys->setUniformItemSizes(true);
  lstKeys->setSelectionMode(QAbstractItemView::SingleSelection);
  lstKeys->setEditTriggers(QAbstractItemView::NoEditTriggers);
  keys = new QStringListModel(lstKeys);
  lstKeys->setModel(keys);
  QObject::connect(lstKeys, &QListView::clicked, [this] { lstKeys_Click(); });
  QObject::connect(lstKeys, &QListView::doubleClicked, [this] { lstKeys_DblClick(); });
  listLayout->addWidget(lstKeysHeader);
  listLayout->addWidget(lstKeys, 1);

  auto* cmdDisplay = new QPushButton(QStringLiteral("&Display"), picLeft);
  cmdDisplay->setObjectName(QStringLiteral("cmdDisplay"));
  cmdDisplay->setAutoDefault(false);
  cmdDisplay->setMinimumHeight(twips(500));
  QObject::connect(cmdDisplay, &QPushButton::clicked, [this] { cmdDisplay_Click(); });

  left->addWidget(optWildCard);
  left->addWidget(optExact);
  left->addWidget(optGoogle);
  left->addSpacing(4);
  left->addWidget(Label1);
  left->addWidget(txtKey);
  left->addWidget(cmdSearch);
  left->addWidget(listFrame, 1);
  left->addWidget(cmdDisplay);

  // The client area with the web view window.
  area = new QMdiArea(central);
  area->setObjectName(QStringLiteral("MDIClient"));
  area->setBackground(QColor(0x80, 0x80, 0x80));

  auto* middle = new QHBoxLayout;
  middle->setContentsMargins(0, 0, 0, 0);
  middle->setSpacing(0);
  middle->addWidget(picLeft);
  middle->addWidget(area, 1);

  // picBottom: the promotion labels and the exit button.
  auto* picBottom = new QWidget(central);
  picBottom->setObjectName(QStringLiteral("picBottom"));
  picBottom->setFixedHeight(twips(525) + 6);
  auto* bottom = new QHBoxLayout(picBottom);
  bottom->setContentsMargins(6, 2, 20, 2);
  bottom->addWidget(shell::PromotionLabels(picBottom, shell::PromoFront::CoBrand, false), 1);
  auto* cmdExit = new QPushButton(QStringLiteral("E&xit"), picBottom);
  cmdExit->setObjectName(QStringLiteral("cmdExit"));
  QObject::connect(cmdExit, &QPushButton::clicked, [this] { cmdExit_Click(); });
  bottom->addWidget(cmdExit);

  outer->addWidget(picTop);
  outer->addLayout(middle, 1);
  outer->addWidget(picBottom);
  w->setCentralWidget(central);

  shell::CommonMenuSet(w, QStringLiteral("MDI"),
                       {{QStringLiteral("mnuUpdate"), [this] { mnuUpdate_Click(); }},
                        {QStringLiteral("mnuExit"), [this] { mnuExit_Click(); }}});
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
               ui::vbInformation);
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
             ui::vbInformation);
  focusSearchBox();
}

void MDI::askForTerm() {
  ui::MsgBox(QStringLiteral("Please Enter Search Term"), ui::vbInformation);
  focusSearchBox();
}

void MDI::webSearch() {
  WebSearchHelper helper;
  helper.Search(txtKey->text(), HomePageAddress);
}

// --- Handlers ---------------------------------------------------------------------------

void MDI::MDIForm_Load() {
  // Room for the toolbar's panels and a readable page beside the search panel.
  QMainWindow* w = window();
  w->resize(1060, 740);
  if (QScreen* screen = w->screen()) w->move(screen->availableGeometry().center() - w->rect().center());
  if (auto rows = openDictionary(false)) fillList(AllKeys(rows->rows));
  lstKeysHeader->resizeSection(0, twips(2925 - 50 - 200));
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
  if (optExact->isChecked()) {
    fillList(ExactKeys(rows->rows, rows->lowerKeys(), term));
  } else {
    const QString pattern = SearchPattern(box);
    DictionaryLink = pattern;
    fillList(WildcardKeys(rows->rows, rows->lowerKeys(), pattern));
  }
  if (keys->rowCount() > 0) {
    webView.Load();
    webView.Navigate(VbTrim(box));
  } else {
    reportNotFound();
  }
}

void MDI::txtKey_KeyPress(int keyAscii) {
  if (keyAscii != 13) return;
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
  if (optExact->isChecked()) {
    fillList(ExactKeys(rows->rows, rows->lowerKeys(), SearchTerm(box)));
  } else {
    const QString pattern = SearchPattern(box);
    DictionaryLink = pattern;
    fillList(WildcardKeys(rows->rows, rows->lowerKeys(), pattern));
  }
  if (keys->rowCount() > 0)
    frmNumerologyDictionaryMain::instance().Show();
  else
    reportNotFound();
}

void MDI::txtKey_Change() {
  if (!VbTrim(txtKey->text()).isEmpty()) return;
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
  DictionaryLink = LowerText(VbTrim(txtKey->text()));
  if (const auto link = FindLink(rows->rows, rows->lowerKeys(), DictionaryLink)) DictionaryLink = *link;
  auto& webView = frmNumerologyDictionaryMain::instance();
  webView.Load();
  webView.Navigate(DictionaryLink);
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
  DictionaryLink = VbTrim(txtKey->text());
  if (rows)
    if (const auto link = FindLink(rows->rows, rows->lowerKeys(), DictionaryLink)) DictionaryLink = *link;
  if (keys->rowCount() == 0) {
    reportNotFound();
    return;
  }
  auto& webView = frmNumerologyDictionaryMain::instance();
  webView.Load();
  webView.Navigate(DictionaryLink);
  webView.Show();
}

void MDI::optExact_Click() { focusSearchBox(); }
void MDI::optWildCard_Click() { focusSearchBox(); }
void MDI::optGoogle_Click() { focusSearchBox(); }

void MDI::cmdExit_Click() { mnuExit_Click(); }
void MDI::mnuExit_Click() { Unload(); }

void MDI::mnuUpdate_Click() {
  Load();
  CD.FileName.clear();
  if (!CD.ShowOpen() || CD.FileName.isEmpty()) return;
  const MergeResult result = MergeUpdateFile(CD.FileName);
  switch (result.outcome) {
    case MergeOutcome::NothingToUpdate:
      ui::MsgBox(QStringLiteral("There is nothing to Update"), ui::vbInformation);
      focusSearchBox();
      return;
    case MergeOutcome::WrongFile:
      ui::MsgBox(QStringLiteral("This is the wrong file! Lookup online help"), ui::vbInformation);
      focusSearchBox();
      return;
    case MergeOutcome::NotChanged:
      ui::MsgBox(QStringLiteral("The Numerology Dictionary could not be updated.") + Cr() +
                     QStringLiteral("The dictionary was not changed."),
                 ui::vbInformation);
      focusSearchBox();
      return;
    case MergeOutcome::Updated:
      break;
  }
  frmNumerologyDictionaryPB::instance().ShowModal();
  lstKeys->viewport()->update();
  ui::MsgBox(QStringLiteral("Numerology Dictionary Successfully Updated") + Cr() +
                 QStringLiteral("Please restart dictionary "),
             ui::vbInformation);
  focusSearchBox();
}

void MDI::TB_ButtonClick(const QString& key) { frmNumerologyDictionaryMain::instance().ToolbarRequest(key); }

QMdiArea* MDI::mdiArea() {
  Load();
  return area;
}

QString MDI::SearchBoxText() const { return txtKey ? txtKey->text() : QString(); }

QStringList MDI::ListedKeys() const { return keys ? keys->stringList() : QStringList(); }

int MDI::SelectedRow() const {
  if (!lstKeys) return -1;
  const QModelIndex current = lstKeys->currentIndex();
  return current.isValid() ? current.row() : -1;
}
