#pragma once

#include <cairo.h>

#include "Colour.h"
#include "pieces/PieceArtShapes.h"

namespace assetgen {

// The motif painted large and faint behind a general's name.
enum class Emblem {
    Spear,         // a leaf-bladed spear with a tassel
    Lance,         // a spear with a pennant
    Glaive,        // a crescent-bladed long glaive
    SnakeSpear,    // a spear with a wavy blade
    Halberd,       // a spear with crescent side blades
    Sword,         // a straight double-edged sword
    Saber,         // a curved single-edged broadsword with a ring pommel
    Bow,           // a recurved bow with a nocked arrow
    Axe,           // a battle axe
    Banner,        // a war banner on a pole
    Fan,           // a feather fan
    Flame,         // tongues of fire
    Seal,          // an official seal with its knob
    CrossedSpears, // two spears crossed
};

// Draws the emblems with Cairo paths, each in a unit space: the tip at (0, 0), the body along
// +y to (0, 1), widths as fractions of the length.
class PieceArtEmblem {
public:
    // Whether the motif only reads upright (a flame, a banner, a seal); weapons may lie down.
    static bool Upright(Emblem emblem);
    // Paints the emblem in one colour at the given opacity (overlaps do not darken), turned
    // clockwise by `angle` radians from pointing up and scaled to fill `box`, centred in it.
    static void Paint(cairo_t* cr, Emblem emblem, const ArtRect& box, double angle,
                      const Colour& colour, double opacity);

private:
    // Fills and cuts the unit-space shape in the current group.
    static void Shape(cairo_t* cr, Emblem emblem);
    static void Shaft(cairo_t* cr, double from, double to, double width);
    static void LeafBlade(cairo_t* cr, double length, double width);
    static void Tassel(cairo_t* cr, double at);
    static void SpearShape(cairo_t* cr);
    static void LanceShape(cairo_t* cr);
    static void GlaiveShape(cairo_t* cr);
    static void SnakeSpearShape(cairo_t* cr);
    static void HalberdShape(cairo_t* cr);
    static void SwordShape(cairo_t* cr);
    static void SaberShape(cairo_t* cr);
    static void BowShape(cairo_t* cr);
    static void AxeShape(cairo_t* cr);
    static void BannerShape(cairo_t* cr);
    static void FanShape(cairo_t* cr);
    static void FlameShape(cairo_t* cr);
    static void SealShape(cairo_t* cr);
    static void CrossedSpearsShape(cairo_t* cr);
    // Clears the current path out of what is drawn so far: its outline of the given width,
    // or its inside when the width is 0 (carved lines, holes).
    static void Cut(cairo_t* cr, double lineWidth);
    // The bounding box of the turned unit-space shape.
    static ArtRect Extents(Emblem emblem, double angle);
};

} // namespace assetgen
