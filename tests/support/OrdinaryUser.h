#pragma once

#include <QString>
#include <functional>

// Runs `body` in a child process as an ordinary user, so that file modes hold even where the
// tests run as root (who reads and writes through them): as root, the folder and everything
// in it is given to the user "nobody" first, and the child becomes that user. The child's
// exit code is body's result; -1 when the child could not run or did not end normally.
int RunAsOrdinaryUser(const QString& folder, const std::function<int()>& body);
