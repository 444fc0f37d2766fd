#pragma once

#include "Shared/Data/ExtraModels/NetworkSnapshot.h"
#include "Shared/Data/ExtraModels/StorageSnapshot.h"
#include "Shared/Data/ExtraModels/SystemGauges.h"
#include "Shared/Data/Models/PowerSnapshot.h"
#include "Shared/Data/PowerSource/PowerSource.h"
#include "Shared/Data/SystemStats/SystemStats.h"
#include "Widgets/Shell/LocalProvider.h"

namespace zavel {

// The providers of the system and battery widgets: one entry of the machine's present figures,
// read again a fixed number of minutes later.

// Processor, memory, graphics and storage, every five minutes; the processor and memory read 0
// and the storage 721 of 1000 GB when the machine gives no figure, the graphics stays absent.
LocalProvider<SystemGauges> systemGaugesProvider(const SystemStats::Environment &machine = {});

// Throughput since the last reading of any widget, every five minutes; 0 and 0 without one.
LocalProvider<NetworkSnapshot> networkProvider(const SystemStats::Environment &machine = {});

// The home volume every six hours; 721 of 1000 GB when it cannot be read.
LocalProvider<StorageSnapshot> storageProvider(const SystemStats::Environment &machine = {});

// The power state every quarter of an hour, each reading advancing the day's power log.
LocalProvider<PowerSnapshot> batteryProvider(const PowerSource::Environment &machine = {});

} // namespace zavel
