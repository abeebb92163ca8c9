#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include "services/text_codec.h"
#include "ui/rich_text_box.h"

namespace ui {
namespace {
struct RunFormat {
  bool bold = false;
  int colour = 0;  // index into the colour table, 1-based
  int halfPoints = 20;
  int font = 0;
  bool operator==(const RunFormat&) const = default;
};

void appendEscaped(QByteArray& out, const QString& text) {
  for (QChar ch : text) {
    const char16_t u = ch.unicode();
    if (u == u'\\' || u == u'{' || u == u'}') {
      out += '\\';
      out += static_cast<char>(u);
    } else if (u == u'\t') {
      out += "\\tab ";
    } else if (u == 0x2028 || u == u'\n') {
      out += "\\line ";
    } else if (u >= 0x20 && u < 0x80) {
      out += static_cast<char>(u);
    } else if (u < 0x20) {
      // other control characters carry nothing a reader can show
    } else {
      const int code = ansi::codeOf(ch);
      if (code >= 0x80) {
        out += QByteArray("\\'") + QByteArray::number(code, 16).rightJustified(2, '0');
      } else {
        out += "\\u" + QByteArray::number(static_cast<qint16>(u)) + '?';
      }
    }
  }
}
}  // namespace

QByteArray DocumentToRtf(const QTextDocument& document) {
  const QFont base = document.defaultFont();
  const double basePoints = base.pointSizeF() > 0 ? base.pointSizeF() : 10.0;

  QStringList fonts{base.family()};
  QList<QRgb> colours;
  for (int i = 0; i < 16; ++i) colours << PaletteColor(i).rgb();

  // First pass: collect the fonts and colours that the text uses.
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat f = it.fragment().charFormat();
      const QStringList families = f.fontFamilies().toStringList();
      if (!families.isEmpty() && !fonts.contains(families.first())) fonts << families.first();
      if (f.hasProperty(QTextFormat::ForegroundBrush)) {
        const QRgb rgb = f.foreground().color().rgb();
        if (!colours.contains(rgb)) colours << rgb;
      }
    }
  }

  QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
  for (int i = 0; i < fonts.size(); ++i) {
    out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
    appendEscaped(out, fonts[i]);
    out += ";}";
  }
  out += "}\r\n{\\colortbl ;";
  for (QRgb rgb : colours)
    out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" + QByteArray::number(qGreen(rgb)) + "\\blue" +
           QByteArray::number(qBlue(rgb)) + ";";
  out += "}\r\n\\viewkind4\\uc1\\pard";

  RunFormat current;
  current.colour = 1;
  current.halfPoints = qRound(basePoints * 2);
  out += "\\f0\\cf1\\fs" + QByteArray::number(current.halfPoints) + " ";

  bool firstBlock = true;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (!firstBlock) out += "\\par\r\n";
    firstBlock = false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QTextCharFormat f = fragment.charFormat();
      RunFormat run;
      run.bold = f.fontWeight() >= QFont::DemiBold;
      run.colour = f.hasProperty(QTextFormat::ForegroundBrush)
                       ? static_cast<int>(colours.indexOf(f.foreground().color().rgb())) + 1
                       : 1;
      const double points = f.fontPointSize() > 0 ? f.fontPointSize() : basePoints;
      run.halfPoints = qRound(points * 2);
      const QStringList families = f.fontFamilies().toStringList();
      run.font = families.isEmpty() ? 0 : static_cast<int>(fonts.indexOf(families.first()));
      if (!(run == current)) {
        QByteArray codes;
        if (run.font != current.font) codes += "\\f" + QByteArray::number(run.font);
        if (run.bold != current.bold) codes += run.bold ? "\\b" : "\\b0";
        if (run.colour != current.colour) codes += "\\cf" + QByteArray::number(run.colour);
        if (run.halfPoints != current.halfPoints) codes += "\\fs" + QByteArray::number(run.halfPoints);
        out += codes + ' ';
        current = run;
      }
      appendEscaped(out, fragment.text());
    }
  }
  out += "\\par\r\n}\r\n";
  return out;
}
}  // namespace ui
