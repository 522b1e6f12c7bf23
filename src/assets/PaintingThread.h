#pragma once

#include <functional>

namespace yunuri::assets {

// Starts a painting job on the painting thread and returns at once.
void startOnPaintingThread(std::function<void()> job);

// Runs a painting job on the painting thread and waits for it. Called on that thread, it just runs the job.
void runOnPaintingThread(const std::function<void()>& job);

}  // namespace yunuri::assets
