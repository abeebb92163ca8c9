// The interpretation texts of the Kabbalah numbers.
#include "kabbalah/core/kabbalah_numbers.h"

namespace kabbalah {
const QString LuckyNumberText =
    QStringLiteral("This number can be used to your benefit to gain more than normal from an ordinary.");

const QString LuckyColorText = QStringLiteral(
    "Wear your lucky color and have a better day. Your lucky color is derived from your personal number, "
    "the value of your first name, and it vibrates in harmony with it. Wearing it, or keeping it around you "
    "at home and at work, has a positive effect on your lifestyle: it lifts your mood, steadies your "
    "confidence and draws favourable circumstances towards you, above all on days that matter to you.");

const QString NoInterpretationText = QStringLiteral("No interpretation is available for this number.");

namespace {
const char* const kMoneyTexts[22] = {
    // 1
    "Money comes to you from several sources at once. Intellectual work, travel, transport and mechanical "
    "affairs are all likely channels of income, and your adaptable nature lets you turn each opening to "
    "account. Take care not to fritter your gains away on passing wishes, and read every financial paper "
    "carefully before you sign it.",
    // 2
    "You spend freely, yet you are never mean, and you like to weigh your income against your expenses so "
    "that the balance stays in your favour. Extra income can come through writing and through your "
    "knowledge of accounts and figures. Be careful with criticism: finding fault with others upsets your "
    "partners and can cost you their support in money matters.",
    // 3
    "Every opportunity you meet seems to carry a financial interest for you. You love luxury and comfort and "
    "would like money to flow in without effort. This wish can lead you to rely on others too easily; your "
    "finances grow best when you keep the reins in your own hands.",
    // 4
    "You work hard and long for your money, and you are well suited to business and to the professions, "
    "where steady effort is rewarded. The urge to spend must be kept under control, or obligations and "
    "debts pile up faster than your earnings.",
    // 5
    "Five is a lucky money number. Gains and good fortune follow you through life, and you do well in "
    "speculation and investment. An inheritance of property is indicated. Restrain the wish to over-invest: "
    "keep part of your gains safe so that your luck has a firm foundation.",
    // 6
    "Money comes to you with little effort. Avoid speculation and gambling, which do not favour you; your "
    "gains come instead from stocks, from co-operation and partnership, and through marriage. Choose your "
    "partners with care, because a wrong partner can cost you dearly.",
    // 7
    "Your finances are reasonably progressive, and at times you gain by sheer luck. Income and expense "
    "fluctuate, so use your common sense and keep a reserve for the leaner periods. Small, well-judged "
    "risks are worth taking: \"No risk, No gain!\"",
    // 8
    "Money is of prime importance to you, both for security and for the things you wish to buy. You "
    "regulate your spending well and are sometimes over-cautious. Your gains come from business and from "
    "positions of responsibility, where your sense of order is valued.",
    // 9
    "Your hopes and desires are closely tied to money. Once your gains are made you turn readily to social "
    "duties and to helping others. Use forethought before you enter any agreement, and favour constructive "
    "investment over speculation.",
    // 10
    "Sudden gains and sudden losses mark your finances, brought by changes of work, by speculation or by "
    "gambling. Your originality brings you more gains than routine work does. Beware of upsets in "
    "partnership; you also have chances in lotteries and prize draws.",
    // 11
    "Eleven is a peculiar number in money matters. You take the long view and have a gift for influencing "
    "people in your dealings. Guard yourself against deception, trickery and theft: check the people you "
    "deal with and keep your valuables secure.",
    // 12
    "Your income and expenses fluctuate, with periods of real luck between them. Safeguard your financial "
    "interests and keep good records. You benefit through the goodwill of others and through your "
    "associates, but resist offers of quick and easy money.",
    // 13
    "Every opportunity you meet seems to carry a financial interest for you. You love luxury and comfort and "
    "would like money to flow in without effort. Lasting security, however, needs an honest partner at your "
    "side: with one you can build what you could not hold alone.",
    // 14
    "You benefit through the artistic life: music, painting, sculpture and entertainment can all bring you "
    "income. With money itself you are practical and honest, and you build reserves steadily over the "
    "years.",
    // 15
    "Money comes to you through practical planning. Your superiors may take your ideas as their own, so "
    "make your contributions known. Positions of responsibility help you, and thrift builds your reserves; "
    "delays in payment are the main cause of worry.",
    // 16
    "You work hard for your money, but saving does not come easily, and obligations claim much of what you "
    "earn. The way your marriage partner handles money matters a great deal to your finances, so agree "
    "together on how to spend and save.",
    // 17
    "Money comes to you from more than one source, and an auxiliary income beside your main work is "
    "favoured. Your finances fluctuate, and your many ideas can be turned to profit. Take care with "
    "financial agreements and read their terms closely.",
    // 18
    "You bring imagination to money matters and you hold on to what you earn. Family matters steer many of "
    "your decisions, and you benefit through property and inheritance. Family disputes, on the other hand, "
    "can harm your finances: settle them early.",
    // 19
    "You are ambitious and lucky with money. You seek large incomes and scorn petty ones, and as a good "
    "organiser you can manage large affairs. Speculation attracts you, but it carries a risk of loss; keep "
    "it within limits.",
    // 20
    "You are helpful to others, and your personal initiative is the key to your money making. You benefit "
    "through your home and family, and through inheritance and legacies.",
    // 21
    "Twenty-one is a fortunate number. You benefit through your own initiative, through enterprises you "
    "start, and through influential supporters. You have a flair for investment; use forethought when you "
    "speculate.",
    // 22
    "Twenty-two is somewhat contrary in money matters, and fluctuations affect your business. You have a "
    "good sense of the value of money; never speculate. Children and young people favour your finances.",
};

const char* const kHealthTexts[22] = {
    // 1
    "Your health is good as long as you stay free of mental strain and worry. Your nervous system is "
    "sensitive and reacts first when you are under pressure. A cheerful outlook, rest and variety keep you "
    "well.",
    // 2
    "You have a neat, compact body. This number rules the digestion and the bowels: colic, intestinal "
    "disorders and fevers are the ailments to watch. Your diet and the climate you live in matter a great "
    "deal to your wellbeing.",
    // 3
    "Emotional disturbance lowers your vitality, but your powers of recovery are good. This number rules "
    "the lumbar region, the skin and the kidneys; jaundice, diabetes and catarrhal colds are the ailments to "
    "guard against.",
    // 4
    "You enjoy good health as long as your habits stay normal and regular. This number rules the pelvis, "
    "the kidneys, the bladder and the excretory system; stone, appendicitis and hernia are possible. Beware "
    "of infection and keep cuts and wounds clean.",
    // 5
    "Your health is good when you use forethought. Take care with food and drink, for your appetite is "
    "good and obesity is a risk, as are boils. Your powers of recovery are strong.",
    // 6
    "Emotional upsets act quickly on your body, yet this number is a favourable one for health. It rules "
    "the eyes and the kidneys. Harmony at home and good relationships are the best way to preserve your "
    "health.",
    // 7
    "You have a strong, wiry body, but over-activity can deplete your reserves. Balance work, exercise and "
    "rest. Watch the condition of your blood, and take care against accidents in travel and in sport.",
    // 8
    "Number eight does not give a very strong body, and the early years can be weak. Colds, rheumatism and "
    "asthma are the ailments to watch. This number rules the bones, the joints, the knees and the skin; take "
    "care against falls.",
    // 9
    "You have a fairly strong body. Keep your blood pure and flowing freely through exercise and a sound "
    "diet. This number rules the legs, the ankles and the eyes; varicose veins are the ailment to guard "
    "against.",
    // 10
    "Your nervous system governs your health. Feverish and internal ailments, stone, appendicitis and "
    "hernia are possible, and the heart, the throat and the back need care.",
    // 11
    "Eleven is a peculiar, psychic number. The ailments it brings are psychic and emotional ones, and a "
    "vivid imagination can mistake small aches for disease. Avoid addictions of every kind, and look after "
    "your peace of mind.",
    // 12
    "This number is not favourable for health. Colds and neglect of small complaints, falls and broken leg "
    "bones, and rheumatic knees are the dangers. Yet you have a strong grip on life, and a long life is "
    "indicated.",
    // 13
    "You have a strong body and plenty of life force. Your appetite is good, so watch the risk of obesity "
    "and of boils.",
    // 14
    "Your health is good as long as you avoid extremes. This is the strongest physical sign. It rules the "
    "spine, the back, the heart and the blood; excitement and overwork strain the heart.",
    // 15: the text of 12
    nullptr,
    // 16
    "You have a strong, muscular body. Fevers are possible in hot countries. Cuts to the head and face are "
    "indicated, so take care with machines and knives; a taste for taking risks can lead to accidents.",
    // 17
    "You have a fairly strong body, but over-activity strains the heart. This number rules the arms, the "
    "shoulders, the hands and the lungs; asthma, bronchitis and nervous disorders are the ailments to watch.",
    // 18: the text of 8
    nullptr,
    // 19
    "You have a well-formed body. This number rules the spine, the back, the heart and the blood. Feverish "
    "disorders are possible, and excitement strains the heart.",
    // 20
    "This number rules the stomach, the abdomen, the breast and the womb. Cleanliness is essential to your "
    "health. Your health improves in the later years, and longevity is indicated.",
    // 21
    "You are extremely strong and full of vitality. The heart and the circulation need attention, and "
    "infections are possible in youth. Moderate sport keeps your strength up to the age of 65 and beyond.",
    // 22
    "The body is weak in the early years and grows stronger with age. The season of your birth matters to "
    "your constitution. Happiness is the best medicine for you: it keeps you in health.",
};
}  // namespace

QString MoneyText(int number) {
  if (number < 1 || number > 22) return {};
  return QString::fromUtf8(kMoneyTexts[number - 1]);
}

QString HealthText(int number) {
  if (number < 1 || number > 22) return {};
  if (number == 15) number = 12;
  if (number == 18) number = 8;
  return QString::fromUtf8(kHealthTexts[number - 1]);
}
}  // namespace kabbalah
