#pragma once
// The dictionary frame: keyword search on the left, the web view in the client area.
#include <QPointer>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>

#include "ui/form.h"

class QButtonGroup;
class QHeaderView;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListView;
class QMdiArea;
class QPushButton;
class QRadioButton;
class QStringListModel;
class QToolBar;
namespace dictionary {
struct DictionaryRows;
}  // namespace dictionary

class MDI : public ui::FormOf<MDI> {
 public:
  MDI() : FormOf("MDI") {}

  void MDIForm_Load();
  void MDIForm_Resize();
  void MDIForm_Unload();
  void cmdSearch_Click();
  // Acts on Return and Enter only; every key passes on unchanged.
  void txtKey_KeyPress(const QKeyEvent& key);
  void txtKey_Change();
  void cmdDisplay_Click();
  void lstKeys_Click();
  void lstKeys_DblClick();
  void optExact_Click();
  void optWildCard_Click();
  void optGoogle_Click();
  void cmdExit_Click();
  void mnuExit_Click();
  void mnuUpdate_Click();
  void TB_ButtonClick(const QString& key);

  QMdiArea* mdiArea();
  // The frame's outer size and the panels docked along its edges, in pixels (all 0 while
  // the frame is not loaded).
  struct Metrics {
    QSize frame;
    int picLeftWidth = 0;
    int picTopHeight = 0;
    int picBottomHeight = 0;
    int tbHeight = 0;
  };
  Metrics FrameMetrics();
  // The size the frame asks for at load: the design size, wide enough for the whole
  // toolbar (the load keeps it within the screen).
  QSize DefaultSize() const { return defaultSize_; }
  // The search box's text (empty when the frame is not loaded).
  QString SearchBoxText() const;
  // The keywords the list shows, in order, and the selected one (-1 for none).
  QStringList ListedKeys() const;
  int SelectedRow() const;


 protected:
  void CreateControls(QMainWindow* window) override;
  void Form_Load() override { MDIForm_Load(); }
  void Form_Unload() override { MDIForm_Unload(); }

 private:
  // The dictionary's rows; null when it cannot be opened or read. With `report`, the user
  // is told so and the focus goes back to the search box.
  std::shared_ptr<const dictionary::DictionaryRows> openDictionary(bool report);
  void fillList(const QStringList& keys);
  // Lists the keys that the box text finds in the exact or the wildcard mode; the wildcard
  // pattern becomes the web view's DictionaryLink.
  void listMatches(const dictionary::DictionaryRows& rows, const QString& box);
  QString selectedKey() const;
  void reportNotFound();
  void askForTerm();
  void webSearch();
  void focusSearchBox();

  int px(int twips) const;

  QPointer<QToolBar> TB;
  QPointer<QRadioButton> optWildCard, optExact, optGoogle;
  QPointer<QButtonGroup> modes;
  QPointer<QLabel> Label1;
  QPointer<QLineEdit> txtKey;
  QPointer<QPushButton> cmdSearch, cmdDisplay, cmdDonate, cmdExit;
  QPointer<QListView> lstKeys;
  QPointer<QHeaderView> lstKeysHeader;
  QPointer<QStringListModel> keys;
  QPointer<QMdiArea> area;
  QPointer<QWidget> picLeft, picTop, picBottom, promotion;
  QSize defaultSize_;
};
