#pragma once
// Uniform draw over [0, scale] (over [scale, 0] for a negative scale), from the
// C library generator that start-up seeds once from the calendar time.
float randomScaled(float scale);
