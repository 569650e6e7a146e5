#pragma once

namespace vesk::bench {

// Prints how closely a playback of many short pauses keeps the recorded pace.
void RunPlaybackPace();

}  // namespace vesk::bench
