#include "app/TerminationSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace orv {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
int g_Pipe[2] = {-1, -1};

// Only async-signal-safe work here: one byte into the pipe, errno as it was.
void OnSignal(int signal) {
  const int saved = errno;
  const unsigned char number = static_cast<unsigned char>(signal);
  [[maybe_unused]] const ssize_t written = ::write(g_Pipe[1], &number, 1);
  errno = saved;
}

void SetAction(int signal, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(signal, &action, nullptr);
}

}  // namespace

CTerminationSignals::CTerminationSignals(std::function<void()> beforeExit)
    : m_BeforeExit(std::move(beforeExit)) {
  if (::pipe2(g_Pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;  // the signals keep their default action
  m_Notifier = new QSocketNotifier(g_Pipe[0], QSocketNotifier::Read, this);
  QObject::connect(m_Notifier, &QSocketNotifier::activated, this, [this] { Received(); });
  for (int signal : kSignals) SetAction(signal, OnSignal);
}

CTerminationSignals::~CTerminationSignals() {
  if (!m_Notifier) return;
  for (int signal : kSignals) SetAction(signal, SIG_DFL);
  ::close(g_Pipe[0]);
  ::close(g_Pipe[1]);
  g_Pipe[0] = g_Pipe[1] = -1;
}

void CTerminationSignals::Received() {
  unsigned char number = 0;
  if (::read(g_Pipe[0], &number, 1) != 1) return;
  m_Notifier->setEnabled(false);
  if (m_BeforeExit) m_BeforeExit();
  SetAction(number, SIG_DFL);
  ::raise(number);
}

}  // namespace orv
