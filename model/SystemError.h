// The system's own words for an errno value, as the game's messages quote them.
#pragma once

#include <QString>

QString SystemReason(int error);
