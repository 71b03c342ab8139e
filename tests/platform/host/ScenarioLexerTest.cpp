#include <gtest/gtest.h>

#include "host/CScenarioLexer.h"

namespace {

struct LexCase {
  const char* line;
  std::vector<const char*> words;  // "=text" marks a quoted word, "@NAME" a key word
};

std::vector<std::string> Describe(const std::vector<CScenarioWord>& words) {
  std::vector<std::string> r;
  for (const CScenarioWord& w : words) {
    if (w.IsKey()) r.push_back("@" + w.m_strKey.str());
    else r.push_back((w.m_bQuoted ? "=" : "") + w.m_strText.str());
  }
  return r;
}

TEST(ScenarioLexer, SplitsWordsQuotesCommentsAndKeys) {
  const LexCase cases[] = {
      {"", {}},
      {"   \t ", {}},
      {"# a comment", {}},
      {"echo a  b\tc", {"echo", "a", "b", "c"}},
      {"echo a # the rest is a comment \"unterminated", {"echo", "a"}},
      {"echo a#b", {"echo", "a#b"}},
      {"choose 1001 #3", {"choose", "1001", "#3"}},
      {"choose 1001 #3x", {"choose", "1001"}},
      {"echo \"two words\" \"#not a comment\"", {"echo", "=two words", "=#not a comment"}},
      {"echo \"\"", {"echo", "="}},
      {"echo \"q\\\"b\\\\s\\tt\\nn\"", {"echo", "=q\"b\\s\tt\nn"}},
      {"echo key:IDS_A_d \"key:IDS_B\"", {"echo", "@IDS_A_d", "=key:IDS_B"}},
      {"echo 层 \"楼 层\"", {"echo", "层", "=楼 层"}},
      {"echo x\r", {"echo", "x"}},
  };
  for (const LexCase& c : cases) {
    std::vector<CScenarioWord> words;
    CString error;
    ASSERT_TRUE(CScenarioLexer::Split(c.line, words, error)) << c.line << ": " << error.str();
    std::vector<std::string> want(c.words.begin(), c.words.end());
    EXPECT_EQ(Describe(words), want) << c.line;
  }
}

TEST(ScenarioLexer, RefusesBadQuotingAndBadText) {
  const char* bad[] = {
      "echo \"abc",        // unterminated
      "echo \"abc\\\"",    // the only quote is escaped
      "echo \"a\\qb\"",    // unknown escape
      "echo \"a\"b",       // text after the closing quote
      "echo a\"b\"",       // quote inside a word
      "echo key:",         // key without a name
      "echo \xC3\x28",     // broken UTF-8
      "echo \xED\xA0\x80", // a surrogate
      "echo \xE6\xA5",     // truncated sequence
  };
  for (const char* line : bad) {
    std::vector<CScenarioWord> words;
    CString error;
    EXPECT_FALSE(CScenarioLexer::Split(line, words, error)) << line;
    EXPECT_FALSE(error.IsEmpty()) << line;
  }
}

TEST(ScenarioLexer, QuoteRoundTripsThroughSplit) {
  const char* texts[] = {"", "plain", "two words", "#hash", "q\"b\\s\tt\nn", "楼层 1"};
  for (const char* t : texts) {
    std::vector<CScenarioWord> words;
    CString error;
    ASSERT_TRUE(CScenarioLexer::Split(CScenarioLexer::Quote(t), words, error)) << t;
    ASSERT_EQ(words.size(), 1u);
    EXPECT_EQ(words[0].m_strText, t);
  }
}

TEST(ScenarioLexer, IndexWords) {
  std::vector<CScenarioWord> words;
  CString error;
  ASSERT_TRUE(CScenarioLexer::Split("choose 5 #12 \"#3\"", words, error));
  int n = -1;
  EXPECT_TRUE(words[2].IsIndex(n));
  EXPECT_EQ(n, 12);
  EXPECT_FALSE(words[3].IsIndex(n));  // a quoted "#3" is a text
  EXPECT_FALSE(words[1].IsIndex(n));
}

}  // namespace

namespace {

TEST(ScenarioLexer, CodeLengthEndsWhereTheCommentStarts) {
  const struct {
    const char* line;
    int code;
  } cases[] = {{"echo a # c", 7}, {"echo \"# q\" #3 # c", 14}, {"echo a", 6}, {"# all", 0}};
  for (const auto& c : cases) {
    std::vector<CScenarioWord> words;
    CString error;
    int code = -1;
    ASSERT_TRUE(CScenarioLexer::Split(c.line, words, error, &code)) << c.line;
    EXPECT_EQ(code, c.code) << c.line;
  }
}

}  // namespace
