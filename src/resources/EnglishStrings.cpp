// The English texts of the string table, by id. Texts are kept exactly as the program
// shows them, odd spellings and spacing included: peers and translations match on them.
#include "resources/EnglishStrings.h"

#include <iterator>

namespace rq::resources {

namespace {

constexpr StringEntry kEnglish[] = {
    {StringId::Map, u"Map"},
    {StringId::Satellite, u"Satellite"},
    {StringId::Info, u"Info"},
    {StringId::PleaseSelectPortNumber, u"Please select port number."},
    {StringId::PleaseSelectBoudrate, u"Please select boudrate."},
    {StringId::CanNotOpenGpsPort, u"Can not open gps port"},
    {StringId::ErrorOpeningGpsLogFile, u"Error opening gps log file."},
    {StringId::CanNotStartSmsKeeper, u"Can not start SMS keeper."},
    {StringId::SelectATrackFirst, u"Select a track first."},
    {StringId::ErrorSavingFriendList, u"Error saving friend list"},
    {StringId::AreYouSureToDeleteFriend, u"Are you sure to delete '%s %s'?"},
    {StringId::YourPositionDataIsInvalid,
     u"Your position data is invalid, please make sure your device is connected with a GPS "
     u"receiver."},
    {StringId::SendingPositionSignalFailed, u"Sending position signal to '%s %s' failed."},
    {StringId::YourFriendListIsEmpty, u"Your friend list is empty, you have to add friends first."},
    {StringId::AreYouSureToClearGpsTrackRecord, u"Are you sure to clear GPS track record?"},
    {StringId::SaveTrackFailed, u"Save track failed."},
    {StringId::LoadingTrackFailed, u"Loading track '%s' failed."},
    {StringId::DeletingTrackFailed, u"Deleting track '%s' failed"},
    {StringId::AreYouSureToDeleteTrack, u"Are you sure to delete track '%s'?"},
    {StringId::SelectFileFirst, u"Select file first."},
    {StringId::AreYouSureToDeleteFile, u"Are you sure to delete file '%s'?"},
    {StringId::DeleteFileFailed, u"Delete file failed"},
    {StringId::AreYouSureToResetMilestoneCounter,
     u"Are you sure to reset milestone counter and add an 0 milestone here?"},
    {StringId::SavingTrackFailed, u"Saving track '%s' failed."},
    {StringId::LoadingRouteFailed, u"Loading route '%s' failed."},
    {StringId::FailToStopRecordingGpsLog, u"Fail to stop recording GPS log, try again later."},
    {StringId::FailedToStartRecordingGpsLog,
     u"Failed to start recording GPS log, try again later."},
    {StringId::YouHaveEnteredAnInvalidCoordinate, u"You have entered an invalid coordinate!"},
    {StringId::LoadingPoiFailed, u"Loading POI '%s' failed."},
    {StringId::EnterTrackName, u"Enter track name"},
    {StringId::EnterCategoryName, u"Enter category name"},
    {StringId::YourInputIsInvalid, u"Your input is invalid"},
    {StringId::AreYouSureToDeleteCategory, u"Are you sure to delete category '%s'?"},
    {StringId::CanNotDeleteDefaultPoiCategory, u"Can not delete default POI category!"},
    {StringId::DeletePoiCategoryFailed, u"Delete POI category '%s' failed!"},
    {StringId::PoiCategoryAlreadyExist, u"Poi category '%s' already exist, please use other name."},
    {StringId::DefaultPoiCategoryCanNotBeEdited, u"Default POI category can not be edited"},
    {StringId::CanNotMoveThisPoi, u"Can not move this POI, category '%s' not found!"},
    {StringId::SelectAPoiFirst, u"Select a POI first"},
    {StringId::GpsConnectionIsBroken,
     u"Gps connection is broken!\n\nMake sure your GPS device is connected firmly. If you are "
     u"using bluetooth GPS receiver, make sure your GPS receiver is in range.\n\nDo you want to "
     u"connect again?"},
    {StringId::NavigateTo, u"Navigate To ..."},
    {StringId::Connect, u"Connect"},
    {StringId::Disconnect, u"Disconnect"},
    {StringId::PlayGpsLog, u"Play GPS Log ..."},
    {StringId::RecordGpsLog, u"Record GPS Log"},
    {StringId::Stop, u"Stop"},
    {StringId::AreYouSureToDeletePoi, u"Are you sure to delete '%s'?"},
    {StringId::DeletePoiFailed, u"Delete POI failed."},
    {StringId::NoFriendSelected, u"No friend selected!"},
    {StringId::FailToSendPositionMessage, u"Fail to send position message."},
    {StringId::FailedToLoadDefaultPositionText, u"Failed to load default position text."},
    {StringId::FailedToSaveDefaultPositionText, u"Failed to save default position text."},
    {StringId::FailedToSavePoiFile, u"Failed to save POI file."},
    {StringId::AreYouSureToDeleteThisPositionText, u"Are you sure to delete this position text?"},
    {StringId::FailToSendPoiToFriends, u"Fail to send POI to friends."},
    {StringId::DateFormat, u"%Y-%m-%d"},
    {StringId::StopRecording, u"Stop Recording"},
    {StringId::TimeSpanFormat, u"%H:%M:%S"},
    {StringId::EnterPoiFileName, u"Enter POI file name"},
    {StringId::AreYouSureToExit, u"Are you sure to exit?"},
    {StringId::General, u"General"},
    {StringId::EnterFileName, u"Enter file name"},
    {StringId::FileAlreadyExists, u"File already exists, please choose other name."},
    {StringId::CanNotRenameFile, u"Can not rename file."},
    {StringId::NoName, u"<No Name>"},
    {StringId::CanNotNavigateToFriend,
     u"Can not navigate due to no position information of your friend."},
    {StringId::LocalPoi, u"Local POI"},
    {StringId::TrackPoi, u"Track POI"},
    {StringId::RoutePoi, u"Route POI"},
    {StringId::FriendPosition, u"Friend Position"},
    {StringId::PositionMessage, u"Position Message"},
    {StringId::Here, u"Here"},
    {StringId::StopNavigating, u"Stop Navigating"},
    {StringId::YourPoiIsNotSaved, u"Your POI is not saved, are you going to save it?"},
    {StringId::CanNotGetVersionOfOs, u"Can not get version of OS. program will exit."},
    {StringId::CanNotAccessRoamquillDirectory,
     u"Can not access Roamquill directory, If your flash card is write-protected, please disable "
     u"write-protecting."},
    {StringId::OwnerInformationIsNotSet,
     u"The Owner Information of your device is not set, we suggest you set this information before "
     u"using Roamquill, otherwise, your device name will not be displayed on your friends device "
     u"when you send your position information to your friends via SMS."},
    {StringId::ClockFormat, u"%H:%M:%S"},
    {StringId::YouHaveToRestartRoamquill,
     u"You have to restart Roamquill in order to let  new settings take effect."},
    {StringId::DesignedForWindowsMobile5,
     u"This version is designed for Windows Mobile 5.0 for Pocket PC, please use the correct "
     u"version."},
    {StringId::Views, u"Views"},
    {StringId::Feets, u"feets"},
    {StringId::Menu, u"Menu"},
    {StringId::Port, u"Port"},
    {StringId::Parking, u"Parking"},
    {StringId::Museum, u"Museum"},
    {StringId::Church, u"Church"},
    {StringId::Garage, u"Garage"},
    {StringId::Hotel, u"Hotel"},
    {StringId::MovieCenter, u"Movie Center"},
    {StringId::FineArt, u"Fine Art"},
    {StringId::GasStation, u"Gas Station"},
    {StringId::PoliceStation, u"Police Station"},
    {StringId::FireStation, u"Fire Station"},
    {StringId::Park, u"Park"},
    {StringId::Unknown, u"Unknown"},
    {StringId::Hospital, u"Hospital"},
    {StringId::Medical, u"Medical"},
    {StringId::School, u"School"},
    {StringId::PostOffice, u"Post Office"},
    {StringId::RailwayStation, u"Railway Station"},
    {StringId::BusStation, u"Bus Station"},
    {StringId::Shopping, u"Shopping"},
    {StringId::Airport, u"Airport"},
    {StringId::Bank, u"Bank"},
    {StringId::Atm, u"Atm"},
    {StringId::Library, u"Library"},
    {StringId::Mansion, u"Mansion"},
    {StringId::DrugStore, u"Drug Store"},
    {StringId::Sports, u"Sports"},
    {StringId::Entertainment, u"Entertainment"},
    {StringId::Business, u"Business"},
    {StringId::WifiSpot, u"Wifi Spot"},
    {StringId::Dining, u"Dining"},
    {StringId::Civilian, u"Civilian"},
    {StringId::Others, u"Others"},
    {StringId::Zoo, u"Zoo"},
    {StringId::Roamquill, u"Roamquill"},
};

}  // namespace

const StringEntry* EnglishStrings() {
    return kEnglish;
}

std::size_t EnglishStringCount() {
    return std::size(kEnglish);
}

}  // namespace rq::resources
