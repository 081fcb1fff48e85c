#include "story/SpokenScript.h"

#include <array>
#include <cctype>

namespace {

// By scene, 0 to 92. Where a place has an exit or a thing to use, the spoken
// layer adds which way it lies from the view (from the hotspot windows).
constexpr std::array<SpokenPlace, SpokenSceneCount> Places = {{
    /*  0 */ {"In bed, at home.", "In bed, at home. Grey morning light at the window.", "out of bed"},
    /*  1 */ {"Your bedroom.", "Your bedroom: a wardrobe, a chest of drawers, a window.", "the bedroom door"},
    /*  2 */ {"The living room.", "The living room: a sofa, a red rug, a bookcase.", "the kitchen"},
    /*  3 */ {"The kitchen.", "The kitchen: cupboards, a fridge, a small table.", "the bathroom"},
    /*  4 */ {"The bathroom.", "The bathroom: a bath, a toilet, a sink under a mirror.", "the sink"},
    /*  5 */ {"At the bathroom sink.", "At the sink, before the mirror.", "the kitchen", "the toothbrush"},
    /*  6 */ {"The kitchen.", "The kitchen again. Breakfast waits on the table.", "the table"},
    /*  7 */ {"At the kitchen table.", "At the table: a slice of pizza and a bowl of soup.", "the living room",
              "your breakfast"},
    /*  8 */ {"The living room.", "The living room: the sofa, a red chair, a low table.", "the bedroom"},
    /*  9 */ {"Your bedroom.", "Your bedroom: the bed, and a desk with a computer.", "the desk"},
    /* 10 */ {"At the desk.", "At the desk. The computer is off.", "back to the room", "the computer"},
    /* 11 */ {"Your bedroom.", "Your bedroom.", "the bedroom door"},
    /* 12 */ {"The living room.", "The living room.", "the television"},
    /* 13 */ {"Before the television.", "The television: a cartoon cat waves to a cheerful little tune."},
    /* 14 */ {"In bed, at home.", "In bed, at home. Morning again.", "out of bed"},
    /* 15 */ {"Your bedroom.", "Your bedroom.", "the bedroom door"},
    /* 16 */ {"The living room.", "The living room.", "the front door"},
    /* 17 */ {"Your street.", "Outside, on your street: houses in a row, your red car at the kerb.", "the car"},
    /* 18 */ {"In the car.", "You start the car and drive out of town."},
    /* 19 */ {"The edge of the forest.", "The edge of a forest. A trail leads in, past a small sign.", "the trail"},
    /* 20 */ {"On the forest trail.", "Hold W or Up to walk along the trail."},
    /* 21 */ {},
    /* 22 */ {"A clearing.", "A clearing in the forest. A path leads to a small log cabin.", "the cabin"},
    /* 23 */ {"Before the cabin.", "The log cabin: two dark windows and a door.", "the front door"},
    /* 24 */ {"Inside the cabin.", "Inside the cabin: a stove, a table, a sofa, an old television, a bookcase.",
              "the kitchen"},
    /* 25 */ {"The cabin's kitchen.", "The cabin's kitchen: shelves, a counter, a black stove.", "the table"},
    /* 26 */ {"At the kitchen table.", "At the kitchen table. There is food.", "the main room", "the food"},
    /* 27 */ {"The cabin's main room.", "The main room: a red armchair, the television, a bookcase.", "the bedroom"},
    /* 28 */ {"The cabin's bedroom.", "The bedroom: a red bed, a lamp, a closet.", "the front room"},
    /* 29 */ {"The cabin's front room.", "The front room: a stove, a table, the front door.", "the front door"},
    /* 30 */ {"Outside the cabin.", "You step out into the evening. The fire pit is nearby.", "the fire pit"},
    /* 31 */ {"At the fire pit.", "The fire pit, in the grass before the trees. The cabin behind you.", "the cabin",
              "the lighter"},
    /* 32 */ {"Before the cabin.", "The cabin, in the dark.", "the front door"},
    /* 33 */ {"Inside the cabin.", "Inside the cabin.", "the kitchen"},
    /* 34 */ {"The cabin's kitchen.", "The kitchen.", "the bathroom"},
    /* 35 */ {"The cabin's bathroom.", "The bathroom: a bath, a sink, a toilet.", "the toilet"},
    /* 36 */ {"In the dark.", "The light goes out."},
    /* 37 */ {"The cabin's bathroom.", "The light is back. The bathroom.", "the kitchen"},
    /* 38 */ {"The cabin's kitchen.", "The kitchen. The sink is by the window.", "the kitchen sink"},
    /* 39 */ {"At the kitchen sink.", "At the sink.", "the main room", "the tap"},
    /* 40 */ {"The cabin's main room.", "The main room.", "the front door"},
    /* 41 */ {"Outside the cabin.", "Outside, at night. The trail to the car starts here.", "the trail to the car"},
    /* 42 */ {"On the trail at night.", "Hold W or Up to walk to the car."},
    /* 43 */ {"At the car.", "Your car, at the end of the trail. The water bottle is inside.", "the trail back",
              "the water bottle"},
    /* 44 */ {"On the trail at night.", "Hold W or Up to walk back to the cabin."},
    /* 45 */ {"The clearing.", "The clearing, and the cabin.", "the cabin"},
    /* 46 */ {"Before the cabin.", "The cabin.", "the front door"},
    /* 47 */ {"Inside the cabin.", "Inside the cabin.", "the bedroom"},
    /* 48 */ {"The cabin's bedroom.", "The bedroom.", "the bed"},
    /* 49 */ {},
    /* 50 */ {"In bed, in the cabin.", "In bed, in the cabin. Morning.", "out of bed"},
    /* 51 */ {"The cabin's front room.", "The front room.", "the kitchen"},
    /* 52 */ {"The cabin's kitchen.", "The kitchen.", "the table"},
    /* 53 */ {"At the kitchen table.", "At the kitchen table. There is food.", "away from the table", "the food"},
    /* 54 */ {"The cabin's kitchen.", "The kitchen.", "the bathroom"},
    /* 55 */ {"The cabin's bathroom.", "The bathroom.", "the sink"},
    /* 56 */ {"At the bathroom sink.", "At the sink, before the mirror.", nullptr, "the toothbrush"},
    /* 57 */ {"At the bathroom sink.", nullptr, "the kitchen"},
    /* 58 */ {"The cabin's kitchen.", "The kitchen. A fishing rod stands in the corner.", nullptr, "the fishing rod"},
    /* 59 */ {"The cabin's main room.", "You carry the fishing rod. The main room.", "the front door"},
    /* 60 */ {"Outside the cabin.", "Outside, in the morning. A trail leads off to the lake.", "the trail to the lake"},
    /* 61 */ {"On the way to the lake.", "Hold W or Up to walk down to the lake.", nullptr, "the fishing rod",
              "At each bite, press Enter fast, six times."},
    /* 62 */ {"At the lake.", "A lake, wide and still, a jetty reaching out. Forest on the far shore.",
              "the trail back"},
    /* 63 */ {"On the way back.", "Hold W or Up to walk back to the cabin."},
    /* 64 */ {"Before the cabin.", "The cabin.", "the front door"},
    /* 65 */ {"Inside the cabin.", "Inside the cabin.", "the kitchen"},
    /* 66 */ {"The cabin's kitchen.", "The kitchen. The rod's corner is empty.", nullptr, "the rod's corner"},
    /* 67 */ {"The cabin's kitchen.", nullptr, "the main room"},
    /* 68 */ {"The cabin's main room.", "The main room.", "the television"},
    /* 69 */ {"Before the old television.", "The old television shows only static, and a babble of voices.",
              "the telephone"},
    /* 70 */ {"In the main room.", "You go to the telephone."},
    /* 71 */ {"At the telephone.", "The telephone on the wall, ringing.", nullptr, "the telephone"},
    /* 72 */ {"At the telephone.", nullptr, nullptr, "the receiver"},
    /* 73 */ {"At the telephone.", "You hang up.", nullptr, "the telephone"},
    /* 74 */ {"Inside the cabin.", "The main room, darker now.", "the front door"},
    /* 75 */ {"Outside the cabin.", "You step out into the night."},
    /* 76 */ {"Before the cabin.", "Outside, at night. Something small lies on the ground by the door.",
              "the fire pit"},
    /* 77 */ {"At the fire pit.", "The fire pit, cold.", nullptr, "the lighter"},
    /* 78 */ {"At the fire pit.", "You light the fire again.", "the cabin"},
    /* 79 */ {"Before the cabin.", "Back at the cabin door. The small thing on the ground is a photo.", nullptr,
              "the photo"},
    /* 80 */ {"Before the cabin.", nullptr, "the front door"},
    /* 81 */ {"Inside the cabin.", "Inside the cabin.", "the bedroom"},
    /* 82 */ {"The cabin's bedroom.", "The bedroom: the bed, and the closet.", "the bed"},
    /* 83 */ {"In bed, in the cabin.", "In bed. The closet is across the room.", "out of bed"},
    /* 84 */ {"The cabin's bedroom.", "By the closet.", "the closet"},
    /* 85 */ {"In the closet.", "You hide in the closet. Through the slats, the bedroom.", "the closet doors"},
    /* 86 */ {"The main room.", "A thin dark shape runs through the room with the telephone, and out.",
              "where the telephone was"},
    /* 87 */ {},
    /* 88 */ {"The main room.", "The main room, without its telephone.", "the front door"},
    /* 89 */ {"Outside the cabin.", "Outside, at night. The trail to the car.", "the trail to the car"},
    /* 90 */ {"On the trail at night.", "Run! Hold W or Up, and do not stop."},
    /* 91 */ {"At the car.", "The car, at the end of the trail.", "the car"},
    /* 92 */ {"In the car.", "You start the car and drive away, as the sun comes up."},
}};

constexpr SpokenPlace Nowhere{};

constexpr std::array<const char*, static_cast<int>(Moment::Count)> Moments = {{
    "You eat the pizza.",
    "You eat the soup.",
    "Press Enter again and again to brush your teeth.",
    "The cabin rentals page. The cursor finds the cabin by itself.",
    "The cabin is booked.",
    "You light the fire.",
    "A white flash, from the trees.",
    "You drink from the water bottle.",
    "You cast the line. Wait for a bite.",
    "The telephone rings.",
    "You lift the receiver.",
    "The photo: you, at the fire, seen from the trees.",
    "Hide! Enter, then Enter again at the closet.",
    "It finds you.",
    "Through the slats: something tall, in the doorway.",
    "A face! Pale, with hollow eyes, and a mouth far too wide.",
}};

// Words kept in capitals for the ear, and names that keep their capital.
constexpr std::string_view Capitals[] = {"PC", "WASD", "W"};
constexpr std::string_view Names[] = {"enter", "shift", "tarnwick", "up", "return"};

bool OneOf(std::string_view word, std::span<const std::string_view> list) {
  for (std::string_view w : list)
    if (w == word) return true;
  return false;
}

}  // namespace

const SpokenPlace& SpokenPlaceOf(int scene) {
  if (scene < 0 || scene >= SpokenSceneCount) return Nowhere;
  return Places[static_cast<std::size_t>(scene)];
}

const char* MomentWords(Moment moment) { return Moments[static_cast<std::size_t>(moment)]; }

const char* HintAfterLine(int index) {
  // The last of the bedtime thoughts: the hiding countdown starts as it goes.
  if (index == 160) return "When this thought goes, you have seven seconds to hide: Enter, then Enter again at the closet.";
  return nullptr;
}

std::string ForTheEar(std::string_view shown) {
  // What draws nothing: the spaces and slashes after a line's last letter.
  const auto end = shown.find_last_not_of(" /");
  shown = end == std::string_view::npos ? std::string_view{} : shown.substr(0, end + 1);
  if (shown.find_first_not_of(". ") == std::string_view::npos) return WordlessLineWords;

  std::string said;
  bool sentenceStart = true;
  std::size_t i = 0;
  while (i < shown.size()) {
    if (!std::isalpha(static_cast<unsigned char>(shown[i]))) {
      const char c = shown[i++];
      said += c;
      if (c == '.' || c == '!' || c == '?') sentenceStart = true;
      continue;
    }
    std::size_t j = i;
    while (j < shown.size() && std::isalpha(static_cast<unsigned char>(shown[j]))) ++j;
    const std::string_view word = shown.substr(i, j - i);
    std::string lower;
    for (const char c : word) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (OneOf(word, Capitals) && word != "A" && word != "I") {
      said += word;
    } else {
      if (sentenceStart || lower == "i" || OneOf(lower, Names))
        lower[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(lower[0])));
      said += lower;
    }
    sentenceStart = false;
    i = j;
  }
  return said;
}
