// Any bytes given to the scenario reader parse or fail cleanly with a reason and a line;
// a line that splits into words splits into the same words again once every word is
// written back quoted.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/CHostStrings.h"
#include "host/CScenarioLexer.h"
#include "host/CScenarioRunner.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  std::string first = text.substr(0, text.find('\n'));

  std::vector<CScenarioWord> words;
  CString error;
  if (CScenarioLexer::Split(CString(first), words, error)) {
    CString again;
    for (const CScenarioWord& w : words) again += CScenarioLexer::Quote(w.m_strText) + " ";
    std::vector<CScenarioWord> words2;
    if (!CScenarioLexer::Split(again, words2, error) || words2.size() != words.size()) std::abort();
    for (size_t i = 0; i < words.size(); ++i)
      if (words2[i].m_strText != words[i].m_strText) std::abort();
  } else if (error.IsEmpty()) {
    std::abort();
  }

  CHostStrings strings;
  CScenarioBlock lines;
  CScenarioStatus s = CScenarioRunner::Parse("fuzz", CString(text), strings, lines);
  if (!s.IsOk() && (s.GetText().IsEmpty() || s.m_nLine <= 0)) std::abort();
  return 0;
}
