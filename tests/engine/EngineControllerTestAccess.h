#pragma once
// The tests' way into CEngineController: its output poll and the ways it
// runs, its process and threads, and a shorter monitor limit.

#include "engine/EngineController.h"

namespace taleno {

class EngineControllerTestAccess {
public:
    explicit EngineControllerTestAccess(CEngineController& engine) : engine(engine) {}

    void PollOutput() { engine.PollOutput(); }

    // The arguments of the current or last start, each followed by a blank.
    std::string ArgumentLine() const {
        std::string line;
        for (const std::string& argument : engine.arguments) line += argument + ' ';
        return line;
    }
    // Process id of the current engine, 0 when none was started.
    pid_t EnginePid() const { return engine.process.Pid(); }
    bool IsMonitorRunning() const { return engine.monitorThread.IsRunning(); }
    // The product always waits 20 seconds before the monitor acts.
    void SetMonitorLimit(int seconds) { engine.monitorLimitSeconds = seconds; }

private:
    CEngineController& engine;
};

}  // namespace taleno
