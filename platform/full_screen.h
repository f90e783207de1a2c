#pragma once
// Whether the window that has the focus covers its whole monitor (a full-screen program).
namespace Vrel::Platform {

class IFullScreenQuery {
public:
    virtual ~IFullScreenQuery() = default;
    // False for no foreground window and for the desktop's own windows.
    virtual bool IsForegroundFullScreen() noexcept = 0;
};

// The real foreground window and monitors. One per process, stateless.
IFullScreenQuery& SystemFullScreenQuery() noexcept;

}  // namespace Vrel::Platform
