#include "assets/PaintingThread.h"

#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <atomic>
#include <utility>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace yunuri::assets {
namespace {

// Qt's raster engine hands every large fill, in slices, to its global thread pool, unless the painting
// thread is itself one of that pool's threads. Our pictures are many small paintings with hundreds of such
// fills, and the hand-offs cost more than the fills (a third of the time at ratio 2). So each job runs as one
// task of that pool, which paints it alone. The pool is kept to one thread because every thread that paints
// text opens the font file anew and keeps the pages it touched.
std::atomic<bool> used{false};

QThreadPool* paintingPool() {
  used.store(true, std::memory_order_relaxed);
  QThreadPool* pool = QThreadPool::globalInstance();
  if (pool->maxThreadCount() != 1) pool->setMaxThreadCount(1);
  return pool;
}

}  // namespace

void startOnPaintingThread(std::function<void()> job) {
  paintingPool()->start(std::move(job));
}

void runOnPaintingThread(const std::function<void()>& job) {
  QThreadPool* pool = paintingPool();
  if (pool->contains(QThread::currentThread())) {
    job();
    return;
  }
  QSemaphore done;
  pool->start([&] {
    job();
    done.release();
  });
  done.acquire();
}

void releasePaintingThread() {
  if (!used.exchange(false, std::memory_order_relaxed)) return;
  // Waiting for the pool to be done also joins its idle thread, whose thread-local font engines then close
  // their faces; what they freed lies in that thread's malloc arena until it is trimmed.
  QThreadPool::globalInstance()->waitForDone();
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

}  // namespace yunuri::assets
