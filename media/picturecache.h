#pragma once
// What is costly to paint (noise, blur, wood, felt, paper) is painted once
// per scale: the picture is kept as raw pixels in a folder, under its name,
// its device pixel ratio and the version of the art that painted it, and
// read back from there on every later start. The program keeps them in the
// user's cache folder; without a folder every picture is painted.
//
// A kept picture that cannot be read whole (missing, cut short, damaged,
// from another version or scale) is painted again and kept anew; a folder
// that cannot be written only means painting. Nothing of this is kept in
// memory: the callers hold what they show.
#include <QImage>
#include <QList>
#include <QString>

#include <functional>

namespace talvern::art {

// `name` tells the picture apart from the others of the same scale: it is
// made of letters, digits, '-' and '_'.
QImage keptPicture(const QString& name, qreal dpr, const std::function<QImage()>& paint);
// An animation's frames, kept together.
QList<QImage> keptPictures(const QString& name, qreal dpr, const std::function<QList<QImage>()>& paint);

// The folder the pictures are kept in; empty keeps none. Each version of
// the art keeps its pictures in a folder of its own inside it, and the
// first picture kept clears away the folders of other versions.
void setPictureFolder(const QString& folder);
QString pictureFolder();
// The folder of this version's pictures (empty when none is kept).
QString versionFolder();

// How the last keptPicture()/keptPictures() came by its picture (for tests
// and the benchmark): read from the folder, or painted.
enum class PictureSource { Read, Painted };
PictureSource lastPictureSource();

} // namespace talvern::art
