#pragma once
// The game's 110 pictures as the game's description lists them, in the order in
// which they are loaded and checked: each name (also the text of its failure
// message) and its file under "Assets/Sprites/". Written out by hand from the
// description, never from the game's own catalog, so the tests can hold the
// catalog against it.

namespace record {

inline constexpr const char SpritesFolder[] = "Assets/Sprites/";

struct Picture {
  const char* name;
  const char* file;  // after SpritesFolder
};

inline constexpr Picture Pictures[110] = {
    {"HouseBedRoomBedTexture", "HouseBedRoomBed.png"},
    {"HouseBedRoomMiddleTexture", "HouseBedRoomMiddle.png"},
    {"LivingRoomTexture", "HouseLivingRoom.png"},
    {"KitchenTexture", "Kitchen.png"},
    {"BathroomTexture", "Bathroom.png"},
    {"BathroomSinkTexture", "BathroomSink.png"},
    {"KitchenTwoTexture", "KitchenTwo.png"},
    {"LivingRoomTwoTexture", "HouseLivingRoomTwo.png"},
    {"BedRoomThreeTexture", "HouseBedRoomThree.png"},
    {"ComputerOffTexture", "ComputerOff.png"},
    {"ComputerCabinRentalsTexture", "ComputerCabinRentals.png"},
    {"CursorTexture", "Cursor.png"},
    {"ComputerCabinBookedTexture", "ComputerCabinBooked.png"},
    {"HouseTelevisionTexture", "HouseTelevision.png"},
    {"NeighborhoodTexture", "Neighborhood.png"},
    {"ForestEntranceTexture", "ForestEntrance.png"},
    {"ForestCabinTexture", "ForestCabin.png"},
    {"CabinTexture", "Cabin.png"},
    {"CabinKitchenTexture", "CabinKitchen.png"},
    {"CabinInsideTwoTexture", "CabinInsideTwo.png"},
    {"CabinBedRoomTexture", "CabinBedRoom.png"},
    {"CabinInsideThreeTexture", "CabinInsideThree.png"},
    {"CabinInsideTexture", "CabinInside.png"},
    {"CampfireTexture", "Campfire.png"},
    {"CabinBathroomTexture", "CabinBathroom.png"},
    {"CabinKitchenTwoTexture", "CabinKitchenTwo.png"},
    {"CabinOutsideTexture", "CabinOutside.png"},
    {"ForestCarTexture", "ForestCar.png"},
    {"CabinBedTexture", "CabinBed.png"},
    {"CabinKitchenUhOhTexture", "CabinKitchenUhOh.png"},
    {"CabinSinkTexture", "CabinSink.png"},
    {"LakeTexture", "Animations/LakeAnim/Lake.png"},
    {"LakeTwoTexture", "Animations/LakeAnim/LakeTwo.png"},
    {"CabinTVTexture", "CabinTV.png"},
    {"CabinKitchenNoRodTexture", "CabinKitchenUhOhFishingRodNO.png"},
    {"MoveTexture", "Move.png"},
    {"UseTexture", "Use.png"},
    {"ToothBrushTexture", "Toothbrush.png"},
    {"LettersTexture", "Letters.png"},
    {"PizzaTexture", "Pizza.png"},
    {"SymbolsTexture", "Symbols.png"},
    {"NextDayTexture", "Next_Day.png"},
    {"SoupTexture", "Soup.png"},
    {"LighterTexture", "Lighter.png"},
    {"ScanlinesTexture", "Scanlines.png"},
    {"WaterBottleTexture", "WaterBottle.png"},
    {"WalkTexture", "Walk.png"},
    {"MenuTexture", "TitleScreen.png"},
    {"StaticTexture", "Static.png"},
    {"FishingRodTexture", "FishingRod.png"},
    {"FishingRodUsingTexture", "FishingRodUsing.png"},
    {"ClickALotTexture", "ClickALot.png"},
    {"HouseWalkMiddleOneTexture", "Animations/GettingOutOfBedHouse/HouseBedRoomWalk0001.png"},
    {"HouseWalkMiddleTwoTexture", "Animations/GettingOutOfBedHouse/HouseBedRoomWalk0002.png"},
    {"HouseWalkMiddleThreeTexture", "Animations/GettingOutOfBedHouse/HouseBedRoomWalk0003.png"},
    {"CarDriveOneTexture", "Animations/CarAnimOne/0001.png"},
    {"CarDriveTwoTexture", "Animations/CarAnimOne/0002.png"},
    {"CarDriveThreeTexture", "Animations/CarAnimOne/0003.png"},
    {"CarDriveFourTexture", "Animations/CarAnimOne/0004.png"},
    {"CarDriveFiveTexture", "Animations/CarAnimOne/0005.png"},
    {"CarDriveSixTexture", "Animations/CarAnimOne/0006.png"},
    {"CarDriveTwoOneTexture", "Animations/CarAnimTwo/0001.png"},
    {"CarDriveTwoTwoTexture", "Animations/CarAnimTwo/0002.png"},
    {"CarDriveTwoThreeTexture", "Animations/CarAnimTwo/0003.png"},
    {"CarDriveTwoFourTexture", "Animations/CarAnimTwo/0004.png"},
    {"CarDriveTwoFiveTexture", "Animations/CarAnimTwo/0005.png"},
    {"CarDriveTwoSixTexture", "Animations/CarAnimTwo/0006.png"},
    {"CarDriveTwoSevenTexture", "Animations/CarAnimTwo/0007.png"},
    {"CarDriveTwoEightTexture", "Animations/CarAnimTwo/0008.png"},
    {"ForestWalkOneTexture", "Animations/WalkingToCabin/0001.png"},
    {"ForestWalkTwoTexture", "Animations/WalkingToCabin/0002.png"},
    {"ForestWalkThreeTexture", "Animations/WalkingToCabin/0003.png"},
    {"ForestWalkFourTexture", "Animations/WalkingToCabin/0004.png"},
    {"ForestWalkFiveTexture", "Animations/WalkingToCabin/0005.png"},
    {"ForestWalkSixTexture", "Animations/WalkingToCabin/0006.png"},
    {"ForestWalkSevenTexture", "Animations/WalkingToCabin/0007.png"},
    {"ForestWalkEightTexture", "Animations/WalkingToCabin/0008.png"},
    {"ForestWalkNineTexture", "Animations/WalkingToCabin/0009.png"},
    {"ForestWalkTenTexture", "Animations/WalkingToCabin/0010.png"},
    {"ForestWalkElevenTexture", "Animations/WalkingToCabin/0011.png"},
    {"ForestWalkTwelveTexture", "Animations/WalkingToCabin/0012.png"},
    {"ForestWalkThirteenTexture", "Animations/WalkingToCabin/0013.png"},
    {"ForestWalkFourteenTexture", "Animations/WalkingToCabin/0014.png"},
    {"ForestWalkFifteenTexture", "Animations/WalkingToCabin/0015.png"},
    {"LeaveCabinOneTexture", "Animations/LeaveCabinAnim/0001.png"},
    {"LeaveCabinTwoTexture", "Animations/LeaveCabinAnim/0002.png"},
    {"LeaveCabinThreeTexture", "Animations/LeaveCabinAnim/0003.png"},
    {"LeaveCabinFourTexture", "Animations/LeaveCabinAnim/0004.png"},
    {"LeaveCabinFiveTexture", "Animations/LeaveCabinAnim/0005.png"},
    {"CampfireOneTexture", "Animations/CampfireAnim/0001.png"},
    {"CampfireTwoTexture", "Animations/CampfireAnim/0002.png"},
    {"CampfireThreeTexture", "Animations/CampfireAnim/0003.png"},
    {"WalkToLakeTexture", "Animations/WalkToLakeAnim/WalkToLake.png"},
    {"WalkToPhoneTexture", "Animations/WalkToPhoneAnim/WalkToPhone.png"},
    {"TelephoneTexture", "Telephone.png"},
    {"TelephoneUseTexture", "TelephoneUsing.png"},
    {"CabinInsideFourTexture", "CabinInsideFour.png"},
    {"CabinPhotoTexture", "CabinPhoto.png"},
    {"PhotoTexture", "Photo.png"},
    {"CabinClosetTexture", "CabinCloset.png"},
    {"GameOverTexture", "GameOver.png"},
    {"ClosetInsideTexture", "Animations/InsideClosetAnim/InsideClosetSheet.png"},
    {"NoPhoneCabinTexture", "NoPhoneLivingRoom.png"},
    {"DriveAwaySheetTexture", "Animations/EndingDriveAway/SpriteSheet.png"},
    {"ThxForPlayTexture", "ThanksForPlaying.png"},
    {"KitchenCloseTexture", "HouseKitchenClose.png"},
    {"IntroTexture", "Intro.png"},
    {"TipTexture", "Tip.png"},
    {"ItGetsAwaySheetTexture", "Animations/ItGettingAwayAnim/spritesheet.png"},
    {"JumpscareTexture", "Jumpscare (Don't look this spoils the game. Look after gameplay)/Jumpscare.png"},
};

// Settings made once before the title, in this order: blending, then alpha
// modulation, then nearest-neighbour scaling. The ninth of the nearest list is
// whatever the backdrop is at that moment: the bedroom the game starts in.
inline constexpr const char* BlendedAtStart[3] = {"StaticTexture", "IntroTexture", "TipTexture"};

struct AlphaSetting {
  const char* name;
  int alpha;
};
inline constexpr AlphaSetting AlphaAtStart[3] = {{"ScanlinesTexture", 100}, {"StaticTexture", 5}, {"TipTexture", 255}};

inline constexpr const char* NearestAtStart[23] = {
    "MoveTexture",
    "UseTexture",
    "ToothBrushTexture",
    "LettersTexture",
    "PizzaTexture",
    "SymbolsTexture",
    "CursorTexture",
    "NextDayTexture",
    "HouseBedRoomBedTexture",
    "LighterTexture",
    "WaterBottleTexture",
    "WalkTexture",
    "MenuTexture",
    "StaticTexture",
    "SoupTexture",
    "FishingRodTexture",
    "FishingRodUsingTexture",
    "ClickALotTexture",
    "WalkToLakeTexture",
    "IntroTexture",
    "TipTexture",
    "JumpscareTexture",
    "PhotoTexture",
};

}  // namespace record
