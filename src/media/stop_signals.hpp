#pragma once
// The requests to stop that come as signals: a terminal closed (SIGHUP), Ctrl+C (SIGINT) or a
// polite kill (SIGTERM). The game ends on them as on Escape, so the results are saved.

namespace game {

// Installs the handlers; before the media library starts, which then leaves them alone.
void catchStopSignals();

// True once one of the signals arrived.
bool stopSignalled();

} // namespace game
