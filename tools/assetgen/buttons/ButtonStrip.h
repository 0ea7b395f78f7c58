#pragma once

#include <cairo.h>

#include <functional>

#include "Canvas.h"

namespace assetgen {

// Draws the normal face of a button into a frame-sized context (origin at the frame's corner).
using ButtonFace = std::function<void(cairo_t* cr, int width, int height)>;

// Fills a five-frame button strip from one face: 1 normal, 2 hover (lighter), 3 pressed (darker,
// pushed down a pixel), 4 disabled (greyed), 5 like 1. Transparent pixels stay transparent.
void PaintButtonStrip(Canvas& strip, const ButtonFace& face);

} // namespace assetgen
