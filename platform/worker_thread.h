// A worker thread started by the platform on a function; ending the object waits for the function to return.
#pragma once

namespace quintaro::platform {

class WorkerThread {
public:
    virtual ~WorkerThread() = default;
    // Waits until the function has returned; harmless when it already has.
    virtual void join() = 0;
    virtual bool finished() const = 0;
};

} // namespace quintaro::platform
