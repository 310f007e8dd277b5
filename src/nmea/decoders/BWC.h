// BWC lives with BWR and BEC, which share its layout.
#pragma once

#include "nmea/decoders/BearingToWaypoint.h"
