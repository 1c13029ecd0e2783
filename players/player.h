#pragma once
// The player record, the two rosters and the referees, with the operations
// that work on one player. Units: cm, ms, rad (unless degrees are said), kg.
#include <irrlicht.h>

enum PlayerType { Biker = 0, Skater = 1, Catcher = 2 };

// The colour of a player's status ball, by its condition band (ok 80 hp and
// up, hit 40 to 79, crit 0 to 39).
enum StatusBand : irr::u8 { STATUS_OK = 0, STATUS_HIT = 1, STATUS_CRIT = 2 };

// Effort (pms) of a path run at the player's top speed.
constexpr float FULL_EFFORT = 1.0f;

// Values are part of the game's readouts: 13 and 15 are never assigned.
enum PathState {
    DEAD = 0,
    SEATED = 1,
    STOPPED = 2,
    SEAT_TO_GATE = 3,
    GATE_TO_SEAT = 4,
    GATE_TO_TRACK = 5,
    TRACK_TO_GATE = 6,
    LAPPING = 7,
    PASS_TO_SKATER = 8,
    ATTEMPTING_CATCH = 9,
    TRYING_TO_SCORE = 10,
    ATTACK_SCORER = 11,
    DEFEND_GOAL = 12,
    EVEN_SPACING = 14,
    USER_CONTROL = 16
};

// Plain data: the rosters start zero-filled, AddPlayers and reset give every
// field that matters its value.
struct Player {
    irr::u8 selected;      // under the user's control; cleared by reset and by any path but USER_CONTROL
    irr::u8 polar;         // speeds are polar (1) or straight x/z walks (0); kept by set_path
    char team;             // 'H' home, 'A' away
    irr::s32 wobble;       // ticks of hit wobble still to show
    irr::s32 seated_ticks; // ticks seated while autoPlay is on; at 101 the player leaves
    irr::s32 hp;           // condition points, 100 after reset, no upper bound
    irr::s32 penalty;      // game-clock seconds still to serve
    irr::s32 number;       // shirt number 0..9, the roster index
    float r;               // cm from the track centre
    float theta;           // rad, in [0, 2π) after each read-back
    float height;          // cm above the floor, from the bank
    float plan_v2;         // planner's working values, kept after each plan
    float plan_v2_target;
    float plan_e_u;
    float plan_e_u_target;
    float plan_e_k;
    float plan_e_k_target;
    float plan_e_t_target;
    float plan_e_t;
    float plan_e_delta;
    float plan_power;      // energy per ms the path needs
    float plan_time;       // ms; the only planning value read again by the next plan
    float plan_r_dt;       // cm/ms
    float plan_t_dt;       // rad/ms
    float zt_dt;           // rad/ms when polar, cm/ms along z when not
    float xr_dt;           // cm/ms radial when polar, along x when not
    float zt_dt2;          // rad/ms², user control only; only ever set to 0
    float xr_dt2;          // cm/ms², the user's radial acceleration
    float target_xr;       // straight walks: target x; GATE_TO_TRACK: target radius
    float target_zt;       // straight walks: target z; track states: angle still allowed (rad)
    float last_dist2;      // cm², squared distance to the walk's target at the previous tick
    float mass;            // kg, 100 after reset
    float pms;             // effort: fraction of top speed the path asks for
    float power;           // energy change per ms over the last tick
    float exertion;        // sum of positive energy changes since reset
    irr::s32 lp;           // previous path
    irr::s32 path;         // current PathState
    irr::s32 lane;         // 0: r <= 900, 1: up to 1600, 2: the bank
    irr::s32 type;         // PlayerType
    // cm: where the body stands, the player's true place, read back at every
    // update; the biker switch raises it 100 cm. Beyond the radius clamp it
    // keeps the true distance while `r` reads the clamp.
    irr::core::vector3df position;
    irr::core::vector3df rotation; // degrees: facing its way round the track, or wobbling
    // The body and its status ball in the scene, made once by AddPlayers;
    // presentation poses them from this record, and the match never reads them.
    irr::scene::ISceneNode* node;
    irr::scene::ISceneNode* statball;
    irr::core::vector3df seat;        // stored by reset
    irr::u8 status_band;   // the status ball's colour: ok, hit or crit; a death leaves it as it was

    // Record (players/roster.cpp)
    void reset();
    irr::core::vector3df seat_position() const;
    void set_path(int p);
    bool set_path_handled(int p); // the same, for key handlers: returns true (absorbed)
    void select();
    void deselect();
    bool is_selected() const { return selected != 0; }
    float get_zt_dt() const { return zt_dt; }
    float get_xr_dt() const { return xr_dt; }

    // Motion (players/track_motion.cpp)
    void plan_path(float dr, float dtheta, float pms);
    void chase(float dr, float dtheta, float pms, float target_angular_speed);
    void set_zt_dt(float omega);
    void set_xr_dt(float v);
    float potential_energy() const;
    float kinetic_energy() const;
    float total_energy() const;
    float speed_mph() const;
    float top_speed() const;  // cm/ms by kind
    float power_limit() const; // per ms by kind

    // Path transitions (players/state_machine.cpp)
    void stop();
    void kill();
    void start_lapping(float pms);
    void lap();
    void leave_seat();
    void enter_track();
    void walk_to_seat();
    void leave_track();
    // The holder kept the ball too long: the ball is dead and the holder laps on.
    void delay_of_game();

    // Condition (match/contact.cpp) and the ball's hit (match/ball.cpp)
    void change_condition(int delta);
    void hit_by_ball();
};

constexpr int TEAM_SIZE = 10;

// Whole-run rosters; element i has shirt number i.
extern Player home_players[TEAM_SIZE];
extern Player away_players[TEAM_SIZE];

// 'H' picks the home roster, any other letter the away roster.
inline Player* roster(char team)
{
    return team == 'H' ? home_players : away_players;
}
inline Player& playerOf(char team, int number)
{
    return roster(team)[number];
}

struct Referee {
    irr::scene::ISceneNode* node; // made once by AddReferees; posed from this record
    float yaw; // degrees about the vertical axis; rewritten by the match tick
    irr::core::vector3df position; // cm, the referee's post
    irr::core::vector3df rotation; // degrees: the post's turn, then (0, 270 - yaw, 0) once the ball is watched
};
constexpr int REFEREE_COUNT = 3;
extern Referee referees[REFEREE_COUNT];

// Record and rosters (players/roster.cpp)
// Every roster entry's team, shirt number and the kind its number gives; the
// rest of the record is left to reset.
void setUpRosters();
// Every referee at its post, turned as the post says.
void setUpReferees();
int HowManyOnTrack(int type, char team);
const char* pathStateText(int path); // the readout's name of a path state, "UNKNOWN" outside the table

// Track motion (players/track_motion.cpp)
// How far angle a lies ahead of b going the way theta grows: in (0, 2π] for angles in [0, 2π).
float angle_ahead(float a, float b);
// The player's position, after renewing r and theta from it (theta in [0, 2π), 0 at the centre).
irr::core::vector3df read_track_position(Player& player);
// The motion step: integrate by path, energies, placement and the turn of the body.
void advance_player(Player& player, irr::core::vector3df p);
// Bounds, radius clamp, lane and the position; false (and nothing done) for the dead.
bool place_player(Player& player, irr::core::vector3df p);

// State machine (players/state_machine.cpp)
// Home 0, away 0, home 1, ... away 9: once per match tick.
void update_players();
// One player's tick.
void update_player(char team, int number);
