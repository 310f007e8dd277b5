// Every shared field group of the decoders.
#pragma once

#include "nmea/FrequencyAndMode.h"
#include "nmea/LatLong.h"
#include "nmea/LineOfPosition.h"
#include "nmea/LoranTimeDifference.h"
#include "nmea/Manufacturer.h"
#include "nmea/OmegaPair.h"
#include "nmea/RadarData.h"
#include "nmea/RatioAndPulse.h"
#include "nmea/SatelliteData.h"
#include "nmea/TransducerData.h"
