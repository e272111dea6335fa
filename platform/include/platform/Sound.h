#pragma once

#include "platform_export.h"

// The one-call sound player: plays one RIFF wave file (PCM, 8 or 16 bits,
// mono or stereo, any rate) at a time on the sound device.
constexpr unsigned SND_SYNC = 0x0000;       // return when the sound has played
constexpr unsigned SND_ASYNC = 0x0001;      // return at once, the sound plays on
constexpr unsigned SND_NODEFAULT = 0x0002;  // accepted; there is no default sound
constexpr unsigned SND_LOOP = 0x0008;       // repeat until stopped (with SND_ASYNC)
constexpr unsigned SND_NOSTOP = 0x0010;     // do not interrupt a sound that plays

// Plays file (resolved without regard to letter case) and replaces whatever
// played before. A null file stops the sound and releases the device.
// Returns 1 on success; 0 when the file cannot be read, no sound device can be
// opened, SND_NOSTOP is given while a sound plays, or SND_LOOP comes without
// SND_ASYNC (a synchronous loop would never return).
PLATFORM_EXPORT int sndPlaySoundA(const char* file, unsigned flags);
