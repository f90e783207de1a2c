#include "startup/task_sched_api.h"

namespace TaskSchedApi {

HRESULT CoTaskScheduler::Create(Vrel::Platform::ComPtr<ITaskService>& service) noexcept {
    service.Reset();
    return ::CoCreateInstance(__uuidof(TaskScheduler), nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&service));
}

}  // namespace TaskSchedApi
