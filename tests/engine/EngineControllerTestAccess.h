#pragma once
// The tests' way into CEngineController: its internal steps, its process
// and threads, and a shorter monitor limit.

#include "engine/EngineController.h"

namespace taleno {

class EngineControllerTestAccess {
public:
    explicit EngineControllerTestAccess(CEngineController& engine) : engine(engine) {}

    void PollOutput() { engine.PollOutput(); }
    void OnEngineEvent(int code) { engine.OnEngineEvent(code); }
    void CheckExit() { engine.CheckExit(); }
    void Kill() { engine.Kill(); }

    // Process id of the current engine, 0 when none was started.
    pid_t EnginePid() const { return engine.process.Pid(); }
    bool IsMonitorRunning() const { return engine.monitorThread.IsRunning(); }
    bool IsWriterRunning() const { return engine.writerThread.IsRunning(); }
    // The product always waits 20 seconds before the monitor acts.
    void SetMonitorLimit(int seconds) { engine.monitorLimitSeconds = seconds; }

private:
    CEngineController& engine;
};

}  // namespace taleno
