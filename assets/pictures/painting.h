// Shared helpers of the picture generator: writing PNGs, suit outlines, felt texture.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace pictures {

// Where the pictures go; set once by main.
void SetOutputDir(const QString& dir);
// Writes name.png beside its final place and renames it over; false on failure.
bool Save(const QString& name, const QImage& image);
// A transparent ARGB picture of the given size.
QImage Blank(int width, int height);

// Suit outlines filling rect: index 1 hearts, 2 diamonds, 3 clubs, 4 spades.
QPainterPath SuitPath(int suit, const QRectF& rect);
QColor SuitColour(int suit);
// A rounded card-shaped rectangle path.
QPainterPath RoundedRect(const QRectF& rect, double radius);
// Fills the image with a fine, calm noise over the base colour (seeded, repeatable).
void Felt(QImage& image, const QColor& base, int grain, unsigned seed);

// The back of a weekday (0 Monday .. 6 Sunday) at the given card size.
QImage CardBack(int weekday, int width, int height);

bool MakeCardFaces(const QString& deckSvg);
bool MakeCardBacks();
bool MakeTablePictures();
bool MakeWindowPictures(const QString& deckSvg);
bool MakeMenuPictures();
bool MakeAuxWindowPictures();

}  // namespace pictures
