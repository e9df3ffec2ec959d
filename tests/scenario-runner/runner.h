#pragma once
// Runs scenario files against the program's real windows on the offscreen platform: actions go
// through the windows' own event handling, message boxes, prints and program starts are recorded.

#include "recorders.h"
#include "script.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

class QObject;
class QWidget;
class Form;

class ScenarioRunner {
  public:
    explicit ScenarioRunner(QString programDir);
    // Runs one file; prints its failure (if any) and its known failures, and returns whether it passed.
    bool runFile(const QString& path);
    // The lines marked known that failed as known, in every file run so far.
    int knownFailures() const { return m_knownFailures; }

  private:
    struct Failure {
        QString expected;
        QString got;
        // The line itself is wrong (a word missing or too many, an unknown command, state, key or
        // icon), not the program: a known mark does not excuse it.
        bool unreadable = false;
    };
    static Failure unreadable(QString expected, QString got) {
        return {std::move(expected), std::move(got), true};
    }
    // Each returns false with the Failure filled in when the line does not hold.
    bool execute(const Line& line, Failure* failure);
    bool action(const QList<Word>& w, Failure* f);
    bool expectation(const QList<Word>& w, Failure* f);

    void resetState();
    // The user's regional setting: Qt's default locale and the C library's; false when the C
    // library has no such locale.
    bool setRegion(const QString& name);
    bool startProgram(const QString& without, Failure* f);

    Form* window(const QString& name, Failure* f);
    QObject* control(const QString& address, Form** owner, Failure* f);

    QString m_programDir;
    RecordingPlatform m_platform;
    std::unique_ptr<QTemporaryDir> m_copy;
    int m_knownFailures = 0;
};
