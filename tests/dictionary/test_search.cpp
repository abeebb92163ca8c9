// The keyword searches over the rows.
#include <gtest/gtest.h>

#include "dictionary/core/dictionary_search.h"

using namespace dictionary;

namespace {
const QList<DictionaryRow> kRows = {
    {"Life Path", "a", ""}, {"lifetime", "b", ""}, {"Half-life", "c", ""}, {"Li", "d", ""},
    {"", "e", ""},          {"Abc", "f", ""},      {"ABACUS", "g", ""},    {"life ", "h", ""},
};

QStringList lowerKeys() {
  QStringList keys;
  for (const auto& row : kRows) keys.append(LowerText(row.Key));
  return keys;
}

struct SearchCase {
  const char* box;
  QStringList expected;
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << '"' << c.box << '"'; }

class ExactSearch : public ::testing::TestWithParam<SearchCase> {};
TEST_P(ExactSearch, ListsKeysBeginningWithTheTrimmedTerm) {
  const SearchCase& c = GetParam();
  EXPECT_EQ(ExactKeys(kRows, lowerKeys(), SearchTerm(QString::fromUtf8(c.box))), c.expected) << c.box;
}
INSTANTIATE_TEST_SUITE_P(
    Table, ExactSearch,
    ::testing::Values(
        SearchCase{"life", {"Life Path", "lifetime", "life "}},  // any case; not Half-life
        SearchCase{"  LIFE  ", {"Life Path", "lifetime", "life "}},  // the term is trimmed
        SearchCase{"lifetimes", {}},                                  // a shorter key never matches
        SearchCase{"   ", {"Life Path", "lifetime", "Half-life", "Li", "", "Abc", "ABACUS", "life "}},
        SearchCase{"life*", {}},  // no wildcards in exact mode
        SearchCase{"aba", {"ABACUS"}}));

class WildcardSearch : public ::testing::TestWithParam<SearchCase> {};
TEST_P(WildcardSearch, ListsKeysHoldingThePattern) {
  const SearchCase& c = GetParam();
  EXPECT_EQ(WildcardKeys(kRows, lowerKeys(), SearchPattern(QString::fromUtf8(c.box))), c.expected) << c.box;
}
INSTANTIATE_TEST_SUITE_P(
    Table, WildcardSearch,
    ::testing::Values(
        SearchCase{"*", {"Life Path", "lifetime", "Half-life", "Li", "Abc", "ABACUS", "life "}},  // not ""
        SearchCase{"Ab*c", {"Abc"}},             // asterisks stand for nothing
        SearchCase{"*LIFE*", {"Life Path", "lifetime", "Half-life", "life "}},
        SearchCase{" life", {}},                 // a leading blank stays in the pattern
        SearchCase{"life ", {"Life Path", "life "}},
        SearchCase{"li*th", {}},                 // no glob: "lith" is not in "life path"
        SearchCase{"cus", {"ABACUS"}}));

TEST(DictionarySearch, WholeMatchTakesTheFirstRowInAnyCase) {
  const QList<DictionaryRow> rows = {{"Destiny", "first", ""}, {"DESTINY", "second", ""}, {"key ", "k", ""}};
  QStringList lower;
  for (const auto& row : rows) lower.append(LowerText(row.Key));
  EXPECT_EQ(FindLink(rows, lower, "destiny"), QString("first"));
  EXPECT_EQ(FindLink(rows, lower, "DeStInY"), QString("first"));
  EXPECT_FALSE(FindLink(rows, lower, "key"));  // a key stored with a trailing blank
  EXPECT_FALSE(FindLink(rows, lower, "dest"));
}

TEST(DictionarySearch, StripWildcardsAndLowerCase) {
  EXPECT_EQ(StripWildcards("*"), "");
  EXPECT_EQ(StripWildcards("**a*b**"), "ab");
  EXPECT_EQ(StripWildcards("plain text"), "plain text");
  EXPECT_EQ(StripWildcards(""), "");
  // One character at a time: the text keeps its length.
  EXPECT_EQ(LowerText(QString::fromUtf8("\u0130stanbul")).size(), 8);
  EXPECT_EQ(LowerText("ÄBC Straße"), QString::fromUtf8("äbc straße"));
  // Trimming removes blanks only.
  EXPECT_EQ(SearchTerm("\tLife "), "\tlife");
}
}  // namespace
