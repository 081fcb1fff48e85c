#pragma once
// The record of the story's lines, copied from the game's description: every
// entry of the script (its text exactly as written, the night tint it holds,
// or, for a closing entry, what it hands back), the sounds that Return plays on
// reaching a line, and every conversation with the scene where the story opens
// it. Nothing here is taken from the game's code.

#include <vector>

namespace record::dialogue {

struct Entry {
  int index;
  const char* text;  // null: a closing entry, which hides the box
  int nightTint = -1;  // -1: the line leaves the tint alone
  bool exitReady = false;
  bool useReady = false;
  bool threatActive = false;
  int scene = -1;  // -1: the scene stays
};

inline const std::vector<Entry> Script = {
    {0, "MORNING ALREADY...?"},
    {1, "I SHOULD GET READY FOR THE DAY."},
    {2, "I WILL GO BRUSH MY TEETH."},
    {3, nullptr},
    {7, "EVERYTHING HAS BEEN SO BORING LATELY."},
    {8, "I NEED A BREAK FOR A BIT."},
    {9, "HM... WHAT IF I WENT CAMPING?"},
    {10, "I COULD GET SOME PEACE AND QUIET."},
    {11, "I THINK I CAN RENT A CABIN ON MY PC.     //"},
    {12, nullptr},
    {13, "OKAY, THE CABIN IS BOOKED FOR TOMORROW."},
    {14, "HOW ABOUT I WATCH TELEVISION FOR NOW?"},
    {15, nullptr},
    {16, "MORNING AGAIN."},
    {17, "WAIT A MINUTE..."},
    {18, "TODAY IS THE DAY! I GO CAMPING TODAY."},
    {19, "THE CABIN ALREADY HAS STUFF."},
    {20, "THAT MEANS I DO NOT HAVE TO PACK STUFF."},
    {21, "WELL, I MIGHT AS WELL GO NOW THEN."},
    {22, "I WILL GO OUT TO THE CAR."},
    {23, nullptr},
    {24, "WELL, I HOPE THIS IS A GOOD IDEA."},
    {25, "IT SHOULD BE FINE, RIGHT?"},
    {26, "I WAS A KID LAST TIME I CAMPED."},
    {27, "I USED TO LOVE CAMPING BACK THEN."},
    {28, "I HOPE THIS WILL BE BETTER THAN BEFORE."},
    {29, "I SHOULD ARRIVE AT THE FOREST SOON."},
    {30, nullptr},
    {31, "SO THIS MUST BE THE CABIN?"},
    {32, "THE PHOTO LOOKED BETTER ONLINE."},
    {33, "I GUESS IT COULD BE WORSE THOUGH."},
    {34, nullptr},
    {35, "HM. I GUESS THIS IS NOT SO BAD."},
    {36, "THIS IS ACTUALLY KIND OF COZY."},
    {37, "I AM A BIT HUNGRY THOUGH."},
    {38, "THAT WAS A LOT OF WALKING."},
    {39, "I THINK IT SAID THERE IS FOOD HERE."},
    {40, nullptr},
    {41, "THIS DOES NOT TASTE SUPER GOOD..."},
    {42, "HMMM..."},
    {43, "I KIND OF WANT TO START A CAMPFIRE."},
    {44, "THAT WOULD BE A GREAT WAY TO RELAX."},
    {45, "I SHOULD GO NOW BEFORE IT GETS TOO DARK."},
    {46, "I HAVE A LIGHTER IN MY POCKET TO USE."},
    {47, "YOU NEVER KNOW WHEN IT COMES IN HANDY."},
    {48, "BUT FIRST, I WANT TO SEE THE BEDROOM."},
    {49, "THEN I WILL GO OUT."},
    {50, nullptr, -1, true, false, false, -1},
    {51, "THIS SEEMS LIKE A NICE ROOM."},
    {52, "IT IS SIMPLE YET SO COZY."},
    {53, "I SHOULD GET TO THE CAMPFIRE NOW."},
    {54, nullptr, -1, true, false, false, -1},
    {55, "AH, THIS IS REALLY NICE."},
    {56, "IT IS SO WARM AND RELAXING.", 50},
    {57, "IT LOOKS MESMERIZING TO LOOK AT TOO!", 60},
    {58, "OTHER THAN WHEN SMOKE GETS IN MY EYES."},
    {59, "..."},
    {60, "TOMORROW I MIGHT GO FISHING."},
    {61, "I SAW A FISHING ROD IN THE KITCHEN.", 70},
    {62, "I WONDER WHERE THE LAKE IS."},
    {63, "I BET I COULD FIND IT BY MYSELF."},
    {64, "ANYWAY, THE FIRE IS STARTING TO DIE."},
    {65, "IT SHOULD LAST A LITTLE LONGER THOUGH.", 90},
    {66, "..."},
    {67, "ACTUALLY I SHOULD PROBABLY GO IN NOW."},
    {68, "THE FIRE WILL PUT ITSELF OUT SOON."},
    {69, nullptr, -1, true, false, false, -1},
    {70, "HM.. I HAVE TO GO TO THE BATHROOM."},
    {71, nullptr},
    {72, "TO BE HONEST I AM A BIT THIRSTY..."},
    {73, "WELL, TAP WATER IT IS I GUESS."},
    {74, nullptr},
    {75, "WHAT...?"},
    {76, "YOU HAVE TO BE KIDDING ME."},
    {77, "THE SINK IS BROKEN..."},
    {78, "I THINK I HAVE A WATER BOTTLE IN MY CAR."},
    {79, "I WILL GO OUT AND GET IT."},
    {80, nullptr, -1, true, false, false, -1},
    {81, "HM... I AM PRETTY TIRED..."},
    {82, "I BETTER GO TO BED NOW..."},
    {83, nullptr},
    {84, "..."},
    {85, "A NEW DAY..."},
    {86, "I SHOULD GO EAT SOMETHING."},
    {87, "AND GO BRUSH MY TEETH."},
    {88, nullptr},
    {89, "GROSS... AT LEAST IT IS SOMEWHAT EDIBLE."},
    {90, "ANYWAY, I SHOULD BRUSH MY TEETH NOW."},
    {91, nullptr, -1, true, false, false, -1},
    {92, "WOAH, THIS IS BEAUTIFUL!"},
    {93, "IT IS SO PEACEFUL OUT HERE."},
    {94, "THE LAKE IS BETTER THAN I IMAGINED."},
    {95, "I HOPE I CAN CATCH SOMETHING."},
    {96, nullptr, -1, false, true, false, 61},
    {97, "OKAY, THAT WAS A BIT OF FISHING.", 10},
    {98, "I AM GOING TO RELEASE THE FISH BACK."},
    {99, "I DO FEEL A LITTLE CRUEL THOUGH.", 20},
    {100, "AFTER ALL, IT MUST HURT THEM A BIT."},
    {101, "THAT HOOK IS PRETTY BIG AND SHARP.", 30},
    {102, "I SHOULD HEAD BACK TO THE CABIN."},
    {103, nullptr, -1, true, false, false, -1},
    {104, "I AM GOING TO PUT THE FISHING ROD AWAY."},
    {105, "BACK IN THE KITCHEN."},
    {106, nullptr},
    {107, "WELL, NOW WHAT SHOULD I DO?"},
    {108, "HM..."},
    {109, "I WILL JUST WATCH SOME TELEVISION."},
    {110, nullptr},
    {111, "OH IS THAT THE PHONE?"},
    {112, "WHY WOULD ANYBODY BE CALLING ME?"},
    {113, "MAYBE IT IS THE OWNER OF THE CABIN?"},
    {114, "I DO NOT KNOW ANYTHING ABOUT THIS GUY."},
    {115, "AND IF IT WAS HIM, WHY WOULD HE CALL?"},
    {116, "OH WELL. I WILL GO ANSWER IT."},
    {117, nullptr, -1, true, false, false, -1},
    {118, "UH HELLO?"},
    {119, "WHO IS THIS?"},
    {120, "..."},
    {121, "ANSWER ME ALREADY!"},
    {122, nullptr, -1, false, true, false, 72},
    {123, "WHAT A WASTE OF MY TIME."},
    {124, "WELL, I SHOULD GO TO THE CAMPFIRE."},
    {125, "BEFORE IT GETS TOO DARK."},
    {126, nullptr},
    {127, "MMH... SO PEACEFUL..."},
    {128, "I FIND THE WOODS SO CALMING."},
    {129, "WELL, MOST OF THE TIME...", 135},
    {130, "SHOULD I STAY OR LEAVE TOMORROW? HMM...?"},
    {131, "...", 140},
    {132, "UH... THAT WAS AN ANIMAL... RIGHT?"},
    {133, "HELLO...?"},
    {134, "IS ANYONE OUT THERE...?"},
    {135, "..."},
    {136, "I AM NOT GOING TO DEAL WITH THIS CRAP."},
    {137, "I AM HEADING BACK INSIDE."},
    {138, nullptr, -1, true, false, false, -1},
    {139, "UHM... IS THAT A PHOTO?"},
    {140, "WAS THIS HERE BEFORE? UHH."},
    {141, "SOMEBODY REALLY IS HERE... FOR A FACT."},
    {142, nullptr, -1, false, true, false, -1},
    {143, "..."},
    {144, "NO WAY..."},
    {145, "I NEED TO GO INSIDE NOW."},
    {146, nullptr},
    {147, "..."},
    {148, "I AM JUST GOING TO GO TO BED."},
    {149, nullptr},
    {150, "GOODNIGHT..."},
    {151, "I AM GOING TO LEAVE TOMORROW."},
    {152, "THIS WHOLE TRIP HAS BEEN VERY SKETCHY..."},
    {153, "UHH..."},
    {154, "I AM NOT ANSWERING THAT..."},
    {155, "SILENT... STAY SILENT..."},
    {156, "QUIET AS A MOUSE..."},
    {157, "..."},
    {158, "OH MY GOODNESS..."},
    {159, "I NEED TO HIDE NOW!"},
    {160, "WHAT ABOUT THE CLOSET!?"},
    {161, nullptr, -1, true, false, true, -1},
    {162, "I... I THINK WHATEVER THAT WAS..."},
    {163, "IS GONE..."},
    {164, "I AM GOING TO RUN OUT."},
    {165, "AND CALL THE POLICE."},
    {166, "HOW HARD COULD IT BE...?"},
    {167, nullptr, -1, true, false, false, -1},
    {168, "NO... NO... NO!"},
    {169, "THE PHONE IS GONE!"},
    {170, "THAT MEANS..."},
    {171, "I HAVE TO WALK OUT TO MY CAR."},
    {172, "IF I CAN GET TO THE CAR I AM SAFE."},
    {173, nullptr, -1, true, false, false, 88},
    {1000, "I THINK I WILL GO FISHING."},
    {1001, "THE FISHING ROD IS AT THE LEFT CORNER."},
    {1002, nullptr},
};

inline constexpr const char* Click = "Assets/Audio/Click.mp3";

struct Cue {
  int index;
  const char* sound;
};

// Played with the click when Return reaches the line.
inline const std::vector<Cue> SoundCues = {
    {57, "Assets/Audio/IdkWhatToNameThis.mp3"}, {61, "Assets/Audio/ItWalkingOnGrass.mp3"},
    {130, "Assets/Audio/ItRunningOnGrass.mp3"}, {152, "Assets/Audio/KnockKnock.mp3"},
    {155, "Assets/Audio/KnockKnockKnock.mp3"},  {157, "Assets/Audio/GlassShatter.mp3"},
};

struct Conversation {
  int first;
  int closing;
  int scene;  // where the story shows it
};

// In the order the story opens them.
inline const std::vector<Conversation> Conversations = {
    {0, 3, 0},       {7, 12, 8},      {13, 15, 11},    {16, 23, 14},    {24, 30, 18},    {31, 34, 22},
    {35, 40, 24},    {41, 50, 26},    {51, 54, 28},    {55, 69, 31},    {70, 71, 33},    {72, 74, 38},
    {75, 80, 39},    {81, 83, 47},    {84, 88, 50},    {89, 91, 53},    {1000, 1002, 58}, {92, 96, 62},
    {97, 103, 62},   {104, 106, 65},  {107, 110, 68},  {111, 117, 69},  {118, 122, 71},  {123, 126, 74},
    {127, 138, 78},  {139, 142, 79},  {143, 146, 80},  {147, 149, 81},  {150, 161, 83},  {162, 167, 85},
    {168, 173, 86},
};

inline const Entry* Find(int index) {
  for (const Entry& entry : Script)
    if (entry.index == index) return &entry;
  return nullptr;
}

// Blanking before a line is written: lines 1 to 9 leave spaces at 0..47 and a
// NUL at 48, lines from 10 on spaces at 0..46 and a NUL at 47; line 0 is
// written over the untouched text. The box scans 50 characters.
inline int BlankEnd(int index) { return index < 10 ? 48 : 47; }

}  // namespace record::dialogue
