#pragma once

#include "model/seams.h"

// mode 1: above all ordinary windows; 2: to the bottom; anything else: an
// ordinary window again.
void SetTopMost(TopMostWindow& window, qint16 mode);
