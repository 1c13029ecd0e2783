#include "players/player.h"

void Player::plan_path(float, float, float) {}
void Player::chase(float, float, float, float) {}
void Player::set_zt_dt(float omega) { zt_dt = omega; }
void Player::set_xr_dt(float v) { xr_dt = v; }
float Player::potential_energy() const { return 0; }
float Player::kinetic_energy() const { return 0; }
float Player::total_energy() const { return 0; }
float Player::speed_mph() const { return 0; }
float Player::top_speed() const { return 0; }
float Player::power_limit() const { return 0; }

float angle_ahead(float a, float b)
{
    return a - b;
}

irr::core::vector3df read_track_position(Player& player)
{
    return player.node ? player.node->getPosition() : irr::core::vector3df();
}

void advance_player(Player&, irr::core::vector3df) {}

bool place_player(Player&, irr::core::vector3df)
{
    return false;
}
