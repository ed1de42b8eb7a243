#pragma once

#include <QString>

namespace sorvex {

class StudyProgress;

// Where the study progress lives: progress.json under the application's
// data folder.
QString defaultProgressPath();

struct ProgressLoad
{
    enum Outcome {
        NoFile, // first run: empty progress
        Loaded,
        SetAside, // damaged or of an unknown version: moved to asidePath, empty progress
        Unusable, // damaged and could not be moved: empty progress, must not be overwritten
    };
    Outcome outcome = NoFile;
    QString asidePath;
    // For the user, when the outcome is SetAside or Unusable.
    QString message;
};

// Reads the progress file into `progress`. A file that cannot be used is
// never dropped: it is renamed beside itself, and the caller tells the user.
ProgressLoad loadProgress(const QString &path, StudyProgress &progress);

// Writes the whole file atomically, creating its folder. On failure the
// previous file is untouched and `error` says why.
bool saveProgress(const QString &path, const StudyProgress &progress, QString *error);

} // namespace sorvex
