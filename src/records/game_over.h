#pragma once
// The message that ends every game, with the score and the word for "points"
// in the form Russian needs after that number.

#include <cstdint>
#include <string>

namespace vemo {

// " очко", " очка" or " очков" for the number.
std::string PointsSuffix(std::int32_t score);

// "Игра окончена, игрок набрал <score><suffix>"
std::string GameOverText(std::int32_t score);

}  // namespace vemo
