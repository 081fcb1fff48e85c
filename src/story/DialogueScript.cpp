#include "story/DialogueScript.h"

#include <array>
#include <cstring>

namespace {

// Lines 0 to 173, by index. Lines 4 to 6 are never reached: nothing opens the
// box on 4, and the brushing that follows the first morning's lines ends with
// the box closed. They are kept so the script reads whole.
constexpr std::array<DialogueEntry, 174> Script = {{
    /*   0 */ {.text = "MORNING ALREADY...?"},
    /*   1 */ {.text = "I SHOULD GET READY FOR THE DAY."},
    /*   2 */ {.text = "I WILL GO BRUSH MY TEETH."},
    /*   3 */ {},
    /*   4 */ {.text = "HM.. I SHOULD PROBABLY EAT SOMETHING."},
    /*   5 */ {.text = "I THINK I HAVE SOME LEFTOVERS."},
    /*   6 */ {},
    /*   7 */ {.text = "EVERYTHING HAS BEEN SO BORING LATELY."},
    /*   8 */ {.text = "I NEED A BREAK FOR A BIT."},
    /*   9 */ {.text = "HM... WHAT IF I WENT CAMPING?"},
    /*  10 */ {.text = "I COULD GET SOME PEACE AND QUIET."},
    /*  11 */ {.text = "I THINK I CAN RENT A CABIN ON MY PC.     //"},
    /*  12 */ {},
    /*  13 */ {.text = "OKAY, THE CABIN IS BOOKED FOR TOMORROW."},
    /*  14 */ {.text = "HOW ABOUT I WATCH TELEVISION FOR NOW?"},
    /*  15 */ {},
    /*  16 */ {.text = "MORNING AGAIN."},
    /*  17 */ {.text = "WAIT A MINUTE..."},
    /*  18 */ {.text = "TODAY IS THE DAY! I GO CAMPING TODAY."},
    /*  19 */ {.text = "THE CABIN ALREADY HAS STUFF."},
    /*  20 */ {.text = "THAT MEANS I DO NOT HAVE TO PACK STUFF."},
    /*  21 */ {.text = "WELL, I MIGHT AS WELL GO NOW THEN."},
    /*  22 */ {.text = "I WILL GO OUT TO THE CAR."},
    /*  23 */ {},
    /*  24 */ {.text = "WELL, I HOPE THIS IS A GOOD IDEA."},
    /*  25 */ {.text = "IT SHOULD BE FINE, RIGHT?"},
    /*  26 */ {.text = "I WAS A KID LAST TIME I CAMPED."},
    /*  27 */ {.text = "I USED TO LOVE CAMPING BACK THEN."},
    /*  28 */ {.text = "I HOPE THIS WILL BE BETTER THAN BEFORE."},
    /*  29 */ {.text = "I SHOULD ARRIVE AT THE FOREST SOON."},
    /*  30 */ {},
    /*  31 */ {.text = "SO THIS MUST BE THE CABIN?"},
    /*  32 */ {.text = "THE PHOTO LOOKED BETTER ONLINE."},
    /*  33 */ {.text = "I GUESS IT COULD BE WORSE THOUGH."},
    /*  34 */ {},
    /*  35 */ {.text = "HM. I GUESS THIS IS NOT SO BAD."},
    /*  36 */ {.text = "THIS IS ACTUALLY KIND OF COZY."},
    /*  37 */ {.text = "I AM A BIT HUNGRY THOUGH."},
    /*  38 */ {.text = "THAT WAS A LOT OF WALKING."},
    /*  39 */ {.text = "I THINK IT SAID THERE IS FOOD HERE."},
    /*  40 */ {},
    /*  41 */ {.text = "THIS DOES NOT TASTE SUPER GOOD..."},
    /*  42 */ {.text = "HMMM..."},
    /*  43 */ {.text = "I KIND OF WANT TO START A CAMPFIRE."},
    /*  44 */ {.text = "THAT WOULD BE A GREAT WAY TO RELAX."},
    /*  45 */ {.text = "I SHOULD GO NOW BEFORE IT GETS TOO DARK."},
    /*  46 */ {.text = "I HAVE A LIGHTER IN MY POCKET TO USE."},
    /*  47 */ {.text = "YOU NEVER KNOW WHEN IT COMES IN HANDY."},
    /*  48 */ {.text = "BUT FIRST, I WANT TO SEE THE BEDROOM."},
    /*  49 */ {.text = "THEN I WILL GO OUT."},
    /*  50 */ {.exitReady = true},
    /*  51 */ {.text = "THIS SEEMS LIKE A NICE ROOM."},
    /*  52 */ {.text = "IT IS SIMPLE YET SO COZY."},
    /*  53 */ {.text = "I SHOULD GET TO THE CAMPFIRE NOW."},
    /*  54 */ {.exitReady = true},
    /*  55 */ {.text = "AH, THIS IS REALLY NICE."},
    /*  56 */ {.text = "IT IS SO WARM AND RELAXING.", .nightTint = 50},
    /*  57 */ {.text = "IT LOOKS MESMERIZING TO LOOK AT TOO!", .nightTint = 60},
    /*  58 */ {.text = "OTHER THAN WHEN SMOKE GETS IN MY EYES."},
    /*  59 */ {.text = "..."},
    /*  60 */ {.text = "TOMORROW I MIGHT GO FISHING."},
    /*  61 */ {.text = "I SAW A FISHING ROD IN THE KITCHEN.", .nightTint = 70},
    /*  62 */ {.text = "I WONDER WHERE THE LAKE IS."},
    /*  63 */ {.text = "I BET I COULD FIND IT BY MYSELF."},
    /*  64 */ {.text = "ANYWAY, THE FIRE IS STARTING TO DIE."},
    /*  65 */ {.text = "IT SHOULD LAST A LITTLE LONGER THOUGH.", .nightTint = 90},
    /*  66 */ {.text = "..."},
    /*  67 */ {.text = "ACTUALLY I SHOULD PROBABLY GO IN NOW."},
    /*  68 */ {.text = "THE FIRE WILL PUT ITSELF OUT SOON."},
    /*  69 */ {.exitReady = true},
    /*  70 */ {.text = "HM.. I HAVE TO GO TO THE BATHROOM."},
    /*  71 */ {},
    /*  72 */ {.text = "TO BE HONEST I AM A BIT THIRSTY..."},
    /*  73 */ {.text = "WELL, TAP WATER IT IS I GUESS."},
    /*  74 */ {},
    /*  75 */ {.text = "WHAT...?"},
    /*  76 */ {.text = "YOU HAVE TO BE KIDDING ME."},
    /*  77 */ {.text = "THE SINK IS BROKEN..."},
    /*  78 */ {.text = "I THINK I HAVE A WATER BOTTLE IN MY CAR."},
    /*  79 */ {.text = "I WILL GO OUT AND GET IT."},
    /*  80 */ {.exitReady = true},
    /*  81 */ {.text = "HM... I AM PRETTY TIRED..."},
    /*  82 */ {.text = "I BETTER GO TO BED NOW..."},
    /*  83 */ {},
    /*  84 */ {.text = "..."},
    /*  85 */ {.text = "A NEW DAY..."},
    /*  86 */ {.text = "I SHOULD GO EAT SOMETHING."},
    /*  87 */ {.text = "AND GO BRUSH MY TEETH."},
    /*  88 */ {},
    /*  89 */ {.text = "GROSS... AT LEAST IT IS SOMEWHAT EDIBLE."},
    /*  90 */ {.text = "ANYWAY, I SHOULD BRUSH MY TEETH NOW."},
    /*  91 */ {.exitReady = true},
    /*  92 */ {.text = "WOAH, THIS IS BEAUTIFUL!"},
    /*  93 */ {.text = "IT IS SO PEACEFUL OUT HERE."},
    /*  94 */ {.text = "THE LAKE IS BETTER THAN I IMAGINED."},
    /*  95 */ {.text = "I HOPE I CAN CATCH SOMETHING."},
    /*  96 */ {.useReady = true, .scene = 61},
    /*  97 */ {.text = "OKAY, THAT WAS A BIT OF FISHING.", .nightTint = 10},
    /*  98 */ {.text = "I AM GOING TO RELEASE THE FISH BACK."},
    /*  99 */ {.text = "I DO FEEL A LITTLE CRUEL THOUGH.", .nightTint = 20},
    /* 100 */ {.text = "AFTER ALL, IT MUST HURT THEM A BIT."},
    /* 101 */ {.text = "THAT HOOK IS PRETTY BIG AND SHARP.", .nightTint = 30},
    /* 102 */ {.text = "I SHOULD HEAD BACK TO THE CABIN."},
    /* 103 */ {.exitReady = true},
    /* 104 */ {.text = "I AM GOING TO PUT THE FISHING ROD AWAY."},
    /* 105 */ {.text = "BACK IN THE KITCHEN."},
    /* 106 */ {},
    /* 107 */ {.text = "WELL, NOW WHAT SHOULD I DO?"},
    /* 108 */ {.text = "HM..."},
    /* 109 */ {.text = "I WILL JUST WATCH SOME TELEVISION."},
    /* 110 */ {},
    /* 111 */ {.text = "OH IS THAT THE PHONE?"},
    /* 112 */ {.text = "WHY WOULD ANYBODY BE CALLING ME?"},
    /* 113 */ {.text = "MAYBE IT IS THE OWNER OF THE CABIN?"},
    /* 114 */ {.text = "I DO NOT KNOW ANYTHING ABOUT THIS GUY."},
    /* 115 */ {.text = "AND IF IT WAS HIM, WHY WOULD HE CALL?"},
    /* 116 */ {.text = "OH WELL. I WILL GO ANSWER IT."},
    /* 117 */ {.exitReady = true},
    /* 118 */ {.text = "UH HELLO?"},
    /* 119 */ {.text = "WHO IS THIS?"},
    /* 120 */ {.text = "..."},
    /* 121 */ {.text = "ANSWER ME ALREADY!"},
    /* 122 */ {.useReady = true, .scene = 72},
    /* 123 */ {.text = "WHAT A WASTE OF MY TIME."},
    /* 124 */ {.text = "WELL, I SHOULD GO TO THE CAMPFIRE."},
    /* 125 */ {.text = "BEFORE IT GETS TOO DARK."},
    /* 126 */ {},
    /* 127 */ {.text = "MMH... SO PEACEFUL..."},
    /* 128 */ {.text = "I FIND THE WOODS SO CALMING."},
    /* 129 */ {.text = "WELL, MOST OF THE TIME...", .nightTint = 135},
    /* 130 */ {.text = "SHOULD I STAY OR LEAVE TOMORROW? HMM...?"},
    /* 131 */ {.text = "...", .nightTint = 140},
    /* 132 */ {.text = "UH... THAT WAS AN ANIMAL... RIGHT?"},
    /* 133 */ {.text = "HELLO...?"},
    /* 134 */ {.text = "IS ANYONE OUT THERE...?"},
    /* 135 */ {.text = "..."},
    /* 136 */ {.text = "I AM NOT GOING TO DEAL WITH THIS CRAP."},
    /* 137 */ {.text = "I AM HEADING BACK INSIDE."},
    /* 138 */ {.exitReady = true},
    /* 139 */ {.text = "UHM... IS THAT A PHOTO?"},
    /* 140 */ {.text = "WAS THIS HERE BEFORE? UHH."},
    /* 141 */ {.text = "SOMEBODY REALLY IS HERE... FOR A FACT."},
    /* 142 */ {.useReady = true},
    /* 143 */ {.text = "..."},
    /* 144 */ {.text = "NO WAY..."},
    /* 145 */ {.text = "I NEED TO GO INSIDE NOW."},
    /* 146 */ {},
    /* 147 */ {.text = "..."},
    /* 148 */ {.text = "I AM JUST GOING TO GO TO BED."},
    /* 149 */ {},
    /* 150 */ {.text = "GOODNIGHT..."},
    /* 151 */ {.text = "I AM GOING TO LEAVE TOMORROW."},
    /* 152 */ {.text = "THIS WHOLE TRIP HAS BEEN VERY SKETCHY..."},
    /* 153 */ {.text = "UHH..."},
    /* 154 */ {.text = "I AM NOT ANSWERING THAT..."},
    /* 155 */ {.text = "SILENT... STAY SILENT..."},
    /* 156 */ {.text = "QUIET AS A MOUSE..."},
    /* 157 */ {.text = "..."},
    /* 158 */ {.text = "OH MY GOODNESS..."},
    /* 159 */ {.text = "I NEED TO HIDE NOW!"},
    /* 160 */ {.text = "WHAT ABOUT THE CLOSET!?"},
    /* 161 */ {.exitReady = true, .threatActive = true},
    /* 162 */ {.text = "I... I THINK WHATEVER THAT WAS..."},
    /* 163 */ {.text = "IS GONE..."},
    /* 164 */ {.text = "I AM GOING TO RUN OUT."},
    /* 165 */ {.text = "AND CALL THE POLICE."},
    /* 166 */ {.text = "HOW HARD COULD IT BE...?"},
    /* 167 */ {.exitReady = true},
    /* 168 */ {.text = "NO... NO... NO!"},
    /* 169 */ {.text = "THE PHONE IS GONE!"},
    /* 170 */ {.text = "THAT MEANS..."},
    /* 171 */ {.text = "I HAVE TO WALK OUT TO MY CAR."},
    /* 172 */ {.text = "IF I CAN GET TO THE CAR I AM SAFE."},
    /* 173 */ {.exitReady = true, .scene = 88},
}};

// Taking the fishing rod, kept apart from the main run of lines.
constexpr std::array<DialogueEntry, 3> FishingRodScript = {{
    /* 1000 */ {.text = "I THINK I WILL GO FISHING."},
    /* 1001 */ {.text = "THE FISHING ROD IS AT THE LEFT CORNER."},
    /* 1002 */ {},
}};

struct SoundCue {
  int index;
  const char* file;
};

constexpr SoundCue DialogueSoundCues[] = {
    {57, IdkWhatToNameThisFile}, {61, ItWalkingOnGrassFile}, {130, ItRunningOnGrassFile},
    {152, KnockKnockFile},       {155, KnockKnockKnockFile}, {157, GlassShatterFile},
};

// Positions 0 to 46 (lines from 10 on) or 0 to 47 (lines 1 to 9) become
// spaces, and the next position a NUL; nothing past it is ever written, so
// position 49 stays NUL and the text row always ends with the cursor at 0.
void BlankMessageText(GameState& state) {
  const int terminator = state.MessageIndex < 10 ? 48 : 47;
  std::memset(state.MessageText.data(), ' ', terminator);
  state.MessageText[terminator] = '\0';
}

void WriteLine(GameState& state, const char* text) {
  const std::size_t length = std::strlen(text);
  std::memcpy(state.MessageText.data(), text, length);
  state.MessageText[length] = '\0';
}

}  // namespace

const DialogueEntry* FindDialogueEntry(int index) {
  if (index >= 0 && index < static_cast<int>(Script.size())) return &Script[index];
  if (index >= 1000 && index < 1000 + static_cast<int>(FishingRodScript.size())) return &FishingRodScript[index - 1000];
  return nullptr;
}

const char* DialogueSoundCue(int index) {
  for (const SoundCue& cue : DialogueSoundCues)
    if (cue.index == index) return cue.file;
  return nullptr;
}

void RunDialogueScript(GameState& state) {
  if (!state.DialogueActive) return;
  const DialogueEntry* entry = FindDialogueEntry(state.MessageIndex);
  if (!entry) return;

  // The very first line is written over the untouched, all-NUL text.
  if (state.MessageIndex != 0) BlankMessageText(state);
  if (entry->text) {
    WriteLine(state, entry->text);
    state.WrittenMessageIndex = state.MessageIndex;
    // Held every frame the line is up.
    if (entry->nightTint >= 0) state.NightTint = entry->nightTint;
    return;
  }

  // A closing entry: the box goes in the frame it is reached and is never seen.
  state.DialogueActive = false;
  if (entry->exitReady) state.ExitReady = true;
  if (entry->useReady) state.UseReady = true;
  if (entry->threatActive) state.ThreatActive = true;
  if (entry->scene >= 0) state.SceneIndex = entry->scene;
}

void AdvanceDialogue(GameState& state, Audio& audio) {
  if (!state.DialogueActive || state.UseReady || state.ExitReady) return;
  if (state.WrittenMessageIndex != state.MessageIndex) return;  // not yet seen
  state.MessageIndex += 1;
  audio.PlayOnce(ClickFile);
  if (const char* cue = DialogueSoundCue(state.MessageIndex)) audio.PlayOnce(cue);
}
