#include "players/player.h"

#include "app/commentary.h"

Player home_players[TEAM_SIZE];
Player away_players[TEAM_SIZE];
Referee referees[REFEREE_COUNT];

irr::scene::IAnimatedMesh* bodyMesh = 0;
irr::scene::IAnimatedMesh* wheelMesh = 0;
irr::scene::IAnimatedMesh* statballMesh = 0;
irr::scene::IAnimatedMesh* refereeMesh = 0;

void AddPlayers()
{
    setCommentary("Adding players");
}

Player& add_player(char team, int number)
{
    return playerOf(team, number);
}

void AddReferees()
{
    setCommentary("Adding referees");
}

int HowManyOnTrack(int, char)
{
    return 0;
}

const char* pathStateText(int)
{
    return "UNKNOWN";
}

void Player::reset() {}
irr::core::vector3df Player::seat_position() const { return irr::core::vector3df(); }

void Player::set_path(int p)
{
    lp = path;
    path = p;
    polar = (p == SEAT_TO_GATE || p == GATE_TO_SEAT) ? 0 : 1;
}

bool Player::set_path_handled(int p)
{
    set_path(p);
    return true;
}

void Player::select() { selected = 1; }

void Player::deselect()
{
    zt_dt2 = 0;
    xr_dt2 = 0;
    selected = 0;
}
