#pragma once

#include <QtGlobal>

namespace ranktally {

// Turns Qt's abort when no window system can be reached into one clear line on stderr and exit
// status 1, instead of a core dump. It has no say once the application object is up.
class WindowSystemStartup {
public:
    WindowSystemStartup();
    ~WindowSystemStartup();
    WindowSystemStartup(const WindowSystemStartup&) = delete;
    WindowSystemStartup& operator=(const WindowSystemStartup&) = delete;

    // The application object exists: messages held back during start-up go out as usual.
    void Succeeded();

private:
    QtMessageHandler previous_;
    bool active_ = true;
};

}  // namespace ranktally
