// A second thread for one run. The engine's work is mostly a chain, but
// two kinds of it stand apart: the parts of a load-transfer solution (the
// assumed tip movements are independent) and the formatting of finished
// results (a diameter's plot block, its part of the results file). The
// worker takes those, so a run uses a second core where there is one.
//
// The thread starts with the first piece of work, not before. On a single
// core, or when it cannot be started, every piece runs on the calling
// thread, in the same order, so the outcome never depends on the worker.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace bormek {

class SideWorker {
 public:
  using Job = std::function<void()>;
  using Part = std::function<void(int)>;

  SideWorker() = default;
  SideWorker(const SideWorker&) = delete;
  SideWorker& operator=(const SideWorker&) = delete;
  // Runs what is still queued, then stops the thread.
  ~SideWorker();

  // Runs part(0) to part(count - 1), each once, on the calling thread and on
  // the worker when it is free: each takes the next part nobody has taken,
  // so the parts need not take equally long. Returns when all have run; an
  // exception of any is rethrown here.
  void shareParts(int count, const Part& part);

  // Queues a job that runs after those posted before it, one at a time.
  void post(Job job);
  // Queues a job that may run at any time, beside any other.
  void postAnyOrder(Job job);

  // Returns once every queued job has run, and runs some of them itself
  // meanwhile; rethrows the first exception a job threw.
  void finish();

 private:
  bool started();
  void serve();
  // With the lock held: runs a part or a queued job, if one can be taken.
  bool runOfferedPart(std::unique_lock<std::mutex>& lock);
  bool runQueuedJob(std::unique_lock<std::mutex>& lock);
  bool jobsDone() const;
  void enqueue(std::deque<Job>& queue, Job job);
  // With the lock held: the number of the next part, or -1 when all are taken.
  int takePart();
  void updateOffered();

  std::mutex mutex_;
  std::condition_variable workArrived_;
  std::condition_variable workDone_;
  // Set while a part or a job can be taken: lets the worker spin on it
  // unlocked.
  std::atomic<bool> offered_{false};

  std::deque<Job> inOrder_;
  bool inOrderRunning_ = false;
  std::deque<Job> anyOrder_;
  int anyOrderRunning_ = 0;
  std::exception_ptr jobFailure_;

  const Part* parts_ = nullptr;  // offered by shareParts()
  int partCount_ = 0;
  int nextPart_ = 0;
  std::atomic<bool> workerOnPart_{false};
  std::exception_ptr partFailure_;

  std::atomic<bool> stopping_{false};
  bool alone_ = false;  // no thread: everything runs on the caller's
  std::thread thread_;
};

}  // namespace bormek
