#include "ui/SpellService.h"

#include <QCoreApplication>
#include <QTimer>
#include <mutex>
#include <thread>

#include "spell/SpellChecker.h"

namespace orv {

// What one reading of the dictionary is for, and whether anyone still wants its result. The reading
// thread is left to finish by itself: a program that ends meanwhile does not wait for it.
struct CSpellService::SLoad {
  SDictionaryFiles files;
  std::string personalList;
  std::mutex mutex;
  bool wanted = true;
};

CSpellService& CSpellService::Instance() {
  static CSpellService* instance = [] {
    auto* service = new CSpellService;
    service->setParent(QCoreApplication::instance());
    return service;
  }();
  return *instance;
}

CSpellService::~CSpellService() {
  if (!m_Load) return;
  std::lock_guard lock(m_Load->mutex);
  m_Load->wanted = false;
}

std::optional<std::string> CSpellService::Unavailable() const {
  return CSpellChecker::Unavailable();
}

void CSpellService::Load(QObject* context, std::function<void()> ready, int delayMs) {
  const std::optional<SDictionaryFiles> files = FindCzechDictionary();
  if (!files) return;
  const std::string personalList = PersonalWordListPath();
  if (m_Load && m_Load->files.aff == files->aff && m_Load->personalList == personalList) {
    if (m_Checker)
      ready();
    else
      m_Waiting.emplace_back(context, std::move(ready));
    return;
  }
  // Another dictionary or word list (the user's data moved): the old checker goes at once.
  if (m_Load) {
    std::lock_guard lock(m_Load->mutex);
    m_Load->wanted = false;
  }
  m_Checker.reset();
  m_Waiting.clear();
  m_Waiting.emplace_back(context, std::move(ready));
  auto load = std::make_shared<SLoad>();
  load->files = *files;
  load->personalList = personalList;
  m_Load = load;
  QTimer::singleShot(delayMs, this, [this, load] {
    if (load != m_Load) return;
    std::thread([this, load] {
      std::string failure;
      std::shared_ptr<CSpellChecker> checker = CSpellChecker::Open(load->files, load->personalList, failure);
      std::lock_guard lock(load->mutex);
      if (load->wanted && checker)
        QMetaObject::invokeMethod(
            this, [this, load, checker] { Loaded(load, checker); }, Qt::QueuedConnection);
    }).detach();
  });
}

void CSpellService::Loaded(const std::shared_ptr<SLoad>& load, std::shared_ptr<CSpellChecker> checker) {
  if (load != m_Load) return;
  m_Checker = std::move(checker);
  const auto waiting = std::move(m_Waiting);
  m_Waiting.clear();
  for (const auto& [context, ready] : waiting)
    if (context) ready();
}

}  // namespace orv
