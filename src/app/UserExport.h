#pragma once

#include "stats/StatsLabels.h"

#include <QString>
#include <optional>

// The statistics window's export: asks where to write with a save dialog, writes the user's
// series, runs and presses (of the label's exercise and mode, or everything) as CSV and says
// which files were written or what went wrong.
void ExportUserData(const QString& dataDir, const QString& user,
                    const std::optional<StatsLabel>& label);
