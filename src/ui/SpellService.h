#pragma once
// CSpellService: the one spell checker of the program, shared by every window. The dictionary is read
// on a thread of its own (it takes a tenth of a second or more), so the window starts without
// waiting; until it is there nothing is underlined.
//
//   CSpellService& spelling = CSpellService::Instance();
//   if (!spelling.Unavailable()) spelling.Load(window, [] { /* highlight again */ }, 300);
//   if (CSpellChecker* checker = spelling.Checker()) ...

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "spell/SpellDictionary.h"

namespace orv {

class CSpellChecker;

class CSpellService : public QObject {
 public:
  // Lives as long as the application object.
  static CSpellService& Instance();
  ~CSpellService() override;

  // Why spell checking cannot be had (in Czech, naming the package to install), or nullopt.
  std::optional<std::string> Unavailable() const;
  // Null until the dictionary has been read, or when it could not be.
  CSpellChecker* Checker() const { return m_Checker.get(); }
  // Reads the dictionary, `delayMs` from now, unless it is read (or being read) for the same dictionary
  // and personal word list already; `ready` runs on this thread once the checker is there, unless
  // `context` is gone.
  void Load(QObject* context, std::function<void()> ready, int delayMs = 0);

 private:
  struct SLoad;
  CSpellService() = default;
  void Loaded(const std::shared_ptr<SLoad>& load, std::shared_ptr<CSpellChecker> checker);

  std::shared_ptr<CSpellChecker> m_Checker;
  std::shared_ptr<SLoad> m_Load;  // the reading under way or done
  std::vector<std::pair<QPointer<QObject>, std::function<void()>>> m_Waiting;
};

}  // namespace orv
