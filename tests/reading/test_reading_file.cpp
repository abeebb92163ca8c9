#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "common/test_support.h"
#include "reading/core/reading_file.h"
#include "services/text_codec.h"

using reading::Person;
using reading::ReadingFile;

namespace {
const Person kJohn{"JOHN", "", "SMITH", "August", "6", "1979"};

using qztest::ReadAll;
using qztest::WriteAll;
}  // namespace

TEST(ReadingFile, SavedBytesAreSixEncodedLines) {
  const QByteArray expected = QByteArray::fromHex(
      "9fa49da30d0a"
      "0d0a"
      "a8a29ea99d0d0a"
      "96cabccac8c90d0a"
      "8b0d0a"
      "868e8c8e0d0a");
  EXPECT_EQ(ReadingFile::ToBytes(kJohn).toHex(), expected.toHex());

  const QString path = qztest::TempPath("john.num");
  ASSERT_TRUE(ReadingFile::Write(path, kJohn));
  EXPECT_EQ(ReadAll(path).toHex(), expected.toHex());
  const std::optional<Person> back = ReadingFile::Read(path);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->firstName, "JOHN");
  EXPECT_EQ(back->middleName, "");
  EXPECT_EQ(back->lastName, "SMITH");
  EXPECT_EQ(back->monthName, "August");
  EXPECT_EQ(back->day, "6");
  EXPECT_EQ(back->year, "1979");
}

TEST(ReadingFile, ReadingToleratesShortLongAndOddlyEndedFiles) {
  const QByteArray john = ReadingFile::ToBytes(kJohn);
  struct Case {
    const char* what;
    QByteArray bytes;
    QStringList fields;
  };
  const QByteArray jo = EncodeBytes("JO");
  const QByteArray sm = EncodeBytes("SM");
  const Case cases[] = {
      {"empty file", QByteArray(), {"", "", "", "", "", ""}},
      {"two lines", jo + "\r\n" + sm + "\r\n", {"JO", "SM", "", "", "", ""}},
      {"no final line break", jo + "\r\n" + sm, {"JO", "SM", "", "", "", ""}},
      {"bare LF and CR", jo + "\n" + sm + "\r" + jo, {"JO", "SM", "JO", "", "", ""}},
      {"extra lines ignored", john + jo + "\r\n" + sm + "\r\n", {"JOHN", "", "SMITH", "August", "6", "1979"}},
      // Bytes below 85 decode to nothing.
      {"plain text", QByteArray("HELLO 12\r\n"), {"", "", "", "", "", ""}},
  };
  for (const Case& c : cases) {
    const Person p = ReadingFile::FromBytes(c.bytes);
    EXPECT_EQ((QStringList{p.firstName, p.middleName, p.lastName, p.monthName, p.day, p.year}), c.fields) << c.what;
  }
}

TEST(ReadingFile, UnreadableFilesAreReportedNotReadAsEmpty) {
  EXPECT_FALSE(ReadingFile::Read(qztest::TempPath("no-such-file.num")).has_value());
  const QString folder = qztest::TempPath("folder.num");
  QDir().mkpath(folder);
  EXPECT_FALSE(ReadingFile::Read(folder).has_value());
  const QString empty = qztest::TempPath("empty.num");
  WriteAll(empty, QByteArray());
  EXPECT_TRUE(ReadingFile::Read(empty).has_value());
}

TEST(ReadingFile, FailedWriteSaysSoAndKeepsTheOldFile) {
  QString error;
  EXPECT_FALSE(ReadingFile::Write(qztest::TempPath("missing-folder/x.num"), kJohn, &error));
  EXPECT_FALSE(error.isEmpty());

  // Replacing a file goes through a temporary file: the old one is whole until the new one is.
  const QString path = qztest::TempPath("replace.num");
  WriteAll(path, "old");
  ASSERT_TRUE(ReadingFile::Write(path, kJohn));
  EXPECT_EQ(ReadAll(path), ReadingFile::ToBytes(kJohn));
}

TEST(ReadingFile, ExtensionTestIgnoresLetterCase) {
  const std::pair<const char*, bool> cases[] = {
      {"/tmp/reading.num", true}, {"/tmp/READING.NUM", true}, {"/tmp/Reading.Num", true},
      {"/tmp/datanum", true},     {"/tmp/reading.txt", false}, {"/tmp/reading.num.bak", false},
      {"", false},
  };
  for (const auto& [path, ok] : cases) EXPECT_EQ(ReadingFile::HasReadingExtension(path), ok) << path;
}

TEST(ReadingFile, CharactersTheFileCannotHoldAreNamed) {
  struct Case {
    Person person;
    QString lost;
  };
  const Case cases[] = {
      {kJohn, ""},
      {{"JOSÉ", "", "NÚÑEZ", "August", "6", "1979"}, "ÉÚÑ"},
      {{"ÉÉ", "É", "", "", "", ""}, "É"},
      // Code 170 still fits, 171 does not; the euro sign sits at 128.
      {{"ª€", "«", "", "", "", ""}, "«"},
      // Outside the code page altogether.
      {{"李", "", "SMITH", "", "", ""}, "李"},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadingFile::UnsavableCharacters(c.person), c.lost) << c.person.firstName.toStdString();

  // What the warning names is exactly what a save and a read lose.
  const Person jose{"JOSÉ", "", "NÚÑEZ", "August", "6", "1979"};
  const Person back = ReadingFile::FromBytes(ReadingFile::ToBytes(jose));
  EXPECT_EQ(back.firstName, "JOS");
  EXPECT_EQ(back.lastName, "NEZ");
}
