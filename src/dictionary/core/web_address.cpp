#include "dictionary/core/web_address.h"

#include <cstring>
#include <optional>

#include <QUrl>

#include "services/platform.h"

const QString kSearchEngineAddress = QStringLiteral("https://www.google.com");

namespace {
QString& searchEngineOverride() {
  static QString s;
  return s;
}
}  // namespace

QString SearchEngineAddress() {
  return searchEngineOverride().isEmpty() ? kSearchEngineAddress : searchEngineOverride();
}
void SetSearchEngineAddress(const QString& address) { searchEngineOverride() = address; }

namespace {
bool isAsciiAlnum(char16_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }
bool isHexDigit(char16_t c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
// The characters an address may hold as they stand (RFC 3986), and "%" before two hex digits.
bool isUrlChar(char16_t c) {
  return isAsciiAlnum(c) || (c > 0 && c < 0x80 && std::strchr("-._~:/?#[]@!$&'()*+,;=%", char(c)) != nullptr);
}

// Plain ASCII http and https addresses with a host, decided without parsing; nullopt where the
// address needs the full parser (other characters, a bracketed host, a malformed escape).
std::optional<bool> quickWebAddress(const QString& text) {
  qsizetype start = 0;
  if (text.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)) start = 7;
  else if (text.startsWith(QLatin1String("https://"), Qt::CaseInsensitive)) start = 8;
  else return std::nullopt;
  const char16_t* s = reinterpret_cast<const char16_t*>(text.utf16());
  qsizetype end = start;
  while (end < text.size() && s[end] != '/' && s[end] != '?' && s[end] != '#') ++end;
  qsizetype host = start;
  for (qsizetype i = start; i < end; ++i)
    if (s[i] == '@') host = i + 1;
  qsizetype hostEnd = host;
  while (hostEnd < end && s[hostEnd] != ':') ++hostEnd;
  if (hostEnd == host || s[host] == '[') return std::nullopt;
  for (qsizetype i = hostEnd + 1; i < end; ++i)
    if (s[i] < '0' || s[i] > '9') return std::nullopt;
  for (qsizetype i = host; i < hostEnd; ++i)
    if (!isAsciiAlnum(s[i]) && s[i] != '-' && s[i] != '.' && s[i] != '_') return std::nullopt;
  for (qsizetype i = start; i < text.size(); ++i) {
    if (!isUrlChar(s[i])) return std::nullopt;
    if (s[i] == '%' && (i + 2 >= text.size() || !isHexDigit(s[i + 1]) || !isHexDigit(s[i + 2])))
      return std::nullopt;
  }
  return true;
}
}  // namespace

bool IsWebAddress(const QString& text) {
  for (const QChar c : text)
    if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.isSpace()) return false;
  if (const std::optional<bool> quick = quickWebAddress(text)) return *quick;
  const QUrl url(text, QUrl::StrictMode);
  if (!url.isValid() || url.host().isEmpty()) return false;
  const QString scheme = url.scheme().toLower();
  return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

QString WebSearchFormPage() {
  const QString engine = SearchEngineAddress().toHtmlEscaped();
  return QStringLiteral(
             "<html><head><meta charset=\"utf-8\"><title>Web Search</title></head><body>\n"
             "<center>\n"
             "<form method=\"get\" action=\"%1/custom\" target=\"_top\">\n"
             "<table border=\"0\"><tr><td nowrap=\"nowrap\" valign=\"top\" align=\"left\" height=\"32\">\n"
             "<a href=\"%1/\"><img src=\"%1/images/branding/googlelogo/1x/googlelogo_color_116x41dp.png\" "
             "border=\"0\" alt=\"Web Search\" align=\"middle\"></a>\n"
             "<input type=\"text\" name=\"q\" size=\"31\" maxlength=\"255\" value=\"\">\n"
             "<input type=\"submit\" name=\"sa\" value=\"Search\">\n"
             "<input type=\"hidden\" name=\"client\" value=\"pub-qzorbalinth-dictionary\">\n"
             "<input type=\"hidden\" name=\"forid\" value=\"1\">\n"
             "<input type=\"hidden\" name=\"ie\" value=\"ISO-8859-1\">\n"
             "<input type=\"hidden\" name=\"oe\" value=\"ISO-8859-1\">\n"
             "<input type=\"hidden\" name=\"cof\" value=\"GALT:#008000;GL:1;DIV:#336699;VLC:663399;AH:center;"
             "BGC:FFFFFF;LBGC:336699;ALC:0000FF;LC:0000FF;T:000000;GFNT:0000FF;GIMP:0000FF;FORID:1;\">\n"
             "<input type=\"hidden\" name=\"hl\" value=\"en\">\n"
             "</td></tr></table>\n"
             "</form>\n"
             "</center>\n"
             "</body></html>\n")
      .arg(engine);
}

QString WebSearchHelper::ResultsAddress(const QString& text, const QString& homePage) {
  Q_UNUSED(homePage);
  const QString engine = SearchEngineAddress();
  if (text.trimmed().isEmpty()) return engine + QLatin1Char('/');
  return engine + QStringLiteral("/search?q=") + QString::fromLatin1(QUrl::toPercentEncoding(text));
}

bool WebSearchHelper::Search(const QString& text, const QString& homePage) {
  platform::ShellOpen(ResultsAddress(text, homePage));
  return true;
}
