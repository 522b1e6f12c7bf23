#pragma once

#include <functional>

namespace yunuri::assets {

// Starts a painting job on the painting thread and returns at once.
void startOnPaintingThread(std::function<void()> job);

// Runs a painting job on the painting thread and waits for it. Called on that thread, it just runs the job.
void runOnPaintingThread(const std::function<void()>& job);

// Once every job is done, ends the painting thread and hands back to the system the memory painting took:
// that thread's copy of the font file and glyph caches and the heap they grew. Pictures are painted once and
// kept, so letters are needed again only for a picture not painted yet, and the next job starts a new thread.
// Does nothing when no job ran since the last release. Call it from the thread that starts the jobs.
void releasePaintingThread();

}  // namespace yunuri::assets
