// Speech bubbles: the picture of each colour letter and the font size that fits the text.
#pragma once

#include <QString>
#include <functional>

namespace klondar::table {

// "SPBlue" .. "SPFiolet" for "b", "g", "r", "y", "o" (with "B" for large pictures);
// empty for any other letter.
QString BubblePictureName(char colour, bool large);

// The bubble font size: 18, else 16, else 14 (each scaled by `scaled`) for the first that
// keeps the text within the scaled limit of 150; widthAt gives the text's width at a size.
int FittingFontSize(const std::function<int(int)>& widthAt, const std::function<int(double)>& scaled);

}  // namespace klondar::table
