#pragma once
// The audio device: OpenAL Soft, with every sound file loaded into it.
class SoundOutput;

// Opens the default device and loads sounds/. Null, after one line on the
// console, when there is no device; a sound file that cannot be read is
// named on the console and stays silent. The sound library's own lines on
// standard error are shown only with `libraryLog` (--verbose) or when the
// user set ALSOFT_LOGLEVEL.
SoundOutput* openSoundDevice(bool libraryLog);
// Stops every sound and closes the device; nothing when none is open.
void closeSoundDevice();
