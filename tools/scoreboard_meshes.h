#pragma once
#include "tools/mesh_data.h"

MeshData makeScoreboard(bool west); // in arena coordinates
MeshData makeTimebox();             // one digit, its face towards its own -x
