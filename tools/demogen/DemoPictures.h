#pragma once

#include <QImage>
#include <QString>

// The pictures of the demonstration installation, drawn in code so that the repository holds
// no binary files.
namespace DemoPictures {

// Blank chart background, 500 x 400: T = 0 at y = 360, T = 100 at y = 60, 3 pixels a point.
QImage chartBackground(const QString &title);
// The picture shown when a person has no photograph.
QImage noPhoto();
// Pictures of the HTML report.
QImage bandBar(int band); // 0..4: the five T bands from low to high
QImage ruler(); // skala.gif: 300 pixels for T = 0..100
QImage legend(); // jelmagy.gif
QImage logo(); // logo.gif

} // namespace DemoPictures
