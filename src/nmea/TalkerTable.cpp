#include "nmea/TalkerTable.h"

#include <algorithm>

namespace rq {

namespace {

struct TalkerRow {
    const char16_t* id;
    const char16_t* description;
};

// Sorted by identifier.
constexpr TalkerRow kTalkers[] = {
    {u"AB", u"Independent AIS Base Station"},
    {u"AD", u"Dependent AIS Base Station"},
    {u"AG", u"Autopilot - General"},
    {u"AI", u"Mobile Class A or B AIS Station"},
    {u"AN", u"AIS Aids to Navigation Station"},
    {u"AP", u"Autopilot - Magnetic"},
    {u"AR", u"AIS Receiving Station"},
    {u"AS", u"AIS Limited Base Station"},
    {u"AT", u"AIS Transmitting Station"},
    {u"AX", u"AIS Simplex Repeater Station"},
    {u"BD", u"BeiDou Navigation Satellite System (BDS)"},
    {u"BI", u"Bilge Systems"},
    {u"BN", u"Bridge Navigational Watch Alarm System"},
    {u"CA", u"Central Alarm Management"},
    {u"CD", u"Communications - Digital Selective Calling (DSC)"},
    {u"CR", u"Communications - Receiver / Beacon Receiver"},
    {u"CS", u"Communications - Satellite"},
    {u"CT", u"Communications - Radio-Telephone (MF/HF)"},
    {u"CV", u"Communications - Radio-Telephone (VHF)"},
    {u"CX", u"Communications - Scanning Receiver"},
    {u"DE", u"DECCA Navigation"},
    {u"DF", u"Direction Finder"},
    {u"DM", u"Velocity Sensor, Speed Log, Water, Magnetic"},
    {u"DP", u"Dynamic Position"},
    {u"DU", u"Duplex Repeater Station"},
    {u"EC", u"Electronic Chart Display & Information System (ECDIS)"},
    {u"EI", u"Electronic Chart Display & Information System (ECDIS)"},
    {u"EP", u"Emergency Position Indicating Beacon (EPIRB)"},
    {u"ER", u"Engine Room Monitoring Systems"},
    {u"FD", u"Fire Door Controller/Monitoring Point"},
    {u"FE", u"Fire Extinguisher System"},
    {u"FR", u"Fire Detection Point"},
    {u"FS", u"Fire Sprinkler System"},
    {u"GA", u"Galileo Positioning System"},
    {u"GB", u"BeiDou Navigation Satellite System (BDS)"},
    {u"GI", u"NavIC, IRNSS (India)"},
    {u"GL", u"GLONASS Positioning System"},
    {u"GN", u"Global Navigation Satellite System (GNSS)"},
    {u"GP", u"Global Positioning System (GPS)"},
    {u"GQ", u"QZSS Regional GPS Augmentation System (Japan)"},
    {u"HC", u"Heading - Magnetic Compass"},
    {u"HD", u"Hull Door Controller/Monitoring Panel"},
    {u"HE", u"Heading - North Seeking Gyro"},
    {u"HF", u"Heading - Fluxgate"},
    {u"HN", u"Heading - Non North Seeking Gyro"},
    {u"HS", u"Hull Stress Monitoring"},
    {u"II", u"Integrated Instrumentation"},
    {u"IN", u"Integrated Navigation"},
    {u"JA", u"Alarm and Monitoring System"},
    {u"JB", u"Water Monitoring System"},
    {u"JC", u"Power Management System"},
    {u"JD", u"Propulsion Control System"},
    {u"JE", u"Engine Control Console"},
    {u"JF", u"Propulsion Boiler"},
    {u"JG", u"Auxiliary Boiler"},
    {u"JH", u"Electronic Governor System"},
    {u"LA", u"Loran A"},
    {u"LC", u"Loran C"},
    {u"MP", u"Microwave Positioning System"},
    {u"MX", u"Multiplexer"},
    {u"NL", u"Navigation Light Controller"},
    {u"OM", u"OMEGA Navigation System"},
    {u"OS", u"Distress Alarm System"},
    {u"QZ", u"QZSS Regional GPS Augmentation System (Japan)"},
    {u"RA", u"RADAR and/or ARPA"},
    {u"RB", u"Record Book"},
    {u"RC", u"Propulsion Machinery including Remote Control"},
    {u"RI", u"Rudder Angle Indicator"},
    {u"SA", u"Physical Shore AIS Station"},
    {u"SD", u"Sounder, Depth"},
    {u"SG", u"Steering Gear/Steering Engine"},
    {u"SN", u"Electronic Positioning System, other/general"},
    {u"SS", u"Sounder, Scanning"},
    {u"TC", u"Track Control System"},
    {u"TI", u"Turn Rate Indicator"},
    {u"TR", u"TRANSIT Navigation System"},
    {u"UP", u"Microprocessor Controller"},
    {u"VA", u"VHF Data Exchange System (VDES), ASM"},
    {u"VD", u"Velocity Sensor, Doppler, other/general"},
    {u"VM", u"Velocity Sensor, Speed Log, Water, Magnetic"},
    {u"VR", u"Voyage Data Recorder"},
    {u"VS", u"VHF Data Exchange System (VDES), Satellite"},
    {u"VT", u"VHF Data Exchange System (VDES), Terrestrial"},
    {u"VW", u"Velocity Sensor, Speed Log, Water, Mechanical"},
    {u"WD", u"Watertight Door Controller/Monitoring Panel"},
    {u"WI", u"Weather Instruments"},
    {u"WL", u"Water Level Detection Systems"},
    {u"YC", u"Transducer - Temperature (obsolete)"},
    {u"YD", u"Transducer - Displacement, Angular or Linear (obsolete)"},
    {u"YF", u"Transducer - Frequency (obsolete)"},
    {u"YL", u"Transducer - Level (obsolete)"},
    {u"YP", u"Transducer - Pressure (obsolete)"},
    {u"YR", u"Transducer - Flow Rate (obsolete)"},
    {u"YT", u"Transducer - Tachometer (obsolete)"},
    {u"YV", u"Transducer - Volume (obsolete)"},
    {u"YX", u"Transducer"},
    {u"ZA", u"Timekeeper - Atomic Clock"},
    {u"ZC", u"Timekeeper - Chronometer"},
    {u"ZQ", u"Timekeeper - Quartz"},
    {u"ZV", u"Timekeeper - Radio Update, WWV or WWVH"},
};

}  // namespace

const char16_t* TalkerDescription(std::u16string_view id) {
    const TalkerRow* end = kTalkers + sizeof kTalkers / sizeof kTalkers[0];
    const TalkerRow* row =
        std::lower_bound(kTalkers, end, id, [](const TalkerRow& r, std::u16string_view key) {
            return std::u16string_view(r.id) < key;
        });
    return row != end && std::u16string_view(row->id) == id ? row->description : nullptr;
}

void AssignTalkerText(std::u16string& out, std::u16string_view id, const char16_t* description) {
    if (description) {
        out.assign(description);
        return;
    }
    out.assign(u"Unknown - ");
    out.append(id);
}

std::u16string ExpandTalkerId(std::u16string_view id) {
    std::u16string text;
    AssignTalkerText(text, id, TalkerDescription(id));
    return text;
}

}  // namespace rq
