#pragma once

#include <QJSEngine>
#include <QJSValue>
#include <QSet>
#include <QString>
#include <QStringList>

// Access to the shipped files of the source tree and small readers for the
// formats the program hands to other libraries (sound, scene scripts).
namespace ShippedFiles {

QString modules(const QString &relative = QString());
QString repository(const QString &relative);

// A copy of modules/<folder> in a fresh temporary folder, so readers that may write stay off the tree.
QString copyOf(const QString &folder, const QString &targetRoot);

// A scene script (.pragma library) evaluated in engine; returns the engine's
// global object, or the error when the script does not evaluate.
QJSValue sceneScript(QJSEngine &engine, const QString &relative);

// Picture paths under skin<N>/ that the scene's sources name: "dir/name.png" literals,
// and "dir/name" prefixes that it completes with "_0.png" / "_1.png".
QSet<QString> scenePictureLiterals();

// Seconds of sound in a PCM WAV file; negative when the file is no such file.
double wavSeconds(const QString &path);
// Seconds of an MPEG-1 Layer III file at constant bit rate; negative when it is none.
double mp3Seconds(const QString &path);

} // namespace ShippedFiles
