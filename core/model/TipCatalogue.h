#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace corvallo {

inline constexpr int kTipCount = 30;

// The tips by index; slot 0 is the empty text. Three tips end with a blank,
// which is part of their text.
inline constexpr std::array<std::string_view, kTipCount + 1> kTips{
    "",
    "Try to keep the television and all electronic items away and out of your bedroom.",
    "Light your main walkway throughout the night.",
    "Do not let dried flowers remain in the vase.",
    "Keep your house clear of all clutter.",
    "Pennies symbolize a happy marriage.",
    "Hang an image of a mountain behind you in your office room.",
    "Keep your table uncluttered of papers and files.",
    "Hang a picture of a phoenix to improve your luck.",
    "Make your home as sunny and bright as possible without any dark corners. ",
    "Believe in the principle of two. For e.g. two flowers, two birds, photos of couples etc.",
    "Hang wind chimes outside your front door for better opportunities.",
    "Have a better love life by including a lot of pinks and reds in your life. ",
    "Use different shapes in your lives for a better balance.",
    "Place chairs and beds in such a way that the doorway is visible.",
    "Do not keep mirrors in bedrooms.",
    "Place a tortoise for good health and long life.",
    "Make sure that all clocks in your house are in a working condition and none of them have "
    "stopped.",
    "Keeping a green plant will mean better career prospects.",
    "Keep as many live plants you can at home.",
    "Do not keep things or items that you haven't used in years and are gathering dust.",
    "Add mirrors to make the rooms look bigger.",
    "Hanging crystals can improve the health of family members.",
    "Keep a pet if you are planning to. This will improve your quality of life.",
    "Use incense, aromatherapy candles and oils to have a healing effect surround you. ",
    "Keep your gas burners in good working condition.",
    "Keeping a fish tank in the appropriate corner can bring you fortune.",
    "See that you don't have any beam on top of your bed.",
    "Keep your doors oiled so that they don't creak.",
    "Use a lot of blue in your everyday life for better knowledge.",
    "Listen to harmonious sounds such as gongs, bells and wind chimes.",
};

// The tip index for a draw 0 <= r < 1: 1 to 30, each equally likely.
[[nodiscard]] inline std::int16_t tipIndexFromDraw(double r) {
    return static_cast<std::int16_t>(std::floor(r * kTipCount + 1));
}

}  // namespace corvallo
