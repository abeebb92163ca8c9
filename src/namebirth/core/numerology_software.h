#pragma once
// The name and birth numbers: letter values, the two numbers, the attributes of the
// name number and the zodiac sign of a month-day-year date text. No widgets.
#include <QString>
#include <array>
#include <optional>

namespace modNumerologySoftware {
// One value for each letter "A" to "Z" and one for the blank.
struct LetterValueTable {
  std::array<int, 26> letter{};
  int blank = 0;
};
// The values the name number counts: A-I 1-9, J-R 1-9, S-Z 1-8; the blank counts nothing.
inline constexpr LetterValueTable LetterValues = [] {
  LetterValueTable table;
  for (int i = 0; i < 26; ++i) table.letter[i] = i % 9 + 1;
  table.blank = 0;
  return table;
}();

// The name number as decimal text: the letter total, then exactly two digit-sum passes.
// Letters "A" to "Z" in either case count their value, a blank counts the blank's value,
// anything else counts nothing. A name without letters gives "0".
QString ComputeNameNumber(const QString& name);

// The birth number as decimal text: the digit sum of the date text, then up to two more
// passes while it is above 9.
QString ComputeBirthNumber(const QString& dateText);

// The attributes of a name number, for the texts "1" to "9" exactly; none otherwise.
struct NameNumberAttributes {
  QString meaning;
  QString planet;
  QString picture;  // file name in the picture folder
  QString element;
  QString letters;
  QString primaryColor;
  QString secondaryColors;
};
std::optional<NameNumberAttributes> AttributesOf(const QString& nameNumber);
std::optional<QString> NameNumberMeaning(const QString& nameNumber);
struct PlanetElementLetters {
  QString picture;
  QString planet;
  QString element;
  QString letters;
};
std::optional<PlanetElementLetters> PlanetElementLettersOf(const QString& nameNumber);
struct NameNumberColors {
  QString primary;
  QString secondary;
};
std::optional<NameNumberColors> NameNumberColorsOf(const QString& nameNumber);

// The zodiac ranges over the number that a month-day-year text spells; both bounds belong.
struct ZodiacRow {
  int first;
  int last;
  QString sign;
  QString picture;  // file name in the picture folder
};
const std::array<ZodiacRow, 24>& ZodiacRanges();

// The numeric value of the whole date text, single precision; 0 when it is not a number.
float DateNumber(const QString& dateText);
// The row whose range holds the date number (a whole number), or none.
std::optional<ZodiacRow> ZodiacSignOf(const QString& dateText);

// Every picture file name the tool reads, planets first.
QStringList PictureFileNames();

// The full path of a picture: the program's folder, then "pu", then the file name.
QString PicturePath(const QString& fileName);
}  // namespace modNumerologySoftware

namespace modNumerologySoftware {
// The pages this tool opens directly, as full addresses.
QString SiteRootAddress();      // the site's root
QString DonationPageAddress();  // "donate.html" at the site's root
QString HelpPageAddress();      // the tool's help page
// Hands the address to the browser.
void OpenWebPage(const QString& address);
}  // namespace modNumerologySoftware
