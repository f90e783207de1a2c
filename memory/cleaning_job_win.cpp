#include "memory/cleaning_job_win.h"

#include <exception>
#include <thread>

namespace Vrel::Memory {

bool StartCleaningJob(HWND window, UINT completionMessage, WPARAM completionParam,
                      std::function<void()> purge) noexcept {
    try {
        std::thread worker([window, completionMessage, completionParam, purge = std::move(purge)] {
            try {
                if (purge) purge();
            } catch (...) {
                // A failed purge still ends the job.
            }
            // The worker touches nothing of the window but its handle.
            ::SendMessageW(window, completionMessage, completionParam, 0);
        });
        worker.detach();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace Vrel::Memory
