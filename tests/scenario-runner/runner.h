#pragma once
// Runs scenario files against the program's real windows on the offscreen platform: actions go
// through the windows' own event handling, message boxes, prints and program starts are recorded.

#include "recorders.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

// What a file's commands act on besides the windows: the recorders that stand in for the desktop,
// and the program's folder (or a copy of it without one file).
struct Scene {
    QString programDir;
    RecordingPlatform platform;
    std::unique_ptr<QTemporaryDir> copy;
};

class ScenarioRunner {
  public:
    explicit ScenarioRunner(QString programDir);
    // Runs one file; prints its failure (if any) and its known failures, and returns whether it passed.
    bool runFile(const QString& path);
    // The lines marked known that failed as known, in every file run so far.
    int knownFailures() const { return m_knownFailures; }

  private:
    void resetState();

    Scene m_scene;
    int m_knownFailures = 0;
};
