#pragma once

#include <QString>

// A user's daily goal in minutes, kept in the user's data file users/<name>.dat as the entry
// PROGRESS/DailyGoal. Without the entry there is no goal (0), as for every user before it.
class DailyGoal {
public:
    static constexpr int MostMinutes = 24 * 60;

    // The goal of a user; 0 when none is kept, the file cannot be read or the user is gone.
    static int Read(const QString& dataDir, const QString& user);
    // Keeps the goal, within 0..MostMinutes. Throws OxelError when the user has no data file
    // (it is never made here, so no user appears without a password) or it cannot be written.
    static void Write(const QString& dataDir, const QString& user, int minutes);
};
