#pragma once
// A script of steps played inside a modal run (a sheet's or a dialog's
// message loop), one per tick of a thread timer, as a user's actions would
// arrive.
#include <windows.h>

#include <deque>
#include <functional>
#include <vector>

namespace script {

// A step answers true when done; false plays it again at the next tick.
using Step = std::function<bool()>;

// Plays its steps while it lives; one runner at a time. A step still not
// done after `maxTries` ticks is given up, so that no test hangs. A tick
// that comes while a step runs (inside a loop the step started) waits.
class StepRunner {
 public:
  StepRunner(std::vector<Step> steps, UINT intervalMs, int maxTries = 200);
  ~StepRunner();
  StepRunner(const StepRunner&) = delete;
  StepRunner& operator=(const StepRunner&) = delete;

  bool Finished() const { return m_steps.empty(); }

 private:
  static StepRunner*& Current();
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);

  std::deque<Step> m_steps;
  int m_maxTries;
  int m_tries = 0;
  bool m_inStep = false;
  UINT_PTR m_timer = 0;
};

}  // namespace script
