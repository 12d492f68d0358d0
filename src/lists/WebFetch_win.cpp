#include "lists/WebFetch_win.h"

#include <exception>
#include <utility>

#include "base/ProgramNames.h"
#include "lists/DateListIO.h"
#include "lists/ListTextFormat.h"

namespace {
// The worker's own block: it lives as long as the thread, whatever becomes
// of the window that started it.
struct FetchJob {
  HWND window;
  UINT message;
  WebFetchRequest request;
  std::shared_ptr<WebFetchProgress> progress;
};

DWORD WINAPI RunFetch(void* parameter) {
  std::unique_ptr<FetchJob> job(static_cast<FetchJob*>(parameter));
  try {
    auto result = std::make_unique<WebFetchResult>();
    result->request = job->request;
    {
      CInternetSession session(kWebAgentName, job->request.timeoutMs);
      result->answer = session.Fetch(job->request.location, job->request.etag, job->request.lastModified,
                                     job->progress.get());
    }
    // Parsed here: a large list would hold the window for seconds.
    if (result->answer.outcome == WebAnswer::Read && !job->progress->cancelled) {
      result->records = ParseListText(result->answer.text, job->request.kind);
      const ListTextFormat* calendar = RegisteredListTextFormat();
      if (calendar != nullptr && calendar->refreshSeconds != nullptr && calendar->isOfKind(result->answer.text))
        result->feedSeconds = calendar->refreshSeconds(result->answer.text);
    }
    if (job->progress->cancelled) return 0;
    if (PostMessageA(job->window, job->message, 0, reinterpret_cast<LPARAM>(result.get()))) result.release();
  } catch (const std::exception&) {
    // Out of memory: the window's watchdog ends the fetch as unreadable.
  }
  return 0;
}
}  // namespace

HANDLE StartWebFetch(HWND window, UINT message, WebFetchRequest request,
                     std::shared_ptr<WebFetchProgress> progress) {
  auto job = std::make_unique<FetchJob>(FetchJob{window, message, std::move(request), std::move(progress)});
  HANDLE thread = CreateThread(nullptr, 0, RunFetch, job.get(), 0, nullptr);
  if (thread != nullptr) job.release();  // the worker owns it now
  return thread;
}
