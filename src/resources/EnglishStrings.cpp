// The English texts of the string table, by id. Texts are kept exactly as the program
// shows them, odd spellings and spacing included: peers and translations match on them.
#include "resources/EnglishStrings.h"

#include <iterator>

namespace rq::resources {

namespace {

constexpr StringEntry kEnglish[] = {
    {129, u"Map"},
    {130, u"Satellite"},
    {131, u"Info"},
    {135, u"Please select port number."},
    {136, u"Please select boudrate."},
    {137, u"Can not open gps port"},
    {140, u"Error opening gps log file."},
    {142, u"Can not start SMS keeper."},
    {143, u"Select a track first."},
    {146, u"Error saving friend list"},
    {147, u"Are you sure to delete '%s %s'?"},
    {148,
     u"Your position data is invalid, please make sure your device is connected with a GPS "
     u"receiver."},
    {149, u"Sending position signal to '%s %s' failed."},
    {150, u"Your friend list is empty, you have to add friends first."},
    {152, u"Are you sure to clear GPS track record?"},
    {153, u"Save track failed."},
    {155, u"Loading track '%s' failed."},
    {156, u"Deleting track '%s' failed"},
    {157, u"Are you sure to delete track '%s'?"},
    {158, u"Select file first."},
    {159, u"Are you sure to delete file '%s'?"},
    {160, u"Delete file failed"},
    {161, u"Are you sure to reset milestone counter and add an 0 milestone here?"},
    {162, u"Saving track '%s' failed."},
    {163, u"Loading route '%s' failed."},
    {164, u"Fail to stop recording GPS log, try again later."},
    {165, u"Failed to start recording GPS log, try again later."},
    {166, u"You have entered an invalid coordinate!"},
    {168, u"Loading POI '%s' failed."},
    {169, u"Enter track name"},
    {170, u"Enter category name"},
    {171, u"Your input is invalid"},
    {172, u"Are you sure to delete category '%s'?"},
    {173, u"Can not delete default POI category!"},
    {174, u"Delete POI category '%s' failed!"},
    {175, u"Poi category '%s' already exist, please use other name."},
    {176, u"Default POI category can not be edited"},
    {177, u"Can not move this POI, category '%s' not found!"},
    {178, u"Select a POI first"},
    {179,
     u"Gps connection is broken!\n\nMake sure your GPS device is connected firmly. If you are "
     u"using bluetooth GPS receiver, make sure your GPS receiver is in range.\n\nDo you want to "
     u"connect again?"},
    {181, u"Navigate To ..."},
    {182, u"Connect"},
    {183, u"Disconnect"},
    {185, u"Play GPS Log ..."},
    {186, u"Record GPS Log"},
    {187, u"Stop"},
    {189, u"Are you sure to delete '%s'?"},
    {190, u"Delete POI failed."},
    {192, u"No friend selected!"},
    {193, u"Fail to send position message."},
    {194, u"Failed to load default position text."},
    {195, u"Failed to save default position text."},
    {196, u"Failed to save POI file."},
    {197, u"Are you sure to delete this position text?"},
    {199, u"Fail to send POI to friends."},
    {201, u"%Y-%m-%d"},
    {202, u"Stop Recording"},
    {203, u"%H:%M:%S"},
    {205, u"Enter POI file name"},
    {209, u"Are you sure to exit?"},
    {210, u"General"},
    {211, u"Enter file name"},
    {212, u"File already exists, please choose other name."},
    {213, u"Can not rename file."},
    {214, u"<No Name>"},
    {215, u"Can not navigate due to no position information of your friend."},
    {216, u"Local POI"},
    {217, u"Track POI"},
    {218, u"Route POI"},
    {219, u"Friend Position"},
    {220, u"Position Message"},
    {221, u"Here"},
    {222, u"Stop Navigating"},
    {223, u"Your POI is not saved, are you going to save it?"},
    {225, u"Can not get version of OS. program will exit."},
    {230,
     u"Can not access Roamquill directory, If your flash card is write-protected, please disable "
     u"write-protecting."},
    {233,
     u"The Owner Information of your device is not set, we suggest you set this information before "
     u"using Roamquill, otherwise, your device name will not be displayed on your friends device "
     u"when you send your position information to your friends via SMS."},
    {234, u"%H:%M:%S"},
    {237, u"You have to restart Roamquill in order to let  new settings take effect."},
    {241,
     u"This version is designed for Windows Mobile 5.0 for Pocket PC, please use the correct "
     u"version."},
    {243, u"Views"},
    {249, u"feets"},
    {302, u"Menu"},
    {303, u"Port"},
    {304, u"Parking"},
    {305, u"Museum"},
    {306, u"Church"},
    {307, u"Garage"},
    {308, u"Hotel"},
    {309, u"Movie Center"},
    {310, u"Fine Art"},
    {311, u"Gas Station"},
    {312, u"Police Station"},
    {313, u"Fire Station"},
    {314, u"Park"},
    {315, u"Unknown"},
    {316, u"Hospital"},
    {317, u"Medical"},
    {318, u"School"},
    {319, u"Post Office"},
    {320, u"Railway Station"},
    {321, u"Bus Station"},
    {322, u"Shopping"},
    {323, u"Airport"},
    {324, u"Bank"},
    {325, u"Atm"},
    {326, u"Library"},
    {327, u"Mansion"},
    {328, u"Drug Store"},
    {329, u"Sports"},
    {330, u"Entertainment"},
    {331, u"Business"},
    {332, u"Wifi Spot"},
    {333, u"Dining"},
    {334, u"Civilian"},
    {335, u"Others"},
    {336, u"Zoo"},
    {57344, u"Roamquill"},
};

}  // namespace

const StringEntry* EnglishStrings() {
    return kEnglish;
}

std::size_t EnglishStringCount() {
    return std::size(kEnglish);
}

}  // namespace rq::resources
