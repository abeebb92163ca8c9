#include "namebirth/core/numerology_software.h"

#include <QDir>
#include <QStringList>
#include <cmath>

#include "services/digits.h"
#include "services/platform.h"
#include "services/web_pages.h"

namespace modNumerologySoftware {
QString ComputeNameNumber(const QString& name) {
  qint64 total = 0;
  for (const QChar c : name) {
    const char16_t u = c.unicode();
    if (u >= u'A' && u <= u'Z') total += LetterValues.letter[u - u'A'];
    else if (u >= u'a' && u <= u'z') total += LetterValues.letter[u - u'a'];
    else if (u == u' ') total += LetterValues.blank;
  }
  int number = DigitSum(QString::number(total));
  if (number > 9) number = DigitSum(QString::number(number));
  return QString::number(number);
}

QString ComputeBirthNumber(const QString& dateText) {
  int number = DigitSum(dateText);
  if (number > 9) {
    number = DigitSum(QString::number(number));
    if (number > 9) number = DigitSum(QString::number(number));
  }
  return QString::number(number);
}

namespace {
const std::array<NameNumberAttributes, 9>& attributeTable() {
  static const std::array<NameNumberAttributes, 9> rows{{
      {QStringLiteral("Very much the driving force.  A born leader who is ambitious, impatient with "
                      "delay, outgoing and happiest when in command.  Feelings run strong, for or "
                      "against, and there is seldom a middle way.  Often does not know his or her own "
                      "strength, and is spurred on to great things by praise."),
       QStringLiteral("Sun"), QStringLiteral("sun.jpg"), QStringLiteral("Fire"), QStringLiteral("A, J, S"),
       QStringLiteral("Red"), QStringLiteral("Brown, Yellow, Gold")},
      {QStringLiteral("Sensitive, domestic.  Emotional and easily moved to tears, with a rich "
                      "imagination.  Fond of the home and of the homeland, adaptable to people and "
                      "places, and happiest living near water.  Musical and psychic gifts are common "
                      "and well worth developing."),
       QStringLiteral("Moon"), QStringLiteral("moon.jpg"), QStringLiteral("Water"), QStringLiteral("B, K, T"),
       QStringLiteral("Orange"), QStringLiteral("Green, Cream, White")},
      {QStringLiteral("The investigator; the scientist; the seeker.  More interested in the material "
                      "world than the spiritual, and religious ideas may change more than once in a "
                      "lifetime.  Has a great sense of humour and little interest in money for its own "
                      "sake.  Trusting by nature, yet always wants to know why and how."),
       QStringLiteral("Jupiter"), QStringLiteral("jupiter.jpg"), QStringLiteral("Fire"), QStringLiteral("C, L, U"),
       QStringLiteral("Yellow"), QStringLiteral("Mauve, Violet, Lilac")},
      {QStringLiteral("Inclined to appear strange and eccentric because she or he is usually ahead of "
                      "his or her time.  Drawn to the occult, to psychic research and to anything out "
                      "of the ordinary, and strongly intuitive.  Can be sarcastic when crossed.  Stands "
                      "for liberty and equality, and often foresees how an action or a business will "
                      "turn out."),
       QStringLiteral("Uranus"), QStringLiteral("uranus.jpg"), QStringLiteral("Air"), QStringLiteral("D, M, V"),
       QStringLiteral("Green"), QStringLiteral("Blue, Grey")},
      {QStringLiteral("Active, both physically and mentally.  Inquiring and always exploring, fond of "
                      "reading and research, and good at languages.  Well suited to teaching, writing "
                      "and secretarial work.  Makes friends easily, works methodically and has a gift "
                      "for simplifying systems."),
       QStringLiteral("Mercury"), QStringLiteral("mercury.jpg"), QStringLiteral("Air"), QStringLiteral("E, N, W"),
       QStringLiteral("Blue"), QStringLiteral("Light shades of any color.")},
      {QStringLiteral("Gentle and refined; pleasant and sociable.  Usually good-looking and easy to "
                      "like.  Often in financial difficulties, yet an excellent host or hostess whose "
                      "door is always open to friends.  Friendly and agreeable, and a peacemaker "
                      "wherever people meet."),
       QStringLiteral("Venus"), QStringLiteral("venus.jpg"), QStringLiteral("Earth"), QStringLiteral("F, O, X"),
       QStringLiteral("Indigo"), QStringLiteral("All shades of Blue")},
      {QStringLiteral("Frequently possesses ESP.  Psychic and introverted, says little but knows much, "
                      "and keeps an air of mystery.  Interested in psychology, psychiatry, chemistry, "
                      "botany, astrology and the occult, and often fond of fishing.  Has a strong sense "
                      "of fairness and will take from the haves to give to the have-nots."),
       QStringLiteral("Neptune"), QStringLiteral("Neptune.jpg"), QStringLiteral("Water"), QStringLiteral("G, P, Y"),
       QStringLiteral("Violet"), QStringLiteral("Light shades of Green and Yellow")},
      {QStringLiteral("Inclined to be cold and pessimistic.  Has little humour and is slow to start, "
                      "but ends ahead of the rest.  Successful with money, and linked with mining, real "
                      "estate and the law, as well as cemeteries and pawnshops.  Believes in hard work "
                      "and tends to dwell on the past."),
       QStringLiteral("Saturn"), QStringLiteral("saturn.jpg"), QStringLiteral("Earth"), QStringLiteral("H, Q, Z"),
       QStringLiteral("Rose"), QStringLiteral("Dark Grey, Blue, Purple, Black")},
      {QStringLiteral("Very emotional.  Can be very jealous and is ruled by the emotions.  Closely tied "
                      "to the family background, loyal to his or her own and suspicious of strangers.  "
                      "Impulsive, yet fears what is unfamiliar.  Associated with surgery and with "
                      "physical and mental illness, as healer or as patient."),
       QStringLiteral("Mars"), QStringLiteral("Mars.jpg"), QStringLiteral("Fire"), QStringLiteral("I, R"),
       QStringLiteral("Gold"), QStringLiteral("Red, Crimson, Pink")},
  }};
  return rows;
}
}  // namespace

std::optional<NameNumberAttributes> AttributesOf(const QString& nameNumber) {
  // An exact match only: "01" or " 3" is no name number of the table.
  for (int n = 1; n <= 9; ++n) {
    if (nameNumber == QString::number(n)) return attributeTable()[n - 1];
  }
  return std::nullopt;
}

std::optional<QString> NameNumberMeaning(const QString& nameNumber) {
  if (auto row = AttributesOf(nameNumber)) return row->meaning;
  return std::nullopt;
}

std::optional<PlanetElementLetters> PlanetElementLettersOf(const QString& nameNumber) {
  if (auto row = AttributesOf(nameNumber)) return PlanetElementLetters{row->picture, row->planet, row->element, row->letters};
  return std::nullopt;
}

std::optional<NameNumberColors> NameNumberColorsOf(const QString& nameNumber) {
  if (auto row = AttributesOf(nameNumber)) return NameNumberColors{row->primaryColor, row->secondaryColors};
  return std::nullopt;
}

const std::array<ZodiacRow, 24>& ZodiacRanges() {
  static const std::array<ZodiacRow, 24> rows{{
      {1010000, 1209999, QStringLiteral("Capricorn"), QStringLiteral("capricorn.jpg")},
      {1210000, 1319999, QStringLiteral("Aquarius"), QStringLiteral("aquarius.jpg")},
      {2010000, 2199999, QStringLiteral("Aquarius"), QStringLiteral("aquarius.jpg")},
      {2200000, 2299999, QStringLiteral("Pisces"), QStringLiteral("pisces.jpg")},
      {3010000, 3209999, QStringLiteral("Pisces"), QStringLiteral("pisces.jpg")},
      {3210000, 3319999, QStringLiteral("Aries"), QStringLiteral("aries.jpg")},
      {4010000, 4199999, QStringLiteral("Aries"), QStringLiteral("aries.jpg")},
      {4200000, 4309999, QStringLiteral("Taurus"), QStringLiteral("taurus.jpg")},
      {5010000, 5199999, QStringLiteral("Taurus"), QStringLiteral("taurus.jpg")},
      {5200000, 5319999, QStringLiteral("Gemini"), QStringLiteral("gemini.jpg")},
      {6010000, 6209999, QStringLiteral("Gemini"), QStringLiteral("gemini.jpg")},
      {6210000, 6309999, QStringLiteral("Cancer"), QStringLiteral("cancer.jpg")},
      {7010000, 7229999, QStringLiteral("Cancer"), QStringLiteral("cancer.jpg")},
      {7230000, 7319999, QStringLiteral("Leo"), QStringLiteral("leo.jpg")},
      {8010000, 8219999, QStringLiteral("Leo"), QStringLiteral("leo.jpg")},
      {8220000, 8319999, QStringLiteral("Virgo"), QStringLiteral("virgo.jpg")},
      {9010000, 9229999, QStringLiteral("Virgo"), QStringLiteral("virgo.jpg")},
      {9230000, 9309999, QStringLiteral("Libra"), QStringLiteral("libra.jpg")},
      {10010000, 10229999, QStringLiteral("Libra"), QStringLiteral("libra.jpg")},
      {10230000, 10319999, QStringLiteral("Scorpio"), QStringLiteral("scorpio.jpg")},
      {11010000, 11219999, QStringLiteral("Scorpio"), QStringLiteral("scorpio.jpg")},
      {11220000, 11309999, QStringLiteral("Sagittarius"), QStringLiteral("sagittarius.jpg")},
      {12010000, 12219999, QStringLiteral("Sagittarius"), QStringLiteral("sagittarius.jpg")},
      {12220000, 12319999, QStringLiteral("Capricorn"), QStringLiteral("capricorn.jpg")},
  }};
  return rows;
}

float DateNumber(const QString& dateText) {
  // The whole text must be a number (blanks around it, a sign, a fraction and an
  // exponent are allowed); "0806abcd" or "086 1979" read as 0.
  bool ok = false;
  const float value = dateText.toFloat(&ok);
  return ok ? value : 0.0f;
}

std::optional<ZodiacRow> ZodiacSignOf(const QString& dateText) {
  const float value = DateNumber(dateText);
  if (!std::isfinite(value) || value != std::floor(value)) return std::nullopt;
  for (const ZodiacRow& row : ZodiacRanges()) {
    if (value >= static_cast<float>(row.first) && value <= static_cast<float>(row.last)) return row;
  }
  return std::nullopt;
}

QStringList PictureFileNames() {
  QStringList names;
  for (const auto& row : attributeTable()) names << row.picture;
  for (const auto& row : ZodiacRanges()) {
    if (!names.contains(row.picture)) names << row.picture;
  }
  return names;
}

QString PicturePath(const QString& fileName) {
  return QDir(platform::ProgramFolder()).filePath(QStringLiteral("pu/") + fileName);
}
}  // namespace modNumerologySoftware


namespace modNumerologySoftware {
QString SiteRootAddress() { return SiteAddress; }
QString DonationPageAddress() { return SiteAddress + QStringLiteral("/donate.html"); }
QString HelpPageAddress() {
  return SiteAddress + QStringLiteral("/qz-free-numerology-software/qz-free-numerology-software-help.html");
}
void OpenWebPage(const QString& address) { platform::ShellOpen(address); }
}  // namespace modNumerologySoftware
