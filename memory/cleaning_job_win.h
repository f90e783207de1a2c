#pragma once
// A clean runs on a short-lived worker thread; its end is handed back to the window's UI thread
// synchronously (SendMessage), so the completion also runs inside a modal box's message loop.
#include <windows.h>

#include <functional>

namespace Vrel::Memory {

// Starts `purge` on a self-ending worker thread. When it returns (or throws; the error is
// dropped), the worker sends `completionMessage` with `completionParam` to `window` and waits
// until it has been handled. A window that is gone by then receives nothing. False when no
// thread could be started.
bool StartCleaningJob(HWND window, UINT completionMessage, WPARAM completionParam,
                      std::function<void()> purge) noexcept;

}  // namespace Vrel::Memory
