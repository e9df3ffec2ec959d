#pragma once
// Reading scenario files: one command a line, words split at spaces, double-quoted words with the
// escapes \" \\ \r \n \t.

#include <QList>
#include <QString>

struct Word {
    QString text;
    bool quoted = false;
};

struct Line {
    int number = 0;
    QList<Word> words;
    QString error; // why the line could not be split into words
};

// Splits one line into words. Returns false with a reason for an unterminated quote or an unknown
// escape.
bool splitWords(const QString& line, QList<Word>* words, QString* error);

// The command lines of a file (blank lines and # comments left out); a line that cannot be split
// is kept with its error.
bool readScript(const QString& path, QList<Line>* lines, QString* error);
