#pragma once
// Records the engine controller's signals in the order they come, by name
// ("EngineStarting", ...), and the lines it hands to the log.

#include "engine/EngineController.h"

#include "common/TestSupport.h"

namespace taleno::test {

class EngineEvents {
public:
    explicit EngineEvents(CEngineController& engine) {
        const auto record = [this](const char* name) { return [this, name] { names.push_back(name); }; };
        QObject::connect(&engine, &CEngineController::EngineStarting, &context, record("EngineStarting"));
        QObject::connect(&engine, &CEngineController::EnginePlaying, &context, record("EnginePlaying"));
        QObject::connect(&engine, &CEngineController::EngineFailed, &context, record("EngineFailed"));
        QObject::connect(&engine, &CEngineController::EngineFinished, &context, record("EngineFinished"));
        QObject::connect(&engine, &CEngineController::EngineStopped, &context, record("EngineStopped"));
        QObject::connect(&engine, &CEngineController::EngineLogLine, &context,
                         [this](const std::string& line) { logged.push_back(line); });
    }

    bool Has(const std::string& name) const { return Count(name) > 0; }
    int Count(const std::string& name) const { return static_cast<int>(std::count(names.begin(), names.end(), name)); }
    void Clear() {
        names.clear();
        logged.clear();
    }

    std::vector<std::string> names;
    std::vector<std::string> logged;

private:
    QObject context;  // the connections end with the recorder
};

}  // namespace taleno::test
