// The one process-wide flag that keeps card clicks and menu commands from acting
// while a game operation, one of its waits, or a secondary window is in progress.
#pragma once

inline bool GameReady = false;
