// The coded values of NMEA 0183 fields, as the sentence getters return them.
#pragma once

namespace rq {

enum class NmeaBoolean { Unknown = 0, True = 1, False = 2 };
enum class NorthSouth { Unknown = 0, North = 1, South = 2 };
enum class EastWest { Unknown = 0, East = 1, West = 2 };
enum class LeftRight { Unknown = 0, Left = 1, Right = 2 };

enum class Reference {
    Unknown = 0,
    BottomTrackingLog = 1,                // "B"
    ManuallyEntered = 2,                  // "M"
    WaterReferenced = 3,                  // "W"
    RadarTrackingOfFixedTarget = 4,       // "R"
    PositioningSystemGroundReference = 5  // "P"
};

// The codes are the character values of the field letters.
enum class CommunicationsMode {
    Unknown = 0,
    SimplexTelephone = 100,            // "d"  F3E/G3E
    DuplexTelephone = 101,             // "e"  F3E/G3E
    Telephone = 109,                   // "m"  J3E
    AmplitudeTelephone = 111,          // "o"  H3E
    ForwardErrorCorrectedTelex = 113,  // "q"  F1B/J2B FEC NBDP
    ArqTelex = 115,                    // "s"  F1B/J2B ARQ NBDP
    ReceiveOnlyTeleprinter = 119,      // "w"  F1B/J2B receive only, DSC
    MorseTapeRecorder = 120,           // "x"  A1A
    MorseKeyHeadset = 123,             // "{"  A1A
    FacsimileMachine = 124             // "|"  F1C/F2C/F3C
};

enum class TransducerType {
    Unknown = 0,
    Angular = 'A',
    Temperature = 'C',
    Depth = 'D',
    Frequency = 'F',
    Humidity = 'H',
    Force = 'N',
    Pressure = 'P',
    Flow = 'R',
    Tachometer = 'T',
    Volume = 'V'
};

enum class ChecksumResult { Unknown = 0, Bad = 1, NotBad = 2 };

}  // namespace rq
