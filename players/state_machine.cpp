#include "players/player.h"

void Player::stop() {}
void Player::kill() {}
void Player::start_lapping(float) {}
void Player::lap() {}
void Player::leave_seat() {}
void Player::enter_track() {}
void Player::walk_to_seat() {}
void Player::leave_track() {}

void update_players() {}
void update_player(char, int) {}
