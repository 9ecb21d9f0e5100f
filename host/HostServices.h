#pragma once

#include "ChromatogramWindow.h"
#include "HostOptions.h"
#include "MainWindow.h"
#include "Profile.h"
#include "ServiceBus.h"

// Offers the services plug-ins use: language, database, profile, the chromatogram chooser, opening
// a chromatogram file and the menu. Everything they need must outlive the plug-ins.
void OfferHostServices(ServiceBus& bus, const HostOptions& options, Profile& profile, MainWindow& window,
                       ChromatogramWindows& chromatograms);
