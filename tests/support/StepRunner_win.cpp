#include "support/StepRunner_win.h"

namespace script {

StepRunner::StepRunner(std::vector<Step> steps, UINT intervalMs, int maxTries)
    : m_steps(steps.begin(), steps.end()), m_maxTries(maxTries) {
  Current() = this;
  m_timer = SetTimer(nullptr, 0, intervalMs, &Tick);
}

StepRunner::~StepRunner() {
  KillTimer(nullptr, m_timer);
  if (Current() == this) Current() = nullptr;
}

StepRunner*& StepRunner::Current() {
  static StepRunner* runner = nullptr;
  return runner;
}

void CALLBACK StepRunner::Tick(HWND, UINT, UINT_PTR id, DWORD) {
  StepRunner* self = Current();
  if (self == nullptr || id != self->m_timer || self->m_inStep || self->m_steps.empty()) return;
  Step step = self->m_steps.front();
  self->m_inStep = true;
  const bool done = step();
  self->m_inStep = false;
  if (done || ++self->m_tries > self->m_maxTries) {
    if (!self->m_steps.empty()) self->m_steps.pop_front();
    self->m_tries = 0;
  }
}

}  // namespace script
