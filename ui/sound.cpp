#include "ui/sound.h"

#include <cmath>
#include <cstdio>
#include <ctime>

#include "core/engine.h"
#include "core/message.h"
#include "core/run_state.h"
#include "match/ball.h"
#include "players/player.h"
#include "ui/notice.h"
#include "ui/sound_device.h"

static_assert(sizeof(soundFiles) / sizeof(soundFiles[0]) == SOUND_COUNT, "one file per sound");

// Where sound goes: the device once it is open, a test's recorder, or nowhere.
static SoundOutput* output = 0;
static bool muted = false;
static bool deviceTried = false; // opening is tried once; its failure is said once
static bool deviceOpen = false;  // `output` is the device, ours to close
static bool libraryLog = false;  // the sound library's own lines shown (--verbose); set by startSound

// Rolling: the ball's speed along the boards in cm/ms; a freshly fired ball
// runs at 3 to 6, a ball rolling down the bank at about 2.
static constexpr float ROLL_PITCH_AT_REST = 0.5f;
static constexpr float ROLL_PITCH_PER_SPEED = 0.25f; // per cm/ms
static constexpr float ROLL_HIGHEST_PITCH = 2.0f;
static constexpr float ROLL_SPEED_AT_FULL_GAIN = 3.0f; // cm/ms

// The crowd's bed by the state of play, and how fast it follows (ms).
static constexpr float CROWD_IDLE = 0.25f;
static constexpr float CROWD_BALL_LOOSE = 0.4f;
static constexpr float CROWD_BALL_CAUGHT = 0.5f;
static constexpr float CROWD_SCORING_RUN = 0.75f;
static constexpr float CROWD_FOLLOW_MS = 800.0f;
static float crowdGain = CROWD_IDLE; // follows crowdLevel() frame by frame
static irr::s32 lastUpdate = -1;     // clock reading of the last update; -1 before the first

// The final whistle is let sound before the program ends, no longer than this.
static constexpr int GAME_OVER_WAIT_MS = 3300;

// The sound each kind of match event is heard as, indexed by MatchEventKind.
static const SoundId eventSounds[EVENT_KIND_COUNT] = {
    SOUND_FIRED,           // EVENT_FIRED
    SOUND_CATCH,           // EVENT_CATCH
    SOUND_PASS,            // EVENT_PASS
    SOUND_BALL_HIT,        // EVENT_BALL_HIT
    SOUND_CLASH,           // EVENT_CLASH
    SOUND_RUN_OVER,        // EVENT_RUN_OVER
    SOUND_CRIT,            // EVENT_CRIT
    SOUND_DEATH,           // EVENT_DEATH
    SOUND_PENALTY_WHISTLE, // EVENT_PENALTY
    SOUND_GOAL,            // EVENT_GOAL
    SOUND_MISS,            // EVENT_MISS
    SOUND_PERIOD_WHISTLE,  // EVENT_PERIOD_START
    SOUND_PERIOD_WHISTLE,  // EVENT_PERIOD_END
    SOUND_GAME_OVER,       // EVENT_GAME_OVER
};

static SoundId soundOfEvent(MatchEventKind kind)
{
    return kind < EVENT_KIND_COUNT ? eventSounds[kind] : SOUND_COUNT;
}

int presentMatchEvents(SoundOutput& out)
{
    static MatchEvent drained[MATCH_EVENT_CAPACITY];
    const int count = drainMatchEvents(drained, MATCH_EVENT_CAPACITY);
    for (int i = 0; i < count; ++i) {
        const SoundId sound = soundOfEvent(drained[i].kind);
        if (sound != SOUND_COUNT)
            out.play(sound, drained[i].at);
    }
    return count;
}

void rollingLevel(float& pitch, float& gain)
{
    pitch = ROLL_PITCH_AT_REST;
    gain = 0;
    if (!ball.live || ball.holder || paused)
        return;
    const float along = ball.r * ball.zt_dt; // cm/ms round the track
    const float speed = sqrtf(along * along + ball.xr_dt * ball.xr_dt);
    pitch = fminf(ROLL_PITCH_AT_REST + ROLL_PITCH_PER_SPEED * speed, ROLL_HIGHEST_PITCH);
    gain = fminf(speed / ROLL_SPEED_AT_FULL_GAIN, 1.0f);
}

float crowdLevel()
{
    if (!ball.live)
        return CROWD_IDLE;
    if (!ball.holder)
        return CROWD_BALL_LOOSE;
    return ball.holder->path == TRYING_TO_SCORE ? CROWD_SCORING_RUN : CROWD_BALL_CAUGHT;
}

static void followCamera(SoundOutput& out)
{
    irr::scene::ICameraSceneNode* camera = sceneManager ? sceneManager->getActiveCamera() : 0;
    if (!camera)
        return;
    const irr::core::vector3df position = camera->getPosition();
    irr::core::vector3df forward = camera->getTarget() - position;
    if (forward.getLengthSQ() == 0)
        forward.set(0, 0, 1);
    out.listen(position, forward.normalize(), camera->getUpVector());
}

// Lets the final whistle sound before the program ends: the match is over,
// nothing of it changes, and the wait is bounded by the whistle's length.
static void finishBeforeHalting(const char*)
{
    if (!output)
        return;
    presentMatchEvents(*output);
    if (!muted) {
        for (int waited = 0; waited < GAME_OVER_WAIT_MS && output->sounding(SOUND_GAME_OVER); waited += 20) {
            const timespec step = {0, 20 * 1000 * 1000};
            nanosleep(&step, 0);
        }
    }
    stopSound();
}

static void openDevice()
{
    if (deviceTried)
        return;
    deviceTried = true;
    output = openSoundDevice(libraryLog);
    deviceOpen = output != 0;
    if (output) {
        output->mute(muted);
        haltHooks[HALT_HOOK_SOUND] = finishBeforeHalting;
    }
}

void startSound(bool startMuted, bool showLibraryLog)
{
    muted = startMuted;
    libraryLog = showLibraryLog;
    if (!muted)
        openDevice();
}

void updateSound()
{
    updateSoundAt(readClock());
}

void updateSoundAt(irr::s32 now)
{
    const float elapsed = lastUpdate < 0 ? 0.0f : static_cast<float>(now - lastUpdate); // ms
    lastUpdate = now;
    if (!output) {
        // Nobody listens: the events are let go, so they do not pile up.
        clearMatchEvents();
        return;
    }
    presentMatchEvents(*output);
    float pitch, gain;
    rollingLevel(pitch, gain);
    output->loop(SOUND_ROLLING, ball.position, false, pitch, gain);
    const float follow = fminf(elapsed / CROWD_FOLLOW_MS, 1.0f);
    crowdGain += (crowdLevel() - crowdGain) * follow;
    output->loop(SOUND_CROWD, irr::core::vector3df(), true, 1.0f, crowdGain);
    followCamera(*output);
}

void soundJumped()
{
    clearMatchEvents();
    crowdGain = crowdLevel();
    if (output)
        output->silence();
}

void toggleSound()
{
    muted = !muted;
    if (!muted)
        openDevice();
    if (output)
        output->mute(muted);
    showNotice(muted ? "Sound off" : output ? "Sound on" : "Sound on: no audio device", readClock());
}

bool soundMuted()
{
    return muted;
}

void stopSound()
{
    if (!deviceOpen)
        return; // no device, or a test's recorder, which is the test's own
    haltHooks[HALT_HOOK_SOUND] = 0;
    closeSoundDevice();
    deviceOpen = false;
    output = 0;
}

void useSoundOutput(SoundOutput* out)
{
    stopSound();
    output = out;
    deviceTried = true; // a test never opens the device, not even by the M key
    haltHooks[HALT_HOOK_SOUND] = out ? finishBeforeHalting : 0;
    muted = false;
    clearNotice();
    crowdGain = CROWD_IDLE;
    lastUpdate = -1;
}
