// The name number, the birth number, the attribute table and the zodiac ranges.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>

#include "common/test_support.h"
#include "namebirth/core/numerology_software.h"
#include "services/platform.h"
#include "services/web_pages.h"

namespace nb = modNumerologySoftware;

namespace {
class NumbersTest : public ::testing::Test {};

QString repeated(char c, int n) { return QString(n, QLatin1Char(c)); }
}  // namespace

TEST_F(NumbersTest, LetterValuesRunOneToNineInThreeRows) {
  const QString rows[] = {QStringLiteral("ABCDEFGHI"), QStringLiteral("JKLMNOPQR"), QStringLiteral("STUVWXYZ")};
  for (const QString& row : rows) {
    for (int i = 0; i < row.size(); ++i) {
      EXPECT_EQ(nb::LetterValues.letter[row[i].unicode() - u'A'], i + 1) << row[i].toLatin1();
    }
  }
  EXPECT_EQ(nb::LetterValues.blank, 0);
}

TEST_F(NumbersTest, NameNumberTakesExactlyTwoPasses) {
  struct Case {
    QString name;
    QString number;
  };
  const Case cases[] = {
      {QStringLiteral("ANNA"), QStringLiteral("3")},      // 12 -> 3
      {QStringLiteral("anna"), QStringLiteral("3")},      // either case
      {QStringLiteral("Max"), QStringLiteral("2")},       // 4 + 1 + 6 = 11 -> 2
      {QStringLiteral("mAX"), QStringLiteral("2")},
      {QStringLiteral("Mary-Ann"), nb::ComputeNameNumber(QStringLiteral("Mary Ann"))},
      {QStringLiteral("O'Brien. Jr"), nb::ComputeNameNumber(QStringLiteral("OBrienJr"))},
      {QStringLiteral("Ann4a"), QStringLiteral("3")},     // digits count nothing
      {QStringLiteral("Jos\u00e9"), QStringLiteral("8")}, // letters outside A to Z count nothing
      {QStringLiteral("   "), QStringLiteral("0")},
      {QString(), QStringLiteral("0")},
      {repeated('I', 22) + QStringLiteral("A"), QStringLiteral("10")},   // 199 -> 19 -> 10
      {repeated('I', 333) + QStringLiteral("B"), QStringLiteral("11")},  // 2999 -> 29 -> 11
      {repeated('I', 11), QStringLiteral("9")},                          // 99 -> 18 -> 9
  };
  for (const Case& c : cases) EXPECT_EQ(nb::ComputeNameNumber(c.name), c.number) << c.name.toStdString();
}

TEST_F(NumbersTest, BirthNumberTakesUpToThreePasses) {
  struct Case {
    QString date;
    QString number;
  };
  const Case cases[] = {
      {QStringLiteral("09091900"), QStringLiteral("1")},  // 28 -> 10 -> 1
      {QStringLiteral("12291999"), QStringLiteral("6")},  // 42 -> 6
      {QStringLiteral("08061979"), QStringLiteral("4")},  // 40 -> 4
      {QStringLiteral("01010000"), QStringLiteral("2")},
      {repeated('9', 22) + QStringLiteral("1"), QStringLiteral("10")},  // 199 -> 19 -> 10
      {QString(), QStringLiteral("0")},
      {QStringLiteral("abc"), QStringLiteral("0")},
      {QStringLiteral("\u0661\u0662"), QStringLiteral("0")},  // only ASCII digits count
  };
  for (const Case& c : cases) EXPECT_EQ(nb::ComputeBirthNumber(c.date), c.number) << c.date.toStdString();
}

TEST_F(NumbersTest, AttributeTableRowByRow) {
  struct Row {
    const char* planet;
    const char* picture;
    const char* element;
    const char* letters;
    const char* primary;
    const char* secondary;
    const char* opening;
  };
  const Row rows[] = {
      {"Sun", "sun.jpg", "Fire", "A, J, S", "Red", "Brown, Yellow, Gold", "Very much the driving force."},
      {"Moon", "moon.jpg", "Water", "B, K, T", "Orange", "Green, Cream, White", "Sensitive, domestic."},
      {"Jupiter", "jupiter.jpg", "Fire", "C, L, U", "Yellow", "Mauve, Violet, Lilac",
       "The investigator; the scientist; the seeker."},
      {"Uranus", "uranus.jpg", "Air", "D, M, V", "Green", "Blue, Grey",
       "Inclined to appear strange and eccentric because she or he is usually ahead of his or her time."},
      {"Mercury", "mercury.jpg", "Air", "E, N, W", "Blue", "Light shades of any color.",
       "Active, both physically and mentally."},
      {"Venus", "venus.jpg", "Earth", "F, O, X", "Indigo", "All shades of Blue",
       "Gentle and refined; pleasant and sociable."},
      {"Neptune", "Neptune.jpg", "Water", "G, P, Y", "Violet", "Light shades of Green and Yellow",
       "Frequently possesses ESP."},
      {"Saturn", "saturn.jpg", "Earth", "H, Q, Z", "Rose", "Dark Grey, Blue, Purple, Black",
       "Inclined to be cold and pessimistic."},
      {"Mars", "Mars.jpg", "Fire", "I, R", "Gold", "Red, Crimson, Pink", "Very emotional."},
  };
  for (int n = 1; n <= 9; ++n) {
    SCOPED_TRACE(n);
    const Row& row = rows[n - 1];
    const QString key = QString::number(n);
    const auto planet = nb::PlanetElementLettersOf(key);
    ASSERT_TRUE(planet);
    EXPECT_EQ(planet->planet, QLatin1String(row.planet));
    EXPECT_EQ(planet->picture, QLatin1String(row.picture));
    EXPECT_EQ(planet->element, QLatin1String(row.element));
    EXPECT_EQ(planet->letters, QLatin1String(row.letters));
    const auto colors = nb::NameNumberColorsOf(key);
    ASSERT_TRUE(colors);
    EXPECT_EQ(colors->primary, QLatin1String(row.primary));
    EXPECT_EQ(colors->secondary, QLatin1String(row.secondary));
    const auto meaning = nb::NameNumberMeaning(key);
    ASSERT_TRUE(meaning);
    EXPECT_TRUE(meaning->startsWith(QLatin1String(row.opening) + QLatin1String("  "))) << meaning->toStdString();
    EXPECT_GT(meaning->size(), 150);
    EXPECT_FALSE(meaning->contains(QLatin1String(".  .")));
  }
}

TEST_F(NumbersTest, OnlyTheExactTextsOneToNineHaveAttributes) {
  for (const QString& key : {QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("01"),
                             QStringLiteral(" 3"), QStringLiteral("3 "), QString()}) {
    EXPECT_FALSE(nb::AttributesOf(key)) << key.toStdString();
    EXPECT_FALSE(nb::NameNumberMeaning(key));
    EXPECT_FALSE(nb::PlanetElementLettersOf(key));
    EXPECT_FALSE(nb::NameNumberColorsOf(key));
  }
}

// Every boundary of the sign ranges, with the dates just outside them.
TEST(ZodiacTest, EveryBoundaryOfTheRanges) {
  struct Case {
    const char* monthDay;
    const char* sign;  // nullptr: no sign, an invalid birth date
  };
  const Case cases[] = {
      {"0100", nullptr},        {"0101", "Capricorn"},   {"0120", "Capricorn"},   {"0121", "Aquarius"},
      {"0131", "Aquarius"},     {"0132", nullptr},       {"0200", nullptr},       {"0201", "Aquarius"},
      {"0219", "Aquarius"},     {"0220", "Pisces"},      {"0229", "Pisces"},      {"0230", nullptr},
      {"0231", nullptr},        {"0300", nullptr},       {"0301", "Pisces"},      {"0320", "Pisces"},
      {"0321", "Aries"},        {"0331", "Aries"},       {"0332", nullptr},       {"0401", "Aries"},
      {"0419", "Aries"},        {"0420", "Taurus"},      {"0430", "Taurus"},      {"0431", nullptr},
      {"0501", "Taurus"},       {"0519", "Taurus"},      {"0520", "Gemini"},      {"0531", "Gemini"},
      {"0601", "Gemini"},       {"0620", "Gemini"},      {"0621", "Cancer"},      {"0630", "Cancer"},
      {"0631", nullptr},        {"0701", "Cancer"},      {"0722", "Cancer"},      {"0723", "Leo"},
      {"0731", "Leo"},          {"0801", "Leo"},         {"0821", "Leo"},         {"0822", "Virgo"},
      {"0831", "Virgo"},        {"0901", "Virgo"},       {"0922", "Virgo"},       {"0923", "Libra"},
      {"0930", "Libra"},        {"0931", nullptr},       {"1000", nullptr},       {"1001", "Libra"},
      {"1022", "Libra"},        {"1023", "Scorpio"},     {"1031", "Scorpio"},     {"1101", "Scorpio"},
      {"1121", "Scorpio"},      {"1122", "Sagittarius"}, {"1130", "Sagittarius"}, {"1131", nullptr},
      {"1201", "Sagittarius"},  {"1221", "Sagittarius"}, {"1222", "Capricorn"},   {"1231", "Capricorn"},
      {"1232", nullptr},        {"0015", nullptr},       {"1301", nullptr},       {"0099", nullptr},
  };
  for (const char* year : {"0000", "1900", "1979", "2010", "9999"}) {
    for (const Case& c : cases) {
      const QString text = QLatin1String(c.monthDay) + QLatin1String(year);
      const auto row = nb::ZodiacSignOf(text);
      if (c.sign) {
        ASSERT_TRUE(row) << text.toStdString();
        EXPECT_EQ(row->sign, QLatin1String(c.sign)) << text.toStdString();
        EXPECT_EQ(row->picture, row->sign.toLower() + QLatin1String(".jpg"));
      } else {
        EXPECT_FALSE(row) << text.toStdString() << " gave " << (row ? row->sign.toStdString() : "");
      }
    }
  }
}

TEST(ZodiacTest, TheNumberTheTextSpellsNotADate) {
  struct Case {
    const char* text;
    const char* sign;
  };
  const Case cases[] = {
      {"1015200", "Capricorn"},     // a three-digit year after 15 October
      {"1015000", "Capricorn"},
      {"0806200", nullptr},         // a three-digit year after August: below every range
      {"010100000", "Libra"},       // a five-digit year of zeros after 1 January
      {" 08061979 ", "Leo"},        // blanks around the number
      {"+08061979", "Leo"},
      {"1015000.01", "Capricorn"},  // single precision: rounds to a whole number
      {"1015000.5", nullptr},       // not a whole number
      {"8.061979e6", "Leo"},
      {"0806abcd", nullptr},        // not a number at all
      {"086 1979", nullptr},
      {"", nullptr},
      {"august1979", nullptr},
      {"-08061979", nullptr},
  };
  for (const Case& c : cases) {
    const auto row = nb::ZodiacSignOf(QLatin1String(c.text));
    if (c.sign) {
      ASSERT_TRUE(row) << c.text;
      EXPECT_EQ(row->sign, QLatin1String(c.sign)) << c.text;
    } else {
      EXPECT_FALSE(row) << c.text;
    }
  }
  EXPECT_EQ(nb::DateNumber(QStringLiteral("0806abcd")), 0.0f);
  EXPECT_EQ(nb::DateNumber(QStringLiteral("08061979")), 8061979.0f);
}

TEST(ZodiacTest, RangesDoNotOverlapAndRunInOrder) {
  const auto& rows = nb::ZodiacRanges();
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_LE(rows[i].first, rows[i].last);
    if (i > 0) {
      EXPECT_GT(rows[i].first, rows[i - 1].last);
    }
  }
  EXPECT_EQ(rows.front().first, 1010000);
  EXPECT_EQ(rows.back().last, 12319999);
}

TEST(PictureFolderTest, EveryPictureIsBuiltAndReadable) {
  const QStringList names = nb::PictureFileNames();
  EXPECT_EQ(names.size(), 21);
  EXPECT_TRUE(names.contains(QStringLiteral("Neptune.jpg")));
  EXPECT_TRUE(names.contains(QStringLiteral("Mars.jpg")));
  for (const QString& name : names) {
    const QString path = nb::PicturePath(name);
    // Exactly this spelling: Linux file names are case-sensitive.
    EXPECT_TRUE(QFileInfo(path).fileName() == name && QFileInfo::exists(path)) << path.toStdString();
    QImage image;
    EXPECT_TRUE(image.load(path)) << path.toStdString();
    EXPECT_GT(image.width(), 100);
  }
}

TEST(PictureFolderTest, TheSeamPointsAtAnotherFolder) {
  platform::SetProgramFolder(QStringLiteral("/some/where"));
  EXPECT_EQ(nb::PicturePath(QStringLiteral("sun.jpg")), QStringLiteral("/some/where/pu/sun.jpg"));
  platform::SetProgramFolder(QString());
  EXPECT_EQ(platform::ProgramFolder(), QCoreApplication::applicationDirPath());
  qztest::RestoreProgramFolder();
}

TEST(PagesTest, TheToolsOwnPagesAreFullAddresses) {
  EXPECT_EQ(nb::SiteRootAddress(), SiteAddress);
  EXPECT_TRUE(nb::SiteRootAddress().startsWith(QLatin1String("https://")));
  EXPECT_EQ(nb::DonationPageAddress(), SiteAddress + QStringLiteral("/donate.html"));
  EXPECT_EQ(nb::HelpPageAddress(),
            SiteAddress + QStringLiteral("/qz-free-numerology-software/qz-free-numerology-software-help.html"));
}
