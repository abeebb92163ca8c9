#pragma once
// The Chinese tool's inputs, their checks, the Chinese reading file (*.cnu) and the report.
#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>

namespace chinese {
// The four fields of a Chinese reading file, one encoded line each, every line ending in CR LF.
struct ChineseReadingFile {
  QString personName;
  QString birthDay;
  QString birthMonth;
  QString birthYear;
  bool operator==(const ChineseReadingFile&) const = default;
};

// One calculated person: the input window's texts, each trimmed of blanks.
struct ChinesePerson {
  QString PersonName;  // the name
  QString BirthDay;    // "1" .. "31"
  QString BirthMonth;  // "January" .. "December"
  QString BirthYear;   // "1900" .. "2050"
  QDate BirthDate;     // the date of the three; only the report shows it
  bool operator==(const ChinesePerson&) const = default;

  // The fields its reading file holds.
  ChineseReadingFile ReadingFile() const { return {PersonName, BirthDay, BirthMonth, BirthYear}; }
};

// The person of the input window's texts; BirthDate is formed from the numbers.
ChinesePerson PersonOf(const QString& name, const QString& day, const QString& month, const QString& year);

// The birth date's check: which message refuses a day of a month in a year.
enum class DateFault {
  None,
  February,        // "Please Enter Correct Date Or Month!"
  ThirtyDayMonth,  // "Please Enter Correct Date Or Month !"
};
DateFault CheckBirthDate(int day, int month, int year);

inline const QString kNameMissing = QStringLiteral("Please Enter Your Name");
inline const QString kFebruaryRefused = QStringLiteral("Please Enter Correct Date Or Month!");
inline const QString kThirtyDayMonthRefused = QStringLiteral("Please Enter Correct Date Or Month !");

QByteArray EncodeChineseReading(const ChineseReadingFile& reading);
// Up to four lines; a line missing at the end reads as empty.
ChineseReadingFile DecodeChineseReading(const QByteArray& bytes);

// True when the path ends in "cnu", in any letter case: a save dialog keeps a typed "Name.CNU".
bool HasChineseReadingExtension(const QString& path);

// Writes the whole file or nothing; false (with a reason) when it could not be written.
bool WriteChineseReadingFile(const QString& path, const ChineseReadingFile& reading,
                             QString* error = nullptr);
// The file's fields, or nothing when it cannot be read.
std::optional<ChineseReadingFile> ReadChineseReadingFile(const QString& path);

// The characters of a text that the file cannot hold (each once, in order of appearance):
// those the code page lacks and those the codec drops (codes 171 to 255).
QString UnsavableCharacters(const QString& text);

// The report: name, birth date, the favourable number text, with the footer four times.
QString ReportText(const QString& personName, const QString& birthDateText,
                   const QString& favourableText, const QString& footer);
// What one print-out holds: the report framed by a footer line above and below.
QString PrintText(const QString& report, const QString& footer);

// The first field of the first line of a saved file: up to a comma or the line's end,
// surrounding quotation marks removed, decoded. Nothing when the file cannot be read.
std::optional<QString> ReadFirstField(const QString& path);
QString FirstFieldOf(const QByteArray& bytes);
}  // namespace chinese
