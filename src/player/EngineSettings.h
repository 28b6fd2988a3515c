#pragma once
// The settings the engine controller holds (the rows of SettingsTable.h
// whose holder is the engine or both), handed between the settings record
// and the controller. The controller's setters apply its range checks, so a
// record fetched back holds the values as the engine will use them.

#include "engine/EngineController.h"
#include "settings/Settings.h"

namespace taleno {

// Gives the controller every engine-held value of the record but nVolume,
// which is handed over when the window is created.
void ApplyEngineSettings(CEngineController& engine, const SettingsRecord& record);

// Copies the controller's values of the same keys into the record.
void FetchEngineSettings(const CEngineController& engine, SettingsRecord& record);

}  // namespace taleno
