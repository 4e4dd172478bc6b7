#include "parallel/side_worker.h"

#include <chrono>
#include <system_error>
#include <utility>

namespace bormek {
namespace {

// Work handed over usually comes within microseconds, far sooner than a
// sleeping thread wakes: each side spins this long before it sleeps.
constexpr auto kSpinTime = std::chrono::microseconds(200);

template <typename Ready>
void spinUntil(const Ready& ready) {
  const auto until = std::chrono::steady_clock::now() + kSpinTime;
  while (!ready() && std::chrono::steady_clock::now() < until) {
    std::this_thread::yield();
  }
}

// Runs a piece of work and hands back what it threw, so that nothing
// escapes the worker's thread.
template <typename Work>
std::exception_ptr failureOf(const Work& work) {
  try {
    work();
  } catch (...) {
    return std::current_exception();
  }
  return nullptr;
}

}  // namespace

SideWorker::~SideWorker() {
  {
    const std::lock_guard lock(mutex_);
    stopping_.store(true, std::memory_order_release);
  }
  workArrived_.notify_all();
  if (thread_.joinable()) {
    thread_.join();
  }
}

bool SideWorker::started() {
  if (thread_.joinable()) {
    return true;
  }
  if (alone_) {
    return false;
  }
  // On a single core the two threads would only take turns, and spin
  // while they wait for each other.
  alone_ = std::thread::hardware_concurrency() < 2;
  if (!alone_) {
    try {
      thread_ = std::thread([this] { serve(); });
    } catch (const std::system_error&) {
      alone_ = true;
    }
  }
  return !alone_;
}

void SideWorker::serve() {
  std::unique_lock lock(mutex_);
  for (;;) {
    if (runOfferedPart(lock) || runQueuedJob(lock)) {
      continue;
    }
    if (stopping_ && inOrder_.empty() && anyOrder_.empty()) {
      return;
    }
    lock.unlock();
    spinUntil([this] {
      return offered_.load(std::memory_order_acquire) || stopping_.load(std::memory_order_acquire);
    });
    lock.lock();
    workArrived_.wait(lock, [this] { return offered_ || stopping_; });
  }
}

void SideWorker::updateOffered() {
  const bool part = parts_ != nullptr && nextPart_ < partCount_;
  const bool job = (!inOrder_.empty() && !inOrderRunning_) || !anyOrder_.empty();
  offered_.store(part || job, std::memory_order_release);
}

bool SideWorker::jobsDone() const {
  return inOrder_.empty() && anyOrder_.empty() && !inOrderRunning_ && anyOrderRunning_ == 0;
}

int SideWorker::takePart() {
  if (parts_ == nullptr || nextPart_ >= partCount_) {
    return -1;
  }
  const int part = nextPart_++;
  updateOffered();
  return part;
}

bool SideWorker::runOfferedPart(std::unique_lock<std::mutex>& lock) {
  const int part = takePart();
  if (part < 0) {
    return false;
  }
  const Part& run = *parts_;
  workerOnPart_ = true;
  lock.unlock();
  std::exception_ptr failure = failureOf([&] { run(part); });
  lock.lock();
  if (!partFailure_) {
    partFailure_ = std::move(failure);
  }
  workerOnPart_ = false;
  workDone_.notify_all();
  return true;
}

bool SideWorker::runQueuedJob(std::unique_lock<std::mutex>& lock) {
  const bool inOrder = !inOrder_.empty() && !inOrderRunning_;
  if (!inOrder && anyOrder_.empty()) {
    return false;
  }
  std::deque<Job>& queue = inOrder ? inOrder_ : anyOrder_;
  const Job job = std::move(queue.front());
  queue.pop_front();
  if (inOrder) {
    inOrderRunning_ = true;
  } else {
    ++anyOrderRunning_;
  }
  updateOffered();
  lock.unlock();
  std::exception_ptr failure = failureOf(job);
  lock.lock();
  if (!jobFailure_) {
    jobFailure_ = std::move(failure);
  }
  if (inOrder) {
    inOrderRunning_ = false;
  } else {
    --anyOrderRunning_;
  }
  updateOffered();
  // The next job in order may now be taken, by either thread.
  workArrived_.notify_all();
  workDone_.notify_all();
  return true;
}

void SideWorker::shareParts(int count, const Part& part) {
  if (count < 2 || !started()) {
    for (int k = 0; k < count; ++k) {
      part(k);
    }
    return;
  }
  std::unique_lock lock(mutex_);
  parts_ = &part;
  partCount_ = count;
  nextPart_ = 0;
  partFailure_ = nullptr;
  updateOffered();
  workArrived_.notify_one();
  // Parts the worker runs use the caller's data: they have to be done with
  // before anything thrown here leaves this frame.
  std::exception_ptr failure;
  for (int k = takePart(); k >= 0; k = takePart()) {
    lock.unlock();
    std::exception_ptr thrown = failureOf([&] { part(k); });
    lock.lock();
    if (!failure) {
      failure = std::move(thrown);
    }
  }
  lock.unlock();
  spinUntil([this] { return !workerOnPart_.load(std::memory_order_acquire); });
  lock.lock();
  workDone_.wait(lock, [this] { return !workerOnPart_; });
  parts_ = nullptr;
  if (!failure) {
    failure = std::exchange(partFailure_, nullptr);
  }
  lock.unlock();
  if (failure) {
    std::rethrow_exception(failure);
  }
}

void SideWorker::post(Job job) {
  enqueue(inOrder_, std::move(job));
}

void SideWorker::postAnyOrder(Job job) {
  enqueue(anyOrder_, std::move(job));
}

void SideWorker::enqueue(std::deque<Job>& queue, Job job) {
  if (!started()) {
    job();
    return;
  }
  {
    const std::lock_guard lock(mutex_);
    queue.push_back(std::move(job));
    updateOffered();
  }
  workArrived_.notify_one();
}

void SideWorker::finish() {
  if (!thread_.joinable()) {
    return;
  }
  std::unique_lock lock(mutex_);
  while (!jobsDone()) {
    if (!runQueuedJob(lock)) {
      workDone_.wait(lock);
    }
  }
  const std::exception_ptr failure = std::exchange(jobFailure_, nullptr);
  lock.unlock();
  if (failure) {
    std::rethrow_exception(failure);
  }
}

}  // namespace bormek
