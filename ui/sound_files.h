#pragma once
// The game's sounds: one file each in sounds/, written by the sound generator
// at build time and loaded by the game at start-up. The generator, the game
// and the tests all read this one table.

enum SoundId {
    SOUND_FIRED,            // the launcher's thump
    SOUND_ROLLING,          // the ball on the boards; loops, pitch and level follow its speed
    SOUND_CATCH,
    SOUND_PASS,
    SOUND_BALL_HIT,         // the steel ball into a body
    SOUND_CLASH,            // two players collide
    SOUND_RUN_OVER,         // a biker into a skater or catcher: harder than a clash
    SOUND_CRIT,
    SOUND_DEATH,
    SOUND_PENALTY_WHISTLE,  // two short blasts
    SOUND_GOAL,             // horn and crowd
    SOUND_MISS,             // the crowd groans
    SOUND_PERIOD_WHISTLE,   // one long blast, at the start and end of a period
    SOUND_GAME_OVER,        // short, short, long
    SOUND_CROWD,            // the crowd's bed; loops, its level follows the play
    SOUND_COUNT
};

struct SoundFile {
    const char* name; // in SOUND_FOLDER
    float seconds;    // length of the file
    float peak;       // highest sample, full scale 1; every sound is scaled to it
    bool loops;       // played round and round; its end runs into its start
};

constexpr const char* SOUND_FOLDER = "sounds/";
constexpr int SOUND_SAMPLE_RATE = 22050; // Hz, mono 16-bit: the whole set stays well under 2 MB

inline constexpr SoundFile soundFiles[SOUND_COUNT] = {
    {"fired.wav", 0.8f, 0.9f, false},
    {"rolling.wav", 1.0f, 0.6f, true},
    {"catch.wav", 0.3f, 0.8f, false},
    {"pass.wav", 0.35f, 0.6f, false},
    {"ball_hit.wav", 0.4f, 0.9f, false},
    {"clash.wav", 0.45f, 0.75f, false},
    {"run_over.wav", 0.8f, 0.95f, false},
    {"crit.wav", 0.7f, 0.7f, false},
    {"death.wav", 1.4f, 0.85f, false},
    {"penalty_whistle.wav", 0.9f, 0.7f, false},
    {"goal.wav", 3.0f, 0.9f, false},
    {"miss.wav", 2.0f, 0.7f, false},
    {"period_whistle.wav", 1.2f, 0.75f, false},
    {"game_over.wav", 3.0f, 0.8f, false},
    {"crowd.wav", 4.0f, 0.5f, true},
};
