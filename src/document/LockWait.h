#pragma once
// What the user sees while opening or saving waits for another program (orv) to release the
// calendar's file: the wait cursor from the first pause, and after a moment a status text. The text
// is passed on at every pause, so that the window can show it and keep painting; both end with the
// wait.
//
//   CLockWaitFeedback feedback(ui, onStatus);
//   file.Open(path, kLockWait, feedback.Round());

#include <chrono>
#include <functional>
#include <string_view>

#include "document/LockedFile.h"

namespace orv {

class IUiServices;

inline constexpr char kLockWaitText[] = "Čekám, až jiný program uvolní soubor ...";
// Shorter waits pass unnoticed; a frozen window is noticed after about this long.
inline constexpr std::chrono::milliseconds kLockWaitNotice{300};

// Shows a text about the wait (the status bar); an empty text takes it away.
using LockWaitStatus = std::function<void(std::string_view text)>;

class CLockWaitFeedback {
 public:
  CLockWaitFeedback(IUiServices& ui, const LockWaitStatus& status) : m_Ui(ui), m_Status(status) {}
  ~CLockWaitFeedback();
  CLockWaitFeedback(const CLockWaitFeedback&) = delete;
  CLockWaitFeedback& operator=(const CLockWaitFeedback&) = delete;

  // The pause callback for CLockedFile::Open; valid while this object lives.
  LockWaitRound Round();

 private:
  IUiServices& m_Ui;
  const LockWaitStatus& m_Status;
  bool m_bWaiting = false;
  bool m_bShown = false;
};

}  // namespace orv
