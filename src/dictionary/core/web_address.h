#pragma once
// The dictionary's web addresses and its web search.
#include <QString>

// The search engine whose search form the web view carries. A Link equal to it asks for a
// web search of the keyword.
QString SearchEngineAddress();
void SetSearchEngineAddress(const QString& address);  // tests; empty: the real one
extern const QString kSearchEngineAddress;            // "https://www.google.com"

// True for an http or https address with a host: the only links the web view follows.
bool IsWebAddress(const QString& text);

// The search form page the web view fills in for a web search.
QString WebSearchFormPage();

// Opens the search engine's results for a text in the default browser.
class WebSearchHelper {
 public:
  // text: what to search for (an empty text opens the search engine's front page);
  // homePage: the caller's home page (the search itself does not need it).
  bool Search(const QString& text, const QString& homePage);
  // The address that Search opens.
  static QString ResultsAddress(const QString& text, const QString& homePage);
};
