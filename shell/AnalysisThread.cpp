#include "AnalysisThread.h"

#include <algorithm>
#include <exception>
#include <stdexcept>

using reversi::analysis::TSolver;

TAnalysisThread::TAnalysisThread(int hashBits) : hashBits_(hashBits), thread_([this] { Loop(); }) {}

TAnalysisThread::~TAnalysisThread() {
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
    queue_.clear();
    if (runningStop_) runningStop_->store(true);
  }
  wake_.notify_all();
  thread_.join();
}

void TAnalysisThread::Queue(TJob job) {
  {
    std::lock_guard lock(mutex_);
    const auto after = std::find_if(queue_.begin(), queue_.end(),
                                    [&](const TJob& waiting) { return waiting.Priority > job.Priority; });
    queue_.insert(after, std::move(job));
  }
  wake_.notify_one();
}

reversi::analyst::TAnalyst& TAnalysisThread::Analyst() {
  if (!analyst_) {
    std::string error;
    std::shared_ptr<const reversi::analyst::TEvaluation> weights = reversi::analyst::TEvaluation::LoadDefault(error);
    if (!weights) throw std::runtime_error(error);
    analyst_ = std::make_unique<reversi::analyst::TAnalyst>(std::move(weights));
  }
  if (analyst_->Threads() != threads_.load()) analyst_->SetThreads(threads_.load());
  return *analyst_;
}

void TAnalysisThread::SetThreads(int threads) {
  threads_.store(std::clamp(threads, 1, 64));
}

void TAnalysisThread::Cancel(const void* owner, bool wait) {
  std::unique_lock lock(mutex_);
  std::erase_if(queue_, [owner](const TJob& job) { return job.Owner == owner; });
  if (runningOwner_ != owner) return;
  runningStop_->store(true);
  if (wait) finished_.wait(lock, [&] { return runningOwner_ != owner; });
}

void TAnalysisThread::Loop() {
  for (;;) {
    TJob job;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [&] { return quit_ || !queue_.empty(); });
      if (quit_) return;
      job = std::move(queue_.front());
      queue_.pop_front();
      runningOwner_ = job.Owner;
      runningStop_ = job.Stop;
    }
    RunOne(job);
    {
      std::lock_guard lock(mutex_);
      runningOwner_ = nullptr;
      runningStop_.reset();
    }
    finished_.notify_all();
  }
}

// Whatever a job throws ends that job only, told to its owner.
void TAnalysisThread::RunOne(TJob& job) {
  std::string failure;
  try {
    if (job.Stop->load()) return;
    if (solver_)
      solver_->ClearHash();
    else
      solver_ = std::make_unique<TSolver>(hashBits_);
    if (solver_->Threads() != threads_.load()) solver_->SetThreads(threads_.load());
    solver_->SetStopFlag(job.Stop.get());
    solver_->SetDeadline(std::chrono::steady_clock::time_point::max());
    job.Run(*solver_);
    return;
  } catch (const std::exception& e) {
    failure = e.what();
  } catch (...) {
    failure = "unknown error";
  }
  try {
    if (job.Failed) job.Failed(failure);
  } catch (...) {
    // Nobody is left to tell.
  }
}
