#pragma once
// The dictionary's web view: the page of the chosen entry, inside the dictionary frame.
#include <QPointer>
#include <QString>

#include "ui/form.h"

class IWebView;
class QLabel;
class QMdiSubWindow;
class QPlainTextEdit;

class frmNumerologyDictionaryMain : public ui::FormOf<frmNumerologyDictionaryMain> {
 public:
  frmNumerologyDictionaryMain() : FormOf("frmNumerologyDictionaryMain") {}

  // Requests of the frame; each loads the window first when it is not loaded.
  // Navigate goes only to web addresses (http, https); an empty request is ignored, and
  // the search engine's own address runs a web search of the frame's search box.
  void Navigate(const QString& address);
  // The toolbar's buttons by key: "Back", "Forward", "Stop", "Refresh", "Home", "Search".
  void ToolbarRequest(const QString& key);

  void Form_Resize();
  // The address the window is to show next: written by the frame (an entry's Link, the keyword
  // when no row holds it, or the wildcard pattern), navigated to and emptied by the next
  // connected load. It outlives the window.
  QString DictionaryLink;
  // 1 when the last load's connection test found a connection to the internet, 0 otherwise.
  int internetConnected() const { return InternetConnected; }
  // The browser (null when the plugin could not be loaded).
  IWebView* browser() const { return view_; }
  QMdiSubWindow* subWindow() const;

 protected:
  QMainWindow* CreateWindow() override;
  void CreateControls(QMainWindow* window) override;
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void webSearch(const QString& text);
  QPointer<QWidget> WB;
  QPointer<QLabel> lblCaption;
  QPointer<QPlainTextEdit> Text1;
  QPointer<QMdiSubWindow> sub_;
  IWebView* view_ = nullptr;
  int InternetConnected = 0;
};
