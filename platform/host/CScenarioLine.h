// One parsed line of a scenario: where it stands, its words, the command it names and,
// for a block command (`modal NAME` ... `end`), the lines of its block.
#pragma once
#include <vector>
#include "afx/CString.h"
#include "host/CScenarioLexer.h"

struct CScenarioCommand;

struct CScenarioLine {
  CString m_strFile;
  int m_nLine = 0;
  CString m_strText;                     // the line as written, without comment and blanks
                                         // around it
  std::vector<CScenarioWord> m_words;    // every word, key: words resolved
  const CScenarioCommand* m_pCommand = nullptr;
  int m_nNameWords = 0;                  // how many leading words name the command
  std::vector<CScenarioLine> m_block;    // the lines up to the matching `end`
};
typedef std::vector<CScenarioLine> CScenarioBlock;
