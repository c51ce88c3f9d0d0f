// The picture as a vector file, for slides, worksheets and reports that
// must stay sharp on a projector and on paper: the scene a drawing surface
// shows, as SVG or as a one-page PDF the background's size.
#pragma once

#include <QByteArray>

#include "plot/drawing_surface.h"

namespace plot {

// An SVG document of `scene`, one unit per surface pixel. Empty for a scene
// without a background.
QByteArray SvgPicture(const DrawingSurface::Scene& scene);

// A PDF document of one page showing `scene`, one point per surface pixel,
// so that a 400 x 400 picture is 400 x 400 points. Empty for a scene
// without a background.
QByteArray PdfPicture(const DrawingSurface::Scene& scene);

}  // namespace plot
