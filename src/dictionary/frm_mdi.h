#pragma once
// The dictionary frame: keyword search on the left, the web view in the client area.
#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>

#include "common_dialog.h"
#include "form.h"

class QButtonGroup;
class QHeaderView;
class QLineEdit;
class QListView;
class QMdiArea;
class QRadioButton;
class QStringListModel;
class QToolBar;
namespace dictionary {
struct DictionaryRows;
}

class MDI : public ui::FormOf<MDI> {
 public:
  MDI() : FormOf("MDI") {}

  void MDIForm_Load();
  void MDIForm_Unload();
  void cmdSearch_Click();
  // Acts on Enter (13) only; every key passes on unchanged.
  void txtKey_KeyPress(int keyAscii);
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
  // The search box's text (empty when the frame is not loaded).
  QString SearchBoxText() const;
  // The keywords the list shows, in order, and the selected one (-1 for none).
  QStringList ListedKeys() const;
  int SelectedRow() const;

  ui::CommonDialog CD;

 protected:
  void CreateControls(QMainWindow* window) override;
  void Form_Load() override { MDIForm_Load(); }
  void Form_Unload() override { MDIForm_Unload(); }

 private:
  // The dictionary's rows; null when it cannot be opened or read. With `report`, the user
  // is told so and the focus goes back to the search box.
  std::shared_ptr<const dictionary::DictionaryRows> openDictionary(bool report);
  void fillList(const QStringList& keys);
  QString selectedKey() const;
  void reportNotFound();
  void askForTerm();
  void webSearch();
  void focusSearchBox();

  QPointer<QToolBar> TB;
  QPointer<QRadioButton> optWildCard, optExact, optGoogle;
  QPointer<QButtonGroup> modes;
  QPointer<QLineEdit> txtKey;
  QPointer<QListView> lstKeys;
  QPointer<QHeaderView> lstKeysHeader;
  QPointer<QStringListModel> keys;
  QPointer<QMdiArea> area;
  QPointer<QWidget> picLeft;
};
