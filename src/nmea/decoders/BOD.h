// BOD lives with BWW, which shares its layout.
#pragma once

#include "nmea/decoders/BearingBetweenWaypoints.h"
